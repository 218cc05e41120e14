// The table builder: every table of the work store is made here from a list
// of field definitions, with its descriptions and its three possible indexes
// ("PrimaryKey", "Unique", "IgnoreNulls").
#pragma once

#include "platform/workstore/database.h"

#include <cstdint>
#include <string>
#include <vector>

namespace schemist {

struct FieldDefinition {
    std::int16_t FieldType = 0;
    std::string FieldName;          // empty: the entry is skipped
    std::int16_t FieldSize = 255;
    std::string Description;        // empty: no description
    bool PrimaryKey = false;
    bool AllowZeroLength = false;   // also puts the field into "IgnoreNulls"
    bool Unique = false;
    bool ZeroLengthProperty = false;
};

// The table definition the builder makes from the list (fields of types the
// work store cannot hold, and entries without a name, are left out).
dao::TableDef tableDefFrom(const std::string& tableName, const std::string& description,
                           const std::vector<FieldDefinition>& fields);

// Creates or replaces the named table in an open database. The old table is
// dropped and the new one created in one transaction, so a failure leaves the
// old table as it was.
void BuildTable(dao::Database& db, const std::string& tableName, const std::string& description,
                const std::vector<FieldDefinition>& fields);

// The same on a database path: with `newFile` the file is deleted first; a
// missing file is created with the Japanese locale.
void BuildTable(const std::string& dbPath, const std::string& tableName, const std::string& description,
                bool newFile, const std::vector<FieldDefinition>& fields);

}  // namespace schemist
