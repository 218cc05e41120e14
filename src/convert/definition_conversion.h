// The definition conversion: every row of Access_Table becomes one row of
// Inside_Table and one of VB_Table, its type and lengths taken from
// Default_Type_Table. The conversion itself is a function of values; the
// store is read once before it and written once after it.
#pragma once

#include "platform/workstore/database.h"
#include "platform/report.h"
#include "model/definition_row.h"

#include <map>
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

// The type table as values, loaded once per run: for every Access type name
// the Inside and VB sides of the first row that names it.
struct TypeConversion {
    ConvertedType inside;
    ConvertedType vb;
};
using TypeConversions = std::map<std::string, TypeConversion>;
TypeConversions LoadTypeConversions(dao::Database& db);

// Every row of Access_Table becomes one Inside row and one VB row. An Access
// type the type table does not name is converted to "未定義" without length,
// with a warning naming table, field and type.
struct ConvertedRows {
    std::vector<DefinitionRow> inside;
    std::vector<DefinitionRow> vb;
};
ConvertedRows ConvertRows(const TypeConversions& types, const std::vector<DefinitionRow>& accessRows,
                          Warnings& warnings);

// Writes the converted rows to Inside_Table and VB_Table in one transaction.
void WriteConvertedRows(dao::Database& db, const ConvertedRows& rows);

inline constexpr const char* kUndefinedType = "未定義";

}  // namespace schemist
