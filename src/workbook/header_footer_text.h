// Texts for the page header and footer of a definition sheet: the choice
// list of the run settings turned into Excel header codes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace schemist {

// A literal text inside a header part: every "&" doubled so it prints as itself.
std::string escapeHeaderText(std::string_view text);

// The part for one choice: 1 the table name, 2 the source file name,
// 3 "&P/&N"; 0 and any other value give "" (the part stays unset).
std::string headerFooterPart(int choice, const std::string& tableName, const std::string& sourceFileName);

// Shortens the longest parts (never splitting an "&&" or a character) until
// "&L" left "&C" centre "&R" right fits Excel's 255 characters. Returns
// true when something had to be cut.
bool fitHeaderFooterParts(std::array<std::string, 3>& parts);

}  // namespace schemist
