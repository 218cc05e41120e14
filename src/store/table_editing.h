// Reading and writing the conversion tables as the maintenance windows see
// them: rows of texts, one cell per field, saved back in one transaction.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace schemist {

// One row of Default_Type_Table as texts, in field order: for each side
// (Inside, VB, Access) the type name, the length flag ("True"/"False") and
// the integer and decimal lengths as decimal text.
inline constexpr int kTypeColumns = 12;
using TypeCells = std::array<std::string, kTypeColumns>;

// One row of a name table: ConvertType (the key) and ConvertName.
using NameCells = std::array<std::string, 2>;

// Field names of the type table, in column order.
const std::array<const char*, kTypeColumns>& typeTableFieldNames();

// Columns of the type row by role.
inline bool isTypeNameColumn(int column) { return column % 4 == 0; }
inline bool isLengthFlagColumn(int column) { return column % 4 == 1; }
inline bool isLengthColumn(int column) { return column % 4 >= 2; }

// Rows in the order the store returns them; Null types read as "", Null
// lengths as "0". Throws Error when the store or table cannot be read.
std::vector<TypeCells> LoadTypeTable(const std::string& storePath);
std::vector<NameCells> LoadNameTable(const std::string& storePath, const std::string& table);

// Empties the table and writes the rows whose key is not blank, a later row
// with the same key replacing an earlier one. Keys are plain text. Everything
// happens in one transaction: on any failure the table keeps its earlier
// rows and an Error is thrown.
void SaveTypeTable(const std::string& storePath, const std::vector<TypeCells>& rows);
void SaveNameTable(const std::string& storePath, const std::string& table, const std::vector<NameCells>& rows);

}  // namespace schemist
