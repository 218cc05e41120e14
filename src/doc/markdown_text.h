// Text placed into Markdown: table cells and link targets.
#pragma once

#include <string>

namespace schemist::doc {

// Text as it should read in a table cell: Markdown's punctuation escaped,
// "|" kept from ending the cell, line breaks as <br>.
std::string cellText(const std::string& text);

// A relative link target: every byte outside the unreserved ASCII
// characters percent-encoded, so blanks and Japanese names link on every host.
std::string linkTarget(const std::string& fileName);

}  // namespace schemist::doc
