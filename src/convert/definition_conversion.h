// The definition conversion: every row of Access_Table becomes one row of
// Inside_Table and one of VB_Table, its type and lengths taken from
// Default_Type_Table.
#pragma once

#include "platform/workstore/database.h"
#include "platform/report.h"
#include "store/definition_row.h"

#include <optional>
#include <string>
#include <vector>

namespace schemist {

// One side (Inside or VB) of the type row found for an Access type.
struct ConvertedType {
    std::optional<std::string> type;  // Null or "" means no type on this side
    bool lengthFlag = false;
    std::int32_t lengthInteger = 0;
    std::int32_t lengthDecimal = 0;
};

// The converted row for one side: names, comments, flags and defaults copied,
// type and lengths from the type row (or the fall-back when there is none).
DefinitionRow WriteConvertedRow(const DefinitionRow& input, const std::optional<ConvertedType>& side);

// Converts all rows of Access_Table into Inside_Table and VB_Table, in one
// transaction. An Access type for which the type table has no row is
// converted to "未定義" without length, with a warning naming table, field
// and type.
void ConvertDefinitions(dao::Database& db, Warnings& warnings);

// The two halves of that, for a caller that already holds the rows of
// Access_Table: the converted rows (reading the type table), and
// writing them to Inside_Table and VB_Table in one transaction.
struct ConvertedRows {
    std::vector<DefinitionRow> inside;
    std::vector<DefinitionRow> vb;
};
ConvertedRows convertRows(dao::Database& db, const std::vector<DefinitionRow>& accessRows, Warnings& warnings);
void writeConvertedRows(dao::Database& db, const ConvertedRows& rows);

inline constexpr const char* kUndefinedType = "未定義";

}  // namespace schemist
