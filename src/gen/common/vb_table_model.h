// A converted table as the generated Visual Basic sees it: the names it is
// written under, its key fields, and for every field the recordset reference,
// the key condition's value part, the Null-check call and the write guard.
// Built once per table; the standard-module and class-module generators
// only print these pieces, so each naming rule lives here and nowhere else.
#pragma once

#include "gen/common/vb_text.h"
#include "model/definition_row.h"

#include <string>
#include <string_view>
#include <vector>

namespace schemist {

// One field that takes part in the generated code (its FieldName and Type
// are both non-empty). Examples: field Name of tblStaff, stored as fldName.
struct VbField {
    const DefinitionRow* row = nullptr;
    std::string typedName;         // type prefix + name as an identifier: strName (type member, property, argument)
    std::string memberVariable;    // "mvar" + name as an identifier: mvarName (the item class's private copy)
    std::string databaseName;      // the name in the source database: fldName
    std::string keyName;           // as a key condition writes it inside the SQL literal: fldName, [Order ID]
    std::string reference;         // the recordset field: ![fldName] or .fields("fldName").value, behind
                                   // the recordset variable when no with-statement holds it
    std::string checkedReference;  // the reference inside the Null-check function its type needs
    std::string declaredAs;        // Type as it stands, with " * n" for a fixed-length string
    std::string initialValue;      // what clearing assigns (" = 0"); empty for a type without one
    std::string comment;           // the field comment made safe for one line; "" when there is none
    std::string description;       // the comment as string-literal content
    TypeClass typeClass = TypeClass::Other;
    bool key = false;
    bool writeGuarded = false;     // a text column that refuses zero-length strings

    const std::string& type() const { return row->Type; }

    // The text after "=" of a key condition that compares with `value`: it
    // closes the SQL literal, puts the value in and reopens the literal.
    // Empty for a type that has none (the generated line then stays an open
    // literal, which the model has already warned about).
    std::string keyValuePart(std::string_view value) const;
};

struct VbTable {
    const DefinitionTable* source = nullptr;
    const IdentifierSet* ids = nullptr;
    std::string identifier;          // TableName fit to stand in an identifier: Staff
    std::string databaseName;        // the name in the source database: tblStaff
    std::string sqlTable;            // the database name inside a string literal
    std::string routineBase;         // the database name as an identifier: tblStaff (module routine names)
    std::string databaseParameter;   // dboStaff
    std::string recordsetVariable;   // rstStaff
    std::string recordsetReference;  // what stands before a recordset member: "" inside a with-statement
    std::string structureParameter;  // typStaff (standard module)
    std::string structureType;       // defStaff (standard module)
    std::string itemClass;           // clsStaff
    std::string collectionClass;     // conStaff
    std::string comment;             // the table comment made safe for one line
    std::string description;         // the table comment as string-literal content
    std::vector<VbField> fields;     // the fields that take part, in FieldNo order

    const std::string& tableName() const { return source->tableName(); }
    bool hasKey() const;
    std::vector<const VbField*> keyFields() const;
    std::vector<const VbField*> otherFields() const;
};

// The model of one table (which must have rows). Warns once through the
// context about names that had to be changed to stand in an identifier,
// text that code page 932 cannot hold, two fields written under one name,
// and key fields whose type leaves a key condition without a value.
VbTable buildVbTable(const DefinitionTable& table, GenerationContext& ctx);

// The statement that appends one key condition to the SQL text `sql`:
// strSQL = strSQL & "AND fldName='" & value & "' "
std::string keyConditionText(const std::string& sql, const VbField& field, bool first, std::string_view value);

}  // namespace schemist
