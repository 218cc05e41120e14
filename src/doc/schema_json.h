// The "schema" section of the machine-readable definitions: the documented
// tables with every property the reader keeps, and their relationships.
#pragma once

#include "model/source_schema.h"

#include <nlohmann/json.hpp>

namespace schemist::doc {

// {"tables": [...], "relationships": [...]}; a property the database does not
// have is null.
nlohmann::json schemaJson(const SourceSchema& documented);

// The objects of that section one by one; the schema comparison compares
// their properties, so that it covers exactly what the section holds.
nlohmann::json tableJson(const SourceTable& table);  // with "fields" and "indexes"
nlohmann::json fieldJson(const SourceField& field);
nlohmann::json indexJson(const SourceIndex& index, const SourceTable& table);
nlohmann::json relationshipJson(const SourceRelationship& relationship);

}  // namespace schemist::doc
