// SourcePrinter: collects the lines of one generated source file. Templates
// name their variables as $name$, so each line a generator writes reads as
// the text it produces:
//
//     p.print(0, "public type $decl$$table$", {{"decl", ids.DeclarationPrefix}, {"table", name}});
//
// Indentation is `level` × TabSize blanks; trailing comments are placed by
// AddLineComment at the comment column.
#pragma once

#include "run/run_settings.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace schemist {

// The code line with the comment appended: padded with blanks up to
// `commentPos` bytes (CP932) when the code is shorter, else one blank.
// `comment` is the whole comment including its lead-in "' ".
std::string AddLineComment(std::string_view code, std::string_view comment, std::int16_t commentPos);

using TemplateVars = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// Replaces each $name$ of the template by its value; "$$" writes one "$".
// An unknown name is a programming error and throws std::logic_error.
std::string expandTemplate(std::string_view text, TemplateVars vars);

class SourcePrinter {
public:
    explicit SourcePrinter(const RunSettings& settings) : settings_(settings) {}

    // A line at an indentation level (level × TabSize blanks).
    void print(int level, std::string_view text, TemplateVars vars = {});

    // The same, with a trailing comment from the definitions: attached through
    // AddLineComment as "' " + comment when the comment is not empty.
    void printWithComment(int level, std::string_view text, TemplateVars vars, std::string_view comment);

    // A line with a fixed comment that is always attached (text includes "' ").
    void printWithFixedComment(int level, std::string_view text, TemplateVars vars,
                               std::string_view fixedComment);

    // A line with a fixed number of leading blanks, whatever TabSize says.
    void printAt(int spaces, std::string_view text, TemplateVars vars = {});

    void blank() { lines_.emplace_back(); }

    std::string indent(int level) const;
    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string> takeLines() { return std::move(lines_); }
    const RunSettings& settings() const { return settings_; }

private:
    const RunSettings& settings_;
    std::vector<std::string> lines_;
};

}  // namespace schemist
