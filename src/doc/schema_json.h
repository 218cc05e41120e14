// The "schema" section of the machine-readable definitions: the documented
// tables with every property the reader keeps, and their relationships.
#pragma once

#include "model/source_schema.h"

#include <nlohmann/json.hpp>

namespace schemist::doc {

// {"tables": [...], "relationships": [...]}; a property the database does not
// have is null.
nlohmann::json schemaJson(const SourceSchema& documented);

}  // namespace schemist::doc
