// erDiagram text. Entities are named by the table name where it is a plain
// identifier and by the quoted name otherwise (quoted names take blanks and
// Japanese text); attribute names have no quoted form, so a field name that
// is not an identifier is drawn as field_N with its name in the comment.
#include "doc/mermaid.h"

#include "doc/document_schema.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace schemist::doc {
namespace {

bool isIdentifier(const std::string& name)
{
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
    });
}

// Text inside double quotes: no quote and no line break.
std::string quotedText(const std::string& text)
{
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? '\'' : (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
    return out + "\"";
}

std::string entityName(const std::string& table)
{
    return isIdentifier(table) ? table : quotedText(table);
}

std::string attributeLine(const SourceSchema& schema, const SourceTable& table, std::size_t position)
{
    const SourceField& field = table.fields[position];
    std::string type = typeName(field);
    if (type.empty())
        type = "Unknown";
    std::string line = "        " + type + " ";
    std::string comment;
    if (isIdentifier(field.name)) {
        line += field.name;
    } else {
        line += "field_" + std::to_string(position + 1);
        comment = field.name;
    }
    std::vector<std::string> keys;
    if (isPrimaryKeyField(table, field.name))
        keys.push_back("PK");
    if (isForeignKeyField(schema, table, field.name))
        keys.push_back("FK");
    for (std::size_t k = 0; k < keys.size(); ++k)
        line += (k == 0 ? " " : ",") + keys[k];
    if (auto logical = logicalName(field))
        comment += (comment.empty() ? "" : " / ") + *logical;
    if (!comment.empty())
        line += " " + quotedText(comment);
    return line + "\n";
}

std::string entityBlock(const SourceSchema& schema, const SourceTable& table, bool allFields)
{
    std::string lines;
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const std::string& name = table.fields[i].name;
        if (allFields || isPrimaryKeyField(table, name) || isForeignKeyField(schema, table, name))
            lines += attributeLine(schema, table, i);
    }
    std::string entity = "    " + entityName(table.name);
    if (lines.empty())
        return entity + "\n";
    return entity + " {\n" + lines + "    }\n";
}

std::string relationshipLine(const SourceRelationship& r)
{
    std::string label = r.name + " (" + joinColumns(r.columns) + ")";
    return "    " + entityName(r.referencedTable) + (r.oneToOne ? " ||--o| " : " ||--o{ ") + entityName(r.table) +
           " : " + quotedText(label) + "\n";
}

}  // namespace

std::string erDiagram(const SourceSchema& schema, const std::set<std::string>& tables,
                      const std::set<std::string>& detailed)
{
    std::string text = "erDiagram\n";
    std::set<std::string> drawn;
    for (const SourceTable& table : schema.tables)
        if (tables.count(table.name)) {
            text += entityBlock(schema, table, detailed.count(table.name) > 0);
            drawn.insert(table.name);
        }
    for (const std::string& name : tables)
        if (!drawn.count(name))
            text += "    " + entityName(name) + "\n";
    for (const SourceRelationship& r : schema.relationships)
        if (tables.count(r.table) && tables.count(r.referencedTable))
            text += relationshipLine(r);
    return text;
}

std::vector<std::set<std::string>> connectedGroups(const SourceSchema& schema)
{
    // Union-find over table names; the group's key is its first member in
    // the schema's order so that the groups come out in a stable order.
    std::map<std::string, std::string> parent;
    auto find = [&parent](std::string name) {
        while (parent[name] != name)
            name = parent[name] = parent[parent[name]];
        return name;
    };
    std::map<std::string, int> order;
    int next = 0;
    for (const SourceTable& table : schema.tables)
        order.emplace(table.name, next++);
    for (const SourceRelationship& r : schema.relationships)
        for (const std::string* name : {&r.referencedTable, &r.table}) {
            parent.emplace(*name, *name);
            order.emplace(*name, next++);
        }
    for (const SourceRelationship& r : schema.relationships)
        parent[find(r.table)] = find(r.referencedTable);

    std::map<std::string, std::set<std::string>> byRoot;
    for (const auto& [name, unused] : parent)
        byRoot[find(name)].insert(name);
    std::vector<std::set<std::string>> groups;
    for (auto& [root, members] : byRoot)
        groups.push_back(std::move(members));
    auto first = [&order](const std::set<std::string>& group) {
        int least = -1;
        for (const std::string& name : group)
            if (least < 0 || order.at(name) < least)
                least = order.at(name);
        return least;
    };
    std::sort(groups.begin(), groups.end(),
              [&](const auto& a, const auto& b) { return first(a) < first(b); });
    return groups;
}

}  // namespace schemist::doc
