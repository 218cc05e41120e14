// What the definition documents describe: the selected tables as read from
// the database, the relationships that touch them, and the readings of the
// raw definition every document shares (type text, key members, logical
// names), so that the Markdown, workbook and JSON forms agree.
#pragma once

#include "model/source_schema.h"

#include <optional>
#include <string>
#include <vector>

namespace schemist::doc {

// The selected local tables in the schema's order, and every relationship
// with at least one end among them (the other end may be a table that was
// not selected: it is named, without a definition).
SourceSchema documentedSchema(const SourceSchema& schema, const std::vector<std::string>& selected);

// One member of an index: the field and its order.
struct IndexMember {
    std::string field;
    bool descending = false;
};

// The members of an index's "+A;-B" string, matched against the table's own
// field names so that a name holding "+" or ";" stays whole.
std::vector<IndexMember> indexMembers(const SourceIndex& index, const SourceTable& table);

// The fields of the table's primary key, in key order.
std::vector<std::string> primaryKeyFields(const SourceTable& table);

bool isPrimaryKeyField(const SourceTable& table, const std::string& field);
// The field is a referencing column of a relationship of the table.
bool isForeignKeyField(const SourceSchema& schema, const SourceTable& table, const std::string& field);

// "Text", "Long", ... as the import names the DAO type; "" for an unknown type.
std::string typeName(const SourceField& field);
// The size column: Text and Binary their length, Decimal "precision,scale",
// others empty.
std::string sizeText(const SourceField& field);

// The logical name: the Caption where the database has one, else none.
std::optional<std::string> logicalName(const SourceField& field);
std::optional<std::string> logicalName(const SourceTable& table);

const SourceTable* findTable(const SourceSchema& schema, const std::string& name);

// The relationships in which `table` is the referencing and the referenced side.
std::vector<const SourceRelationship*> referencing(const SourceSchema& schema, const std::string& table);
std::vector<const SourceRelationship*> referencedBy(const SourceSchema& schema, const std::string& table);

// "A, B" of a relationship side.
std::string joinColumns(const std::vector<std::string>& columns);
// "参照整合性" flags in words: "整合性あり・連鎖更新・連鎖削除" or "整合性なし".
std::string relationshipFlagsText(const SourceRelationship& relationship);

}  // namespace schemist::doc
