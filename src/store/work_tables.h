// The three work tables that carry one run's definitions (Access_Table,
// Inside_Table, VB_Table): their creation, removal, and reading and writing
// of definition rows.
#pragma once

#include "platform/workstore/database.h"
#include "model/definition_row.h"
#include "store/table_builder.h"

#include <vector>

namespace schemist {

// The 18 field definitions of a work table, in order.
const std::vector<FieldDefinition>& workTableFields();

// Creates the three work tables anew (replacing any left from an earlier run).
void CreateWorkTables(dao::Database& db);

// Drops those of the three work tables that exist, so that cleaning up after
// a failed run never fails for a missing table.
void DropWorkTables(dao::Database& db);

// Appends rows to a work table in one transaction: a failure leaves the table
// as it was.
void writeDefinitionRows(dao::Database& db, const char* table, const std::vector<DefinitionRow>& rows);

// All rows of a work table in stored order.
std::vector<DefinitionRow> readDefinitionRows(dao::Database& db, const char* table);

// The rows grouped by table number ascending, each table's rows in ascending
// FieldNo, as the generators walk them.
// Pass the rows by std::move when the caller no longer needs them flat: they
// are then moved, not copied.
std::vector<DefinitionTable> groupByTable(std::vector<DefinitionRow> rows);

// The rows of grouped tables as one list again, in table and field order
// (moved out of the tables). Rows as the import writes them come back in the
// order they had before groupByTable.
std::vector<DefinitionRow> flattenTables(std::vector<DefinitionTable>&& tables);

}  // namespace schemist
