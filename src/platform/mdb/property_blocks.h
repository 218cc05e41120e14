// The properties stored with a table in the catalog's LvProp column: one
// block for the table itself and one per field that has any. Only the
// properties the schema carries, and those that decide a field's type, are kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace schemist::mdb {

class MdbDatabase;

struct PropertyValues {
    std::optional<std::string> description;
    std::optional<std::string> defaultValue;
    std::optional<bool> allowZeroLength;
    // A calculated field (Access 2010 and later) has an expression; its
    // column is declared with the result's stored type code in ResultType.
    bool hasExpression = false;
    std::optional<int> resultType;

    // What the definition documents show beside them.
    std::optional<bool> required;
    std::optional<std::string> caption, format, inputMask, validationRule, validationText, rowSource;
    std::optional<int> decimalPlaces;
};

struct PropertyBlock {
    std::string name;  // the field's name; empty for the table's own block
    PropertyValues values;
};

class PropertyBlocks {
public:
    std::vector<PropertyBlock> blocks;

    // The table's own block: the one without a name, or else one named after
    // the table itself. Null when the table has none.
    const PropertyValues* forTable(const std::string& tableName) const;
    // The block named exactly after the field; null when it has none.
    const PropertyValues* forField(const std::string& fieldName) const;
};

// Thrown for a property blob whose lengths do not fit together.
struct MalformedProperties {};

// Parses an LvProp value ("KKD" in Jet3, "MR2" later). Every length is checked
// against the blob; one that does not fit throws MalformedProperties. Chunk
// kinds other than the name list and the value blocks are skipped.
PropertyBlocks parsePropertyBlocks(const MdbDatabase& database, std::string_view blob);

}  // namespace schemist::mdb
