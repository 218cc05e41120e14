// JSON form of the documented schema.
#include "doc/schema_json.h"

#include "doc/document_schema.h"

namespace schemist::doc {
namespace {

using nlohmann::json;

template <typename T>
json optional(const std::optional<T>& value)
{
    return value ? json(*value) : json(nullptr);
}

}  // namespace

json fieldJson(const SourceField& f)
{
    std::string type = typeName(f);
    return json{
        {"name", f.name},
        {"type", type.empty() ? json(nullptr) : json(type)},
        {"size", f.size},
        {"precision", optional(f.precision)},
        {"scale", optional(f.scale)},
        {"required", f.required},
        {"allowZeroLength", f.allowZeroLength},
        {"defaultValue", optional(f.defaultValue)},
        {"caption", optional(f.caption)},
        {"description", optional(f.description)},
        {"format", optional(f.format)},
        {"inputMask", optional(f.inputMask)},
        {"validationRule", optional(f.validationRule)},
        {"validationText", optional(f.validationText)},
        {"decimalPlaces", optional(f.decimalPlaces)},
        {"autoNumber", f.autoNumber},
        {"rowSource", optional(f.rowSource)},
    };
}

json indexJson(const SourceIndex& index, const SourceTable& table)
{
    json fields = json::array();
    for (const IndexMember& member : indexMembers(index, table))
        fields.push_back(json{{"name", member.field}, {"descending", member.descending}});
    return json{
        {"name", index.name},
        {"primary", index.primary},
        {"unique", index.unique},
        {"ignoreNulls", index.ignoreNulls},
        {"fields", fields},
    };
}

json tableJson(const SourceTable& table)
{
    json fields = json::array();
    for (const SourceField& field : table.fields)
        fields.push_back(fieldJson(field));
    json indexes = json::array();
    for (const SourceIndex& index : table.indexes)
        indexes.push_back(indexJson(index, table));
    return json{
        {"name", table.name},
        {"caption", optional(table.caption)},
        {"description", optional(table.description)},
        {"validationRule", optional(table.validationRule)},
        {"validationText", optional(table.validationText)},
        {"fields", fields},
        {"indexes", indexes},
    };
}

json relationshipJson(const SourceRelationship& r)
{
    return json{
        {"name", r.name},
        {"table", r.table},
        {"columns", r.columns},
        {"referencedTable", r.referencedTable},
        {"referencedColumns", r.referencedColumns},
        {"oneToOne", r.oneToOne},
        {"enforced", r.enforced},
        {"cascadeUpdates", r.cascadeUpdates},
        {"cascadeDeletes", r.cascadeDeletes},
    };
}

json schemaJson(const SourceSchema& documented)
{
    json tables = json::array();
    for (const SourceTable& table : documented.tables)
        tables.push_back(tableJson(table));
    json relationships = json::array();
    for (const SourceRelationship& relationship : documented.relationships)
        relationships.push_back(relationshipJson(relationship));
    return json{{"tables", tables}, {"relationships", relationships}};
}

}  // namespace schemist::doc
