// Comparison of two schemas through the objects of the definitions JSON's
// schema section: whatever that section holds for a table, field, index or
// relationship is compared, so a property added to it is compared too.
#include "doc/schema_diff.h"

#include "doc/schema_json.h"
#include "platform/text.h"

#include <algorithm>
#include <set>

namespace schemist::doc {
namespace {

using nlohmann::json;

// The order in which changed properties are listed: the order in which a
// reviewer reads a definition. Keys not named here follow in name order.
const std::vector<std::string> kPropertyOrder = {
    "name", "type", "size", "precision", "scale", "required", "allowZeroLength", "defaultValue", "caption",
    "description", "format", "inputMask", "validationRule", "validationText", "decimalPlaces", "autoNumber",
    "rowSource",
    // indexes
    "primary", "unique", "ignoreNulls", "fields",
    // relationships
    "table", "columns", "referencedTable", "referencedColumns", "oneToOne", "enforced", "cascadeUpdates",
    "cascadeDeletes"};

std::vector<PropertyChange> propertyChanges(const json& before, const json& after,
                                            const std::set<std::string>& skipped = {})
{
    std::vector<std::string> keys;
    for (const std::string& key : kPropertyOrder)
        if (before.contains(key) || after.contains(key))
            keys.push_back(key);
    std::set<std::string> rest;
    for (const json* object : {&before, &after})
        for (const auto& item : object->items())
            if (std::find(kPropertyOrder.begin(), kPropertyOrder.end(), item.key()) == kPropertyOrder.end())
                rest.insert(item.key());
    keys.insert(keys.end(), rest.begin(), rest.end());

    std::vector<PropertyChange> changes;
    for (const std::string& key : keys) {
        if (skipped.count(key))
            continue;
        json old = before.contains(key) ? before.at(key) : json(nullptr);
        json now = after.contains(key) ? after.at(key) : json(nullptr);
        if (old != now)
            changes.push_back({key, std::move(old), std::move(now)});
    }
    return changes;
}

template <typename Item>
const Item* findByName(const std::vector<Item>& items, const std::string& name)
{
    for (const Item& item : items)
        if (item.name == name)
            return &item;
    for (const Item& item : items)
        if (equalsIgnoringAsciiCase(item.name, name))
            return &item;
    return nullptr;
}

// Added, removed and changed items of two lists, each item turned into its
// JSON object (by the converter of its side) for the comparison of its
// properties.
template <typename Item, typename BeforeJson, typename AfterJson>
ItemDiff diffItems(const std::vector<Item>& before, const std::vector<Item>& after, BeforeJson beforeJson,
                   AfterJson afterJson)
{
    ItemDiff diff;
    for (const Item& item : after) {
        const Item* old = findByName(before, item.name);
        if (!old) {
            diff.added.push_back(item.name);
            diff.addedObjects.push_back(afterJson(item));
            continue;
        }
        std::vector<PropertyChange> changes = propertyChanges(beforeJson(*old), afterJson(item));
        if (!changes.empty())
            diff.changed.push_back({item.name, std::move(changes)});
    }
    for (const Item& item : before)
        if (!findByName(after, item.name))
            diff.removed.push_back(item.name);
    return diff;
}

bool isTableOf(const SourceSchema& schema, const std::string& name)
{
    return findByName(schema.tables, name) != nullptr;
}

// The table on both sides a relationship is listed under, or "" when neither
// of its ends is such a table (it then comes and goes with its tables).
std::string ownerOf(const SourceRelationship& relationship, const SourceSchema& before, const SourceSchema& after)
{
    for (const std::string* end : {&relationship.table, &relationship.referencedTable})
        if (isTableOf(before, *end) && isTableOf(after, *end))
            if (const SourceTable* table = findByName(after.tables, *end))
                return table->name;
    return {};
}

// The relationships of both sides, each added, removed or changed one put
// under the table it belongs to.
void diffRelationships(const SourceSchema& before, const SourceSchema& after, std::vector<TableChange>& tables)
{
    auto tableChange = [&tables](const std::string& owner) -> TableChange* {
        for (TableChange& change : tables)
            if (change.name == owner)
                return &change;
        return nullptr;
    };
    for (const SourceRelationship& relationship : after.relationships) {
        const SourceRelationship* old = findByName(before.relationships, relationship.name);
        TableChange* owner = tableChange(ownerOf(relationship, before, after));
        if (!owner && old)
            owner = tableChange(ownerOf(*old, before, after));
        if (!owner)
            continue;
        if (!old) {
            owner->relationships.added.push_back(relationship.name);
            owner->relationships.addedObjects.push_back(relationshipJson(relationship));
            continue;
        }
        std::vector<PropertyChange> changes = propertyChanges(relationshipJson(*old), relationshipJson(relationship));
        if (!changes.empty())
            owner->relationships.changed.push_back({relationship.name, std::move(changes)});
    }
    for (const SourceRelationship& relationship : before.relationships)
        if (!findByName(after.relationships, relationship.name))
            if (TableChange* owner = tableChange(ownerOf(relationship, before, after)))
                owner->relationships.removed.push_back(relationship.name);
}

}  // namespace

SchemaDiff diffSchemas(const SourceSchema& before, const SourceSchema& after)
{
    SchemaDiff diff;
    std::vector<TableChange> common;
    for (const SourceTable& table : after.tables) {
        const SourceTable* old = findByName(before.tables, table.name);
        if (!old) {
            diff.addedTables.push_back(table.name);
            continue;
        }
        TableChange change;
        change.name = table.name;
        change.properties = propertyChanges(tableJson(*old), tableJson(table), {"fields", "indexes"});
        auto field = [](const SourceField& f) { return fieldJson(f); };
        change.fields = diffItems(old->fields, table.fields, field, field);
        // Index members are read against the fields of the index's own side.
        change.indexes = diffItems(
            old->indexes, table.indexes, [old](const SourceIndex& index) { return indexJson(index, *old); },
            [&table](const SourceIndex& index) { return indexJson(index, table); });
        common.push_back(std::move(change));
    }
    for (const SourceTable& table : before.tables)
        if (!findByName(after.tables, table.name))
            diff.removedTables.push_back(table.name);
    diffRelationships(before, after, common);
    for (TableChange& change : common)
        if (!change.properties.empty() || !change.fields.empty() || !change.indexes.empty() ||
            !change.relationships.empty())
            diff.changedTables.push_back(std::move(change));
    return diff;
}

}  // namespace schemist::doc
