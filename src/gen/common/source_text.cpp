// Lines of generated source kept as their written bytes.
#include "gen/common/source_text.h"

#include "platform/error.h"
#include "platform/text.h"

#include <algorithm>
#include <limits>

namespace schemist {

SourceText::SourceText(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        appendLine(line);
}

SourceText::SourceText(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        appendLine(line);
}

void SourceText::endLine(std::size_t start)
{
    longest_ = std::max(longest_, bytes_.size() - start);
    bytes_.append("\r\n", 2);
    // Offsets are 32 bits: a source file of 4 GiB is far beyond what any
    // run could make, and what Visual Basic could load.
    if (start > std::numeric_limits<std::uint32_t>::max())
        throw Error("生成したソースが大きすぎます");
    starts_.push_back(static_cast<std::uint32_t>(start));
}

void SourceText::reserve(std::size_t bytes, std::size_t lines)
{
    bytes_.reserve(bytes);
    starts_.reserve(lines);
}

void SourceText::appendLine(std::string_view utf8)
{
    std::size_t start = bytes_.size();
    appendCp932(bytes_, utf8);
    endLine(start);
}

void SourceText::appendLineWithComment(std::string_view code, std::string_view comment, std::size_t column)
{
    std::size_t start = bytes_.size();
    appendCp932(bytes_, code);
    std::size_t codeBytes = bytes_.size() - start;
    if (column > 0 && codeBytes < column)
        bytes_.append(column - codeBytes, ' ');
    else
        bytes_.push_back(' ');
    appendCp932(bytes_, comment);
    endLine(start);
}

void SourceText::appendEncodedLine(std::size_t blanks, std::string_view code, std::string_view comment,
                                   std::size_t column)
{
    std::size_t start = bytes_.size();
    bytes_.append(blanks, ' ');
    bytes_.append(code);
    if (!comment.empty()) {
        std::size_t codeBytes = bytes_.size() - start;
        if (column > 0 && codeBytes < column)
            bytes_.append(column - codeBytes, ' ');
        else
            bytes_.push_back(' ');
        bytes_.append(comment);
    }
    endLine(start);
}

std::string_view SourceText::lineBytes(std::size_t index) const
{
    std::size_t start = starts_.at(index);
    std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : bytes_.size();
    return std::string_view(bytes_).substr(start, end - start - 2);
}

std::string SourceText::operator[](std::size_t index) const
{
    return decodeToUtf8(lineBytes(index), "CP932");
}

std::vector<std::string> SourceText::decodedLines() const
{
    std::vector<std::string> lines;
    lines.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        lines.push_back((*this)[i]);
    return lines;
}

}  // namespace schemist
