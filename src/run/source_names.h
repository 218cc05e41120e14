// Names a run may copy into generated source. Access never allows control
// characters or square brackets in table and field names, nor empty names;
// a file holding them is damaged or crafted, and such a name copied into a
// string literal or a bracketed name would end it early and turn the rest
// into code. A run refuses such a table before anything is written.
#pragma once

#include "model/source_schema.h"

#include <optional>
#include <string>
#include <vector>

namespace schemist {

// The name with control characters shown as \xNN, for messages.
std::string visibleName(const std::string& name);

// The first selected table whose own name or one of whose field names cannot
// be used, as a message naming it and saying how to leave it out; none when
// every selected table is sound.
std::optional<std::string> unusableNameProblem(const SourceSchema& schema, const std::vector<std::string>& selected);

}  // namespace schemist
