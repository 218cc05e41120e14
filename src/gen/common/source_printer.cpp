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

std::string SourcePrinter::indent(int level) const
{
    long width = static_cast<long>(level) * settings_.TabSize;
    return std::string(width > 0 ? static_cast<std::size_t>(width) : 0, ' ');
}

void SourcePrinter::print(int level, std::string_view text, TemplateVars vars)
{
    lines_.push_back(indent(level) + expandTemplate(text, vars));
}

void SourcePrinter::printWithComment(int level, std::string_view text, TemplateVars vars,
                                     std::string_view comment)
{
    std::string code = indent(level) + expandTemplate(text, vars);
    if (comment.empty())
        lines_.push_back(std::move(code));
    else
        lines_.push_back(AddLineComment(code, "' " + std::string(comment), settings_.CommentPos));
}

void SourcePrinter::printWithFixedComment(int level, std::string_view text, TemplateVars vars,
                                          std::string_view fixedComment)
{
    std::string code = indent(level) + expandTemplate(text, vars);
    lines_.push_back(AddLineComment(code, fixedComment, settings_.CommentPos));
}

void SourcePrinter::printAt(int spaces, std::string_view text, TemplateVars vars)
{
    lines_.push_back(std::string(static_cast<std::size_t>(spaces), ' ') + expandTemplate(text, vars));
}

}  // namespace schemist
