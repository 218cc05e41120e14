// What changed between two versions of a database's schema: tables added and
// removed, and for each table in both, its own properties and the fields,
// indexes and relationships added, removed or changed. Names are matched as
// Access matches them (ASCII letters without regard to case); a name whose
// spelling changed only in letter case is the same object with its "name"
// changed.
#pragma once

#include "model/source_schema.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace schemist::doc {

// One property whose value differs, under the key the definitions JSON's
// schema section gives it ("type", "size", "defaultValue", ...), with its
// value before and after in that section's form.
struct PropertyChange {
    std::string property;
    nlohmann::json before;
    nlohmann::json after;
};

// A field, index or relationship present on both sides whose properties
// differ, named as the newer side spells it.
struct ItemChange {
    std::string name;
    std::vector<PropertyChange> changes;
};

struct ItemDiff {
    std::vector<std::string> added;    // in the newer side's order
    std::vector<std::string> removed;  // in the older side's order
    std::vector<ItemChange> changed;
    // The added items as the schema section writes them, in `added` order,
    // so that a change list can say what was added (type and size of a field).
    std::vector<nlohmann::json> addedObjects;

    bool empty() const { return added.empty() && removed.empty() && changed.empty(); }
};

// A table on both sides that differs. A relationship is listed under its
// referencing table, or under the referenced table when only that one is on
// both sides.
struct TableChange {
    std::string name;
    std::vector<PropertyChange> properties;  // name spelling, caption, description, validation
    ItemDiff fields;
    ItemDiff indexes;
    ItemDiff relationships;
};

struct SchemaDiff {
    std::vector<std::string> addedTables;
    std::vector<std::string> removedTables;
    std::vector<TableChange> changedTables;

    bool empty() const { return addedTables.empty() && removedTables.empty() && changedTables.empty(); }
};

// Compares two schemas as the documents describe them (tables with their
// fields and indexes, and the relationships touching them).
SchemaDiff diffSchemas(const SourceSchema& before, const SourceSchema& after);

}  // namespace schemist::doc
