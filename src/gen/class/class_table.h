// The names a table's class modules are written with, worked out once per
// table: class names, the database, recordset and SQL names, and for every
// field that takes part its member variable, property name and field
// reference. The section writers only put these pieces into their lines.
#pragma once

#include "gen/common/vb_text.h"
#include "store/definition_row.h"

#include <string>
#include <vector>

namespace schemist {

struct ClassField {
    const DefinitionRow* row = nullptr;
    std::string member;      // "mvar" + field identifier: the member variable
    std::string property;    // type prefix + field identifier: property and argument name
    std::string declaredAs;  // Type, with " * n" for a fixed-length string
    std::string keyColumn;   // database field name as it stands in SQL text inside a string literal
    std::string reference;   // the recordset field reference (.fields("x").value or ![x])
    std::string comment;     // the field comment made safe for one line; "" when there is none
    std::string description; // the comment as string-literal content, for VB_Description
    TypeClass typeClass = TypeClass::Other;
    bool key = false;
    bool guarded = false;    // a text column that refuses zero-length strings
};

struct ClassTable {
    const DefinitionTable* source = nullptr;
    const IdentifierSet* ids = nullptr;  // the run's identifier set
    std::string itemClass;        // class prefix + table identifier
    std::string collectionClass;  // collection prefix + table identifier
    std::string comment;          // the table comment made safe for one line
    std::string description;      // the table comment as string-literal content
    bool hasDescription = false;  // the table comment is not blank
    std::string databaseParameter;
    std::string recordset;
    std::string sqlTable;         // database table name as string-literal content
    std::vector<ClassField> fields;  // the fields that take part, in FieldNo order

    const std::string& tableName() const { return source->tableName(); }
    bool hasKey() const;
    std::vector<const ClassField*> keyFields() const;
    std::vector<const ClassField*> otherFields() const;
};

// Names of one table; warns (once) about names that had to be changed to
// stand in an identifier, about text that CP932 cannot hold and about key
// fields whose type leaves a key condition without a value.
ClassTable describeClassTable(const DefinitionTable& table, GenerationContext& ctx);

// The value part of a key condition: the text after "=" that closes the
// string literal, puts the value in, and reopens the literal. Empty for a
// type that has none (then the generated line stays an open literal).
std::string keyValuePart(TypeClass typeClass, const std::string& value);

// A field reference wrapped in the null-check function its type needs when
// Null checks go through functions.
std::string nullCheckedReference(const ClassField& field, const IdentifierSet& ids);

}  // namespace schemist
