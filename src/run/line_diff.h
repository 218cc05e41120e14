// Unified diffs of two texts, line by line, for showing what a check found.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace schemist {

// Splits a text at CR LF (or LF) line ends; a last line without an end is
// kept.
std::vector<std::string> splitLines(std::string_view text);

// A unified diff ("--- old", "+++ new", "@@ ... @@" hunks with three lines of
// context); empty when the texts are equal.
std::string unifiedDiff(const std::vector<std::string>& oldLines, const std::vector<std::string>& newLines,
                        const std::string& oldName, const std::string& newName);

}  // namespace schemist
