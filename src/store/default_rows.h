// The default rows of the four conversion tables, in the order they are
// written when the work store is created or rebuilt.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemist {

// One side of a type row (Inside, VB or Access).
struct TypeSide {
    std::optional<std::string> type;  // nullopt: the field is not assigned and stays Null
    bool lengthFlag = false;
    std::int16_t lengthInteger = 0;
    std::int16_t lengthDecimal = 0;
};

struct DefaultTypeRow {
    TypeSide inside;
    TypeSide vb;
    TypeSide access;
};

struct NameRow {
    std::string convertType;
    std::string convertName;
};

const std::vector<DefaultTypeRow>& defaultTypeRows();   // 22 rows
const std::vector<NameRow>& defaultTopNames();          // 40 rows
const std::vector<NameRow>& defaultEndNames();          // 5 rows
const std::vector<NameRow>& defaultFullNames();         // 11 rows

// Table names and descriptions of the conversion tables.
inline constexpr const char* kDefaultTypeTable = "Default_Type_Table";
inline constexpr const char* kDefaultTopNameTable = "Default_Top_Name_Table";
inline constexpr const char* kDefaultEndNameTable = "Default_End_Name_Table";
inline constexpr const char* kDefaultFullNameTable = "Default_Full_Name_Table";

}  // namespace schemist
