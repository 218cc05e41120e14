// The definition rows of a run as tab-separated lines, one line per row, for
// reading a conversion at a glance (schemist-cli --show-definitions).
#pragma once

#include "model/definition_row.h"

#include <string>
#include <vector>

namespace schemist {

// One line per row: the work table's name, then the 18 columns in their
// order, separated by tabs. Null is an empty field, Booleans are
// True/False. A tab, line break or backslash inside a text is written as
// \t, \n, \r or \\, so that every row stays one line of exactly 19 fields.
std::string definitionLines(const char* table, const std::vector<DefinitionRow>& rows);

}  // namespace schemist
