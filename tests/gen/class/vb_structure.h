// A structural check of generated Visual Basic source as bytes on disk:
// CP932 that decodes, CR LF line ends, no tab, no line longer than Visual
// Basic reads, block statements that open and close in pairs, and string
// literals closed on the line they open.
#pragma once

#include "platform/text.h"

#include <algorithm>
#include <string>
#include <vector>

// Own namespace: the module generator tests link into the same program.
namespace schemist::test::classes {

struct StructureReport {
    std::vector<std::string> problems;         // everything but open literals
    std::vector<std::string> openLiterals;     // lines whose string literal is not closed
};

namespace detail {

inline std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The code part of a line (comment cut off) and whether a literal is left open.
inline std::string codePart(const std::string& line, bool& openLiteral)
{
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            inString = !inString;
        else if (line[i] == '\'' && !inString)
            return line.substr(0, i);
    }
    openLiteral = inString;
    return line;
}

inline bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

inline bool endsWith(const std::string& s, const std::string& suffix)
{
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

inline std::string trim(const std::string& s)
{
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The block a statement opens ("" when none) or closes.
inline std::string opens(const std::string& code)
{
    for (const char* scope : {"public ", "private ", ""}) {
        std::string s(scope);
        if (startsWith(code, s + "property get ") || startsWith(code, s + "property let ")) return "property";
        if (startsWith(code, s + "function ")) return "function";
        if (startsWith(code, s + "sub ")) return "sub";
    }
    if (startsWith(code, "with ")) return "with";
    if (startsWith(code, "if ") && endsWith(code, " then")) return "if";
    if (startsWith(code, "do ") || code == "do") return "do";
    if (startsWith(code, "for ")) return "for";
    return {};
}

inline std::string closes(const std::string& code)
{
    if (code == "end property") return "property";
    if (code == "end function") return "function";
    if (code == "end sub") return "sub";
    if (code == "end with") return "with";
    if (code == "end if" || code == "endif") return "if";
    if (startsWith(code, "loop")) return "do";
    if (code == "next" || startsWith(code, "next ")) return "for";
    return {};
}

}  // namespace detail

inline StructureReport checkVbStructure(const std::string& bytes, const std::string& name)
{
    StructureReport report;
    auto problem = [&](const std::string& what) { report.problems.push_back(name + ": " + what); };

    std::string text = decodeToUtf8(bytes, "CP932");
    if (text.find("\xEF\xBF\xBD") != std::string::npos)
        problem("bytes that are not CP932");
    if (bytes.find('\t') != std::string::npos)
        problem("tab character");
    if (!bytes.empty() && !detail::endsWith(bytes, "\r\n"))
        problem("last line without CR LF");

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string raw = bytes.substr(start, end - start);
        if (raw.find('\r') != std::string::npos || raw.find('\n') != std::string::npos)
            problem("line break other than CR LF near line " + std::to_string(lines.size() + 1));
        if (raw.size() > 1023)
            problem("line " + std::to_string(lines.size() + 1) + " longer than 1023 bytes");
        lines.push_back(decodeToUtf8(raw, "CP932"));
        start = end + 2;
    }

    std::vector<std::string> stack;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool openLiteral = false;
        std::string code = detail::trim(detail::lower(detail::codePart(lines[i], openLiteral)));
        std::string where = " at line " + std::to_string(i + 1) + ": " + lines[i];
        if (openLiteral)
            report.openLiterals.push_back(name + where);
        std::string opened = detail::opens(code);
        std::string closed = detail::closes(code);
        if (!opened.empty()) {
            bool procedure = opened == "property" || opened == "function" || opened == "sub";
            if (procedure && !stack.empty())
                problem(opened + " inside " + stack.back() + where);
            stack.push_back(opened);
        } else if (!closed.empty()) {
            if (stack.empty() || stack.back() != closed)
                problem("end of " + closed + " without its start" + where);
            else
                stack.pop_back();
        }
    }
    if (!stack.empty())
        problem(stack.back() + " not closed at end of file");
    return report;
}

}  // namespace schemist::test::classes
