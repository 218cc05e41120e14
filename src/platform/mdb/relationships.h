// The relationships between user tables, from the system table
// MSysRelationships: one row per pair of columns, grouped by relationship.
#pragma once

#include "model/source_schema.h"

#include <vector>

namespace schemist::mdb {

class MdbDatabase;
struct CatalogTable;

// Reads the relationships among the tables of `catalog`; those that touch a
// system table are left out. Sorted by name as DAO's collection is.
// A database without the relationship catalog has none. Throws
// RelationshipsUnreadable when the rows cannot be read.
std::vector<SourceRelationship> readRelationships(const MdbDatabase& database,
                                                  const std::vector<CatalogTable>& catalog);

struct RelationshipsUnreadable {};

// The text of SourceSchema::relationshipsProblem for an unreadable catalog.
std::string relationshipsProblem(const std::string& path);

}  // namespace schemist::mdb
