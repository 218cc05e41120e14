// The two private functions that turn a Null field value into 0 or "", which
// the generated read code calls when Null checks go through functions.
#pragma once

#include "convert/identifier_set.h"
#include "gen/common/source_printer.h"

namespace schemist {

// Writes the numeric and then the string null-check function; writes nothing
// with inline checks (CheckStyle::InlineIf).
void WriteNullCheckFunctions(SourcePrinter& p, const IdentifierSet& ids);

}  // namespace schemist
