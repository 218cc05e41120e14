// SourceTemplate: a template of generated source cut once into its literal
// text and its $name$ variables, so that the thousands of lines printed from
// one template do not search it for variables and line breaks each time.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace schemist {

using TemplateVars = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// Literal text, or the name of a variable.
struct TemplatePiece {
    std::string_view text;
    bool variable = false;
};
// A text of a template in pieces. A text without variables is kept as the
// CP932 bytes it is written as as well, so that it is encoded once.
struct TemplatePieces {
    std::vector<TemplatePiece> pieces;
    bool literal = true;
    std::string bytes;  // CP932 of the text when literal

    auto begin() const { return pieces.begin(); }
    auto end() const { return pieces.end(); }
};

// One line of a template: its level (leading blanks in steps of four), the
// code, and the trailing comment after the comment-column marker "$>$".
struct TemplateLine {
    bool blank = false;  // an empty line, or blanks only
    int level = 0;
    TemplatePieces code;
    TemplatePieces comment;

    bool literal() const { return code.literal && comment.literal; }
};

// Appends the pieces with each variable replaced by its value. An unknown
// name is a programming error and throws std::logic_error.
void appendPieces(std::string& out, const TemplatePieces& pieces, TemplateVars vars);

// The template taken whole (no comment column, no levels).
const TemplatePieces& wholeTemplate(std::string_view text);
// The template as one line at the current level, split at its comment-column
// marker (level 0).
const TemplateLine& lineTemplate(std::string_view text);
// A template of several lines (the line break right after the opening quote
// of a raw string and the one before its closing quote are not lines), each
// with its level; a line not indented in steps of four is a programming
// error (std::logic_error).
const std::vector<TemplateLine>& blockTemplate(std::string_view text);
// The lines of a template of several lines as they stand, each taken whole.
const std::vector<TemplatePieces>& fixedBlockTemplate(std::string_view text);

}  // namespace schemist
