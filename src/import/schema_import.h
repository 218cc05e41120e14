// The schema import: the definitions of the selected tables of a source
// database become definition rows of Access_Table, with DAO type codes turned
// into type names and the table and field prefixes cut off.
#pragma once

#include "convert/identifier_set.h"
#include "platform/workstore/database.h"
#include "model/source_schema.h"
#include "model/definition_row.h"

#include <string>
#include <string_view>
#include <vector>

namespace schemist {

// The type name and length flag of a DAO type code ("" and false for a code
// without a name).
struct TypeName {
    const char* name;
    bool lengthFlag;
};
TypeName typeNameOf(int daoType);

// Cuts a three-character prefix: when the first three characters of `name`
// equal `prefix` (exactly, letter case included), returns the name from its
// fourth character on and sets `cut`.
std::string cutPrefix(std::string_view name, std::string_view prefix, bool& cut);

// The rows for the selected local tables (attributes 0), tables numbered from
// 1 in the schema's order; a selected name that is no local table uses no
// number.
std::vector<DefinitionRow> definitionRowsFrom(const SourceSchema& schema, const std::vector<std::string>& selected,
                                              const IdentifierSet& ids);

// Creates the work tables anew and writes the rows into Access_Table, in one
// transaction.
void WriteImportedRows(dao::Database& store, const std::vector<DefinitionRow>& rows);

// The selected names that are not local tables of the schema.
std::vector<std::string> missingTables(const SourceSchema& schema, const std::vector<std::string>& selected);

// The names the table list shows: local tables (attributes 0) in order.
std::vector<std::string> localTableNames(const SourceSchema& schema);

}  // namespace schemist
