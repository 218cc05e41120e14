// The rule for the output name, shared by the main window and the command
// line: it becomes the stem of one file in the output folder, so it must be
// one plain file name.
#pragma once

#include <optional>
#include <string>

namespace schemist {

// Why the (blank-trimmed) output name cannot be used, or nothing when it can.
// Refused: a "/", a control character (U+0000 to U+001F, U+007F), and the
// names "." and "..". An empty name is left to the Start checks.
std::optional<std::string> outputNameProblem(const std::string& outputName);

}  // namespace schemist
