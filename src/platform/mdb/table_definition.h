// Fields and indexes of one local table, read from its table-definition pages.
#pragma once

#include "model/source_schema.h"

namespace schemist::mdb {

class MdbDatabase;
struct CatalogTable;
class PropertyBlocks;

// Fills `table.fields` and `table.indexes` (and marks definitionsRead).
// Throws readFailure naming the table when its definition is damaged.
void readTableDefinition(const MdbDatabase& database, const CatalogTable& row, const PropertyBlocks& properties,
                         SourceTable& table);

}  // namespace schemist::mdb
