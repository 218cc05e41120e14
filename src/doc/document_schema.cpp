// Readings of the raw definition shared by every definition document.
#include "doc/document_schema.h"

#include "import/schema_import.h"

#include <algorithm>
#include <set>

namespace schemist::doc {
namespace {

constexpr int kDaoBinary = 9;
constexpr int kDaoText = 10;
constexpr int kDaoDecimal = 20;

}  // namespace

SourceSchema documentedSchema(const SourceSchema& schema, const std::vector<std::string>& selected)
{
    std::set<std::string> wanted(selected.begin(), selected.end());
    SourceSchema documented;
    for (const SourceTable& table : schema.tables)
        if (isOrdinaryLocalTable(table) && wanted.count(table.name))
            documented.tables.push_back(table);
    for (const SourceRelationship& relationship : schema.relationships)
        if (wanted.count(relationship.table) || wanted.count(relationship.referencedTable))
            documented.relationships.push_back(relationship);
    documented.relationshipsProblem = schema.relationshipsProblem;
    return documented;
}

std::vector<IndexMember> indexMembers(const SourceIndex& index, const SourceTable& table)
{
    const std::string& fields = index.fields;
    std::vector<IndexMember> members;
    std::size_t pos = 0;
    while (pos < fields.size()) {
        char sign = fields[pos];
        std::size_t start = sign == '+' || sign == '-' ? pos + 1 : pos;
        std::size_t length = 0;
        for (const SourceField& field : table.fields) {
            std::size_t n = field.name.size();
            std::size_t after = start + n;
            if (n > length && fields.compare(start, n, field.name) == 0 &&
                (after == fields.size() || fields[after] == ';'))
                length = n;
        }
        std::size_t end = length > 0 ? start + length : std::min(fields.find(';', start), fields.size());
        members.push_back({fields.substr(start, end - start), sign == '-'});
        pos = end + 1;
    }
    return members;
}

std::vector<std::string> primaryKeyFields(const SourceTable& table)
{
    std::vector<std::string> fields;
    for (const SourceIndex& index : table.indexes)
        if (index.primary)
            for (const IndexMember& member : indexMembers(index, table))
                fields.push_back(member.field);
    return fields;
}

bool isPrimaryKeyField(const SourceTable& table, const std::string& field)
{
    std::vector<std::string> key = primaryKeyFields(table);
    return std::find(key.begin(), key.end(), field) != key.end();
}

bool isForeignKeyField(const SourceSchema& schema, const SourceTable& table, const std::string& field)
{
    for (const SourceRelationship* relationship : referencing(schema, table.name))
        if (std::find(relationship->columns.begin(), relationship->columns.end(), field) !=
            relationship->columns.end())
            return true;
    return false;
}

std::string typeName(const SourceField& field)
{
    return typeNameOf(field.daoType).name;
}

std::string sizeText(const SourceField& field)
{
    if (field.daoType == kDaoText || field.daoType == kDaoBinary)
        return std::to_string(field.size);
    if (field.daoType == kDaoDecimal && field.precision && field.scale)
        return std::to_string(*field.precision) + "," + std::to_string(*field.scale);
    return {};
}

std::optional<std::string> logicalName(const SourceField& field)
{
    if (field.caption && !field.caption->empty())
        return field.caption;
    return std::nullopt;
}

std::optional<std::string> logicalName(const SourceTable& table)
{
    if (table.caption && !table.caption->empty())
        return table.caption;
    return std::nullopt;
}

const SourceTable* findTable(const SourceSchema& schema, const std::string& name)
{
    for (const SourceTable& table : schema.tables)
        if (table.name == name)
            return &table;
    return nullptr;
}

std::vector<const SourceRelationship*> referencing(const SourceSchema& schema, const std::string& table)
{
    std::vector<const SourceRelationship*> found;
    for (const SourceRelationship& relationship : schema.relationships)
        if (relationship.table == table)
            found.push_back(&relationship);
    return found;
}

std::vector<const SourceRelationship*> referencedBy(const SourceSchema& schema, const std::string& table)
{
    std::vector<const SourceRelationship*> found;
    for (const SourceRelationship& relationship : schema.relationships)
        if (relationship.referencedTable == table)
            found.push_back(&relationship);
    return found;
}

std::string joinColumns(const std::vector<std::string>& columns)
{
    std::string text;
    for (const std::string& column : columns)
        text += (text.empty() ? "" : ", ") + column;
    return text;
}

std::string relationshipFlagsText(const SourceRelationship& relationship)
{
    std::string text = relationship.oneToOne ? "一対一" : "一対多";
    text += relationship.enforced ? "・参照整合性あり" : "・参照整合性なし";
    if (relationship.cascadeUpdates)
        text += "・連鎖更新";
    if (relationship.cascadeDeletes)
        text += "・連鎖削除";
    return text;
}

}  // namespace schemist::doc
