// The definition row: one field of one source table as it travels through a
// run, in the 18 columns of the work tables Access_Table, Inside_Table and
// VB_Table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemist {

struct DefinitionRow {
    std::int32_t TableNo = 0;
    std::string TableName;
    bool TableNameChange = false;
    std::optional<std::string> TableComment;  // Null when the table has no description
    std::int32_t FieldNo = 0;
    std::string FieldName;
    bool FieldNameChange = false;
    std::string Type;
    bool LengthFlag = false;
    std::int32_t LengthInteger = 0;
    std::int32_t LengthDecimal = 0;
    std::optional<std::string> Comment;  // Null when the field has no description
    bool Primary = false;
    bool Unique = false;
    bool Null = false;
    // Null only when a row was written without it; the write guard of the
    // generated code treats Null like False.
    std::optional<bool> AllowZeroLength = false;
    bool DefaultFlag = false;
    std::optional<std::string> DefaultValue = std::string();

    bool operator==(const DefinitionRow&) const = default;
};

// The rows of one table, in ascending FieldNo.
struct DefinitionTable {
    std::int32_t TableNo = 0;
    std::vector<DefinitionRow> rows;

    // Table-level values, read from the first row as the generators do.
    const std::string& tableName() const { return rows.front().TableName; }
    bool tableNameChange() const { return rows.front().TableNameChange; }
    std::string tableComment() const { return rows.front().TableComment.value_or(""); }
};

// The work-table names, in creation order.
inline constexpr const char* kAccessTable = "Access_Table";
inline constexpr const char* kInsideTable = "Inside_Table";
inline constexpr const char* kVBTable = "VB_Table";

}  // namespace schemist
