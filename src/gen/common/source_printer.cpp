// Line collection, template expansion and comment placement shared by all
// source generators.
#include "gen/common/source_printer.h"

#include "platform/text.h"

#include <algorithm>
#include <stdexcept>

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

void appendExpanded(std::string& out, std::string_view text, TemplateVars vars)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t open = text.find('$', pos);
        if (open == std::string_view::npos) {
            out.append(text.substr(pos));
            break;
        }
        out.append(text.substr(pos, open - pos));
        std::size_t close = text.find('$', open + 1);
        if (close == std::string_view::npos)
            throw std::logic_error("unterminated template variable in: " + std::string(text));
        std::string_view name = text.substr(open + 1, close - open - 1);
        if (name.empty()) {
            out.push_back('$');
        } else {
            bool found = false;
            for (const auto& [key, value] : vars) {
                if (key == name) {
                    out.append(value);
                    found = true;
                    break;
                }
            }
            if (!found)
                throw std::logic_error("unknown template variable $" + std::string(name) + "$");
        }
        pos = close + 1;
    }
}

std::string expandTemplate(std::string_view text, TemplateVars vars)
{
    std::string out;
    out.reserve(text.size() + 32);
    appendExpanded(out, text, vars);
    return out;
}

namespace {

constexpr std::string_view kCommentColumn = "$>$";
constexpr int kTemplateBlanksPerLevel = 4;

// Splits a template line at its comment-column marker.
std::pair<std::string_view, std::string_view> codeAndComment(std::string_view text)
{
    std::size_t at = text.find(kCommentColumn);
    if (at == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, at), text.substr(at + kCommentColumn.size())};
}

// Calls `each` with every line of a multi-line template, without the line
// break right after the opening quote of a raw string and the one before its
// closing quote.
template <typename Each>
void forEachTemplateLine(std::string_view text, Each&& each)
{
    if (text.starts_with('\n'))
        text.remove_prefix(1);
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        each(text.substr(pos, end - pos));
        pos = end + 1;
    }
}

}  // namespace

std::string trailingComment(std::string_view text)
{
    return text.empty() ? std::string() : "' " + std::string(text);
}

std::string SourcePrinter::indent(int level) const
{
    long width = static_cast<long>(base_ + level) * settings_.TabSize;
    return std::string(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
}

void SourcePrinter::startCode(int level)
{
    long width = static_cast<long>(base_ + level) * settings_.TabSize;
    code_.assign(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
}

void SourcePrinter::emit()
{
    if (comment_.empty())
        lines_.appendLine(code_);
    else
        lines_.appendLineWithComment(code_, comment_, settings_.CommentPos > 0 ? static_cast<std::size_t>(settings_.CommentPos) : 0);
}

void SourcePrinter::print(int level, std::string_view text, TemplateVars vars)
{
    auto [code, comment] = codeAndComment(text);
    startCode(level);
    appendExpanded(code_, code, vars);
    comment_.clear();
    appendExpanded(comment_, comment, vars);
    emit();
}

void SourcePrinter::block(std::string_view text, TemplateVars vars)
{
    forEachTemplateLine(text, [&](std::string_view line) {
        std::size_t blanks = line.find_first_not_of(' ');
        if (blanks == std::string_view::npos) {
            blank();
        } else {
            if (blanks % kTemplateBlanksPerLevel != 0)
                throw std::logic_error("template line not indented in steps of four: " + std::string(line));
            print(static_cast<int>(blanks) / kTemplateBlanksPerLevel, line.substr(blanks), vars);
        }
    });
}

void SourcePrinter::fixedBlock(std::string_view text, TemplateVars vars)
{
    forEachTemplateLine(text, [&](std::string_view line) {
        code_.clear();
        appendExpanded(code_, line, vars);
        lines_.appendLine(code_);
    });
}

void SourcePrinter::printWithComment(int level, std::string_view text, TemplateVars vars,
                                     std::string_view comment)
{
    startCode(level);
    appendExpanded(code_, text, vars);
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
    appendExpanded(code_, text, vars);
    comment_.assign(fixedComment);
    emit();
}

void SourcePrinter::printAt(int spaces, std::string_view text, TemplateVars vars)
{
    code_.assign(static_cast<std::size_t>(std::max(spaces, 0)), ' ');
    appendExpanded(code_, text, vars);
    lines_.appendLine(code_);
}

}  // namespace schemist
