// Structural checks of a generated source file as written: encoding, line
// ends, indentation characters, balanced blocks, line length and string
// literals.
#pragma once

#include <string>
#include <vector>

namespace schemist::test {

struct StructureReport {
    std::vector<std::string> problems;          // empty when the file is sound
    std::vector<std::string> openLiteralLines;  // lines ending inside a string literal
};

// `bytes` is the file as written (CP932, CR LF).
StructureReport checkSourceStructure(const std::string& bytes);

}  // namespace schemist::test
