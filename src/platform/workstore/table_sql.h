// The SQL that makes a table definition a real table: quoted names, columns
// whose constraints enforce their field types, and the unique indexes.
#pragma once

#include "platform/workstore/table_def.h"

#include <string>
#include <string_view>
#include <vector>

namespace schemist::dao {

// The text of an identifier quoted for SQL ("a""b").
std::string quoteIdentifier(std::string_view name);

// CREATE TABLE for the definition's fields; the fields of the primary key are
// NOT NULL.
std::string createTableSql(const TableDef& def);

// CREATE UNIQUE INDEX for each primary or unique index of the definition.
std::vector<std::string> createIndexSql(const TableDef& def);

}  // namespace schemist::dao
