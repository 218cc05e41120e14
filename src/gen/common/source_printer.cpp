// Line collection, template expansion and comment placement shared by all
// source generators.
#include "gen/common/source_printer.h"

#include "platform/text.h"

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

std::string expandTemplate(std::string_view text, TemplateVars vars)
{
    std::string out;
    out.reserve(text.size() + 32);
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

// The lines of a multi-line template, without the line break right after the
// opening quote of a raw string and the one before its closing quote.
std::vector<std::string_view> templateLines(std::string_view text)
{
    if (text.starts_with('\n'))
        text.remove_prefix(1);
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
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

void SourcePrinter::emit(std::string code, std::string_view comment)
{
    if (comment.empty())
        lines_.push_back(std::move(code));
    else
        lines_.push_back(AddLineComment(code, comment, settings_.CommentPos));
}

void SourcePrinter::print(int level, std::string_view text, TemplateVars vars)
{
    auto [code, comment] = codeAndComment(text);
    emit(indent(level) + expandTemplate(code, vars), expandTemplate(comment, vars));
}

void SourcePrinter::block(std::string_view text, TemplateVars vars)
{
    for (std::string_view line : templateLines(text)) {
        std::size_t blanks = line.find_first_not_of(' ');
        if (blanks == std::string_view::npos) {
            blank();
        } else {
            if (blanks % kTemplateBlanksPerLevel != 0)
                throw std::logic_error("template line not indented in steps of four: " + std::string(line));
            print(static_cast<int>(blanks) / kTemplateBlanksPerLevel, line.substr(blanks), vars);
        }
    }
}

void SourcePrinter::fixedBlock(std::string_view text, TemplateVars vars)
{
    for (std::string_view line : templateLines(text))
        lines_.push_back(expandTemplate(line, vars));
}

void SourcePrinter::printWithComment(int level, std::string_view text, TemplateVars vars,
                                     std::string_view comment)
{
    emit(indent(level) + expandTemplate(text, vars), trailingComment(comment));
}

void SourcePrinter::printWithFixedComment(int level, std::string_view text, TemplateVars vars,
                                          std::string_view fixedComment)
{
    emit(indent(level) + expandTemplate(text, vars), fixedComment);
}

void SourcePrinter::printAt(int spaces, std::string_view text, TemplateVars vars)
{
    lines_.push_back(std::string(static_cast<std::size_t>(spaces), ' ') + expandTemplate(text, vars));
}

}  // namespace schemist
