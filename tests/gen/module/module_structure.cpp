// Structural checks of generated Visual Basic source.
#include "module_structure.h"

#include "platform/text.h"

#include <utility>

namespace schemist::test {
namespace {

std::string leftTrimmed(const std::string& line)
{
    std::size_t start = line.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : line.substr(start);
}

std::string rightTrimmed(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

bool startsWith(const std::string& text, const char* head)
{
    return text.rfind(head, 0) == 0;
}

// The code of a line without its trailing comment; `open` tells whether the
// line ends inside a string literal.
std::string codeOf(const std::string& line, bool& open)
{
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            inString = !inString;
        else if (line[i] == '\'' && !inString) {
            open = false;
            return line.substr(0, i);
        }
    }
    open = inString;
    return line;
}

// The closing line a line opens a block for, or "" when it opens none.
std::string closingFor(const std::string& code)
{
    if (startsWith(code, "public type ")) return "end type";
    if (startsWith(code, "public function ") || startsWith(code, "private function ")) return "end function";
    if (startsWith(code, "public sub ")) return "end sub";
    if (startsWith(code, "with ")) return "end with";
    if (startsWith(code, "if ") && code.size() >= 4 && code.compare(code.size() - 4, 4, "then") == 0) return "end if";
    return {};
}

bool isClosing(const std::string& code)
{
    return code == "end type" || code == "end function" || code == "end sub" || code == "end with" ||
           code == "end if";
}

}  // namespace

StructureReport checkSourceStructure(const std::string& bytes)
{
    StructureReport report;
    auto problem = [&](std::size_t lineNo, const std::string& what) {
        report.problems.push_back("line " + std::to_string(lineNo) + ": " + what);
    };

    std::string utf8 = decodeToUtf8(bytes, "CP932");
    if (utf8.find("\xEF\xBF\xBD") != std::string::npos || encodeCp932(utf8).bytes != bytes)
        report.problems.push_back("not CP932");
    if (bytes.find('\t') != std::string::npos)
        report.problems.push_back("tab character");
    if (!bytes.empty() && (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0))
        report.problems.push_back("last line without CR LF");

    std::vector<std::pair<std::string, std::size_t>> open;  // expected closing, line number
    std::size_t pos = 0, lineNo = 0;
    while (pos < utf8.size()) {
        ++lineNo;
        std::size_t end = utf8.find("\r\n", pos);
        if (end == std::string::npos)
            end = utf8.size();
        std::string line = utf8.substr(pos, end - pos);
        pos = end + 2;
        if (line.find_first_of("\r\n") != std::string::npos)
            problem(lineNo, "bare CR or LF");
        if (utf8Length(line) > 1023)
            problem(lineNo, "longer than 1023 characters");

        bool openLiteral = false;
        std::string code = rightTrimmed(leftTrimmed(codeOf(line, openLiteral)));
        if (openLiteral) {
            report.openLiteralLines.push_back(line);
            continue;
        }
        if (code == "else") {
            if (open.empty() || open.back().first != "end if")
                problem(lineNo, "else outside an if block");
            continue;
        }
        if (isClosing(code)) {
            if (open.empty() || open.back().first != code)
                problem(lineNo, code + " without its opening line");
            else
                open.pop_back();
            continue;
        }
        std::string closing = closingFor(code);
        if (!closing.empty())
            open.emplace_back(closing, lineNo);
    }
    for (const auto& [closing, line] : open)
        problem(line, "block not closed by " + closing);
    return report;
}

}  // namespace schemist::test
