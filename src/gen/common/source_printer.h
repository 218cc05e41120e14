// SourcePrinter: collects the lines of one generated source file. Templates
// name their variables as $name$, so each line a generator writes reads as
// the text it produces:
//
//     p.print(0, "public type $decl$$table$", {{"decl", ids.DeclarationPrefix}, {"table", name}});
//
// A routine's skeleton can be written as one block of text (see block()),
// and an Indent object shifts everything printed while it lives, so a
// with-statement's body is printed by the same code whether or not the
// with-statement is written.
#pragma once

#include "gen/common/source_template.h"
#include "gen/common/source_text.h"
#include "model/run_settings.h"

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

// A comment from the definitions as a trailing comment: "' " + text, or
// nothing when the text is empty (the line then has no trailing blanks).
std::string trailingComment(std::string_view text);

// Replaces each $name$ of the template by its value; "$$" writes one "$".
// An unknown name is a programming error and throws std::logic_error.
std::string expandTemplate(std::string_view text, TemplateVars vars);

class SourcePrinter {
public:
    explicit SourcePrinter(const RunSettings& settings) : settings_(settings) {}

    // Everything printed while an Indent lives stands `levels` levels deeper.
    class [[nodiscard]] Indent {
    public:
        explicit Indent(SourcePrinter& p, int levels = 1) : p_(p), levels_(levels) { p_.base_ += levels_; }
        ~Indent() { p_.base_ -= levels_; }
        Indent(const Indent&) = delete;
        Indent& operator=(const Indent&) = delete;

    private:
        SourcePrinter& p_;
        int levels_;
    };
    Indent indented(int levels = 1) { return Indent(*this, levels); }

    // A line at an indentation level (level × TabSize blanks) below the
    // current one. "$>$" in the template splits the line into code and a
    // trailing comment that stands at the comment column; when the comment
    // part expands to nothing, the line is the code alone.
    void print(int level, std::string_view text, TemplateVars vars = {});

    // Several lines from one template. Each line's leading blanks, in steps
    // of four, give its level below the current one; an empty line writes an
    // empty line; "$>$" places a trailing comment as in print(). The line
    // break right after the opening quote of a raw string and the one before
    // its closing quote are not lines.
    void block(std::string_view text, TemplateVars vars = {});

    // The same, with a trailing comment from the definitions: attached through
    // AddLineComment as "' " + comment when the comment is not empty.
    void printWithComment(int level, std::string_view text, TemplateVars vars, std::string_view comment);

    // A line with a fixed comment that is always attached (text includes "' ").
    void printWithFixedComment(int level, std::string_view text, TemplateVars vars,
                               std::string_view fixedComment);

    // A line with a fixed number of leading blanks, whatever TabSize and the
    // current indentation say.
    void printAt(int spaces, std::string_view text, TemplateVars vars = {});

    // Several lines printed as the template stands, leading blanks included,
    // whatever TabSize and the current indentation say: text that Visual
    // Basic's own designers write. Line breaks after the opening and before
    // the closing quote of a raw string are left off as in block().
    void fixedBlock(std::string_view text, TemplateVars vars = {});

    void blank() { lines_.appendLine({}); }

    std::string indent(int level) const;
    // The lines printed so far, as the bytes they are written as.
    const SourceText& lines() const { return lines_; }
    SourceText takeLines() { return std::move(lines_); }
    void reserve(std::size_t bytes, std::size_t lines) { lines_.reserve(bytes, lines); }
    const RunSettings& settings() const { return settings_; }

private:
    // Starts the code of a line in code_: the level's blanks.
    void startCode(int level);
    std::size_t blanksOf(int level) const;
    std::size_t commentColumn() const;
    // Writes one line of a template at `level` below the current one.
    void printLine(int level, const TemplateLine& line, TemplateVars vars);
    // Writes code_ as a line, with comment_ at the comment column unless it
    // is empty.
    void emit();

    const RunSettings& settings_;
    SourceText lines_;
    int base_ = 0;
    // The line being put together; kept to reuse their memory line by line.
    std::string code_;
    std::string comment_;
};

}  // namespace schemist
