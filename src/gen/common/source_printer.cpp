// Line collection, template expansion and comment placement shared by all
// source generators.
#include "gen/common/source_printer.h"

#include "platform/text.h"

#include <algorithm>

namespace schemist {

std::string AddLineComment(std::string_view code, std::string_view comment, std::int16_t commentPos)
{
    std::size_t bytes = cp932ByteCount(code);
    std::string line(code);
    if (commentPos > 0 && bytes < static_cast<std::size_t>(commentPos))
        line.append(static_cast<std::size_t>(commentPos) - bytes, ' ');
    else
        line.push_back(' ');
    line.append(comment);
    return line;
}

std::string expandTemplate(std::string_view text, TemplateVars vars)
{
    std::string out;
    out.reserve(text.size() + 32);
    appendPieces(out, wholeTemplate(text), vars);
    return out;
}

std::string trailingComment(std::string_view text)
{
    return text.empty() ? std::string() : "' " + std::string(text);
}

std::string SourcePrinter::indent(int level) const
{
    long width = static_cast<long>(base_ + level) * settings_.TabSize;
    return std::string(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
}

std::size_t SourcePrinter::blanksOf(int level) const
{
    long width = static_cast<long>(base_ + level) * settings_.TabSize;
    return width > 0 ? static_cast<std::size_t>(width) : 0;
}

std::size_t SourcePrinter::commentColumn() const
{
    return settings_.CommentPos > 0 ? static_cast<std::size_t>(settings_.CommentPos) : 0;
}

void SourcePrinter::startCode(int level)
{
    code_.assign(blanksOf(level), ' ');
}

void SourcePrinter::emit()
{
    if (comment_.empty())
        lines_.appendLine(code_);
    else
        lines_.appendLineWithComment(code_, comment_, commentColumn());
}

void SourcePrinter::printLine(int level, const TemplateLine& line, TemplateVars vars)
{
    if (line.blank) {
        blank();
        return;
    }
    if (line.literal()) {
        lines_.appendEncodedLine(blanksOf(level), line.code.bytes, line.comment.bytes, commentColumn());
        return;
    }
    startCode(level);
    appendPieces(code_, line.code, vars);
    comment_.clear();
    appendPieces(comment_, line.comment, vars);
    emit();
}

void SourcePrinter::print(int level, std::string_view text, TemplateVars vars)
{
    printLine(level, lineTemplate(text), vars);
}

void SourcePrinter::block(std::string_view text, TemplateVars vars)
{
    for (const TemplateLine& line : blockTemplate(text))
        printLine(line.level, line, vars);
}

void SourcePrinter::fixedBlock(std::string_view text, TemplateVars vars)
{
    for (const TemplatePieces& line : fixedBlockTemplate(text)) {
        if (line.literal) {
            lines_.appendEncodedLine(0, line.bytes, {}, 0);
            continue;
        }
        code_.clear();
        appendPieces(code_, line, vars);
        lines_.appendLine(code_);
    }
}

void SourcePrinter::printWithComment(int level, std::string_view text, TemplateVars vars,
                                     std::string_view comment)
{
    startCode(level);
    appendPieces(code_, wholeTemplate(text), vars);
    comment_.clear();
    if (!comment.empty()) {
        comment_ = "' ";
        comment_.append(comment);
    }
    emit();
}

void SourcePrinter::printWithFixedComment(int level, std::string_view text, TemplateVars vars,
                                          std::string_view fixedComment)
{
    startCode(level);
    appendPieces(code_, wholeTemplate(text), vars);
    comment_.assign(fixedComment);
    emit();
}

void SourcePrinter::printAt(int spaces, std::string_view text, TemplateVars vars)
{
    const TemplatePieces& pieces = wholeTemplate(text);
    if (pieces.literal) {
        lines_.appendEncodedLine(static_cast<std::size_t>(std::max(spaces, 0)), pieces.bytes, {}, 0);
        return;
    }
    code_.assign(static_cast<std::size_t>(std::max(spaces, 0)), ' ');
    appendPieces(code_, pieces, vars);
    lines_.appendLine(code_);
}

}  // namespace schemist
