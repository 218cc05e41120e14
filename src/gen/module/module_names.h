// The names a standard module writes for each table and field: identifiers
// made from the definitions (routine, parameter, type and member names) and
// the real names that address the database. Worked out once per run and
// shared by the type declarations and the three routine groups.
#pragma once

#include "gen/common/vb_text.h"
#include "store/definition_row.h"

#include <cstdint>
#include <string>
#include <vector>

namespace schemist {

// One field that takes part in the generated code (its FieldName and Type
// are both non-empty).
struct ModuleField {
    std::string memberName;      // type prefix + field name as an identifier: strName
    std::string fieldReference;  // the real name in `![...]`: fldName
    std::string fieldLiteral;    // the real name inside a string literal (quotes doubled)
    std::string keyName;         // as a key condition writes it: fldName, or [Order ID]
    std::string type;            // VB type name as it stands in the definitions
    TypeClass typeClass = TypeClass::Other;
    bool key = false;
    bool writeGuarded = false;   // a text field that does not allow zero-length strings
    bool lengthFlag = false;
    std::int32_t lengthInteger = 0;
    std::string comment;         // made safe for one source line
};

struct ModuleTable {
    std::string tableLiteral;        // real table name inside a string literal: tblStaff
    std::string routineBase;         // the real table name as an identifier: tblStaff
    std::string databaseParameter;   // dboStaff
    std::string structureParameter;  // typStaff
    std::string structureType;       // defStaff
    std::string recordsetVariable;   // rstStaff
    std::string comment;
    std::vector<ModuleField> fields;
    bool hasKey = false;
};

// Names of every table, warning through the context about names that had to
// be changed, text that code page 932 cannot hold and key fields whose type
// gives no value for the key condition. Throws Error for a table without rows.
std::vector<ModuleTable> moduleTablesFrom(const std::vector<DefinitionTable>& vbTables, GenerationContext& ctx);

}  // namespace schemist
