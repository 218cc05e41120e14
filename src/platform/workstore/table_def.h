// Table definitions as the work store keeps them: field type codes, fields,
// indexes and named properties. Plain data, shared by the store's users and
// by the layer that makes them real tables.
#pragma once

#include "platform/value.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace schemist::dao {

// DAO field type codes.
enum FieldType : std::int16_t {
    dbBoolean = 1, dbByte = 2, dbInteger = 3, dbLong = 4, dbCurrency = 5, dbSingle = 6,
    dbDouble = 7, dbDate = 8, dbBinary = 9, dbText = 10, dbLongBinary = 11, dbMemo = 12,
    dbGUID = 15,
};

inline constexpr const char* kJapaneseLocale = ";LANGID=0x0411;CP=932;COUNTRY=0";

struct Property {
    std::string name;
    std::int16_t type = dbText;
    Value value;
};

struct FieldDef {
    std::string name;
    std::int16_t type = dbText;
    std::int16_t size = 0;
    bool allowZeroLength = false;
    std::vector<Property> properties;

    const Property* property(std::string_view name) const;
};

struct IndexDef {
    std::string name;
    std::string fields;  // "+A;-B"
    bool primary = false;
    bool unique = false;
    bool ignoreNulls = false;
};

struct TableDef {
    std::string name;
    std::int32_t attributes = 0;
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;
    std::vector<Property> properties;

    const Property* property(std::string_view name) const;
    const FieldDef* field(std::string_view name) const;
};

// One field of an index's fields string.
struct IndexMember {
    std::string field;
    bool descending = false;

    bool operator==(const IndexMember&) const = default;
};

// Splits "+A;-B" into its members; a name without a sign is ascending and
// empty parts are skipped.
std::vector<IndexMember> indexMembers(const std::string& fields);

}  // namespace schemist::dao
