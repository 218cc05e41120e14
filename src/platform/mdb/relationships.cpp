// MSysRelationships holds, per column pair: szRelationship (the name),
// szObject/szColumn (the referencing table and column), szReferencedObject/
// szReferencedColumn (the referenced side), icolumn (the pair's position) and
// grbit, the relationship's flags repeated on every row.
#include "platform/mdb/relationships.h"

#include "platform/mdb/catalog.h"
#include "platform/mdb/libmdb.h"
#include "platform/mdb/mdb_database.h"
#include "platform/mdb/row_census.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

namespace schemist::mdb {
namespace {

constexpr std::uint32_t kOneToOne = 0x1;
constexpr std::uint32_t kNotEnforced = 0x2;
constexpr std::uint32_t kCascadeUpdates = 0x100;
constexpr std::uint32_t kCascadeDeletes = 0x1000;
// More column pairs than Access allows in one relationship is a damaged row.
constexpr long kMostColumns = 32;

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFree>;

struct BoundText {
    std::vector<char> text;
    int length = 0;

    std::string value() const { return std::string(text.data(), ::strnlen(text.data(), text.size())); }
    long long number() const { return std::strtoll(text.data(), nullptr, 10); }
};

void bind(MdbTableDef* table, const char* name, BoundText& column, std::size_t size)
{
    column.text.assign(size + 1, '\0');
    if (mdb_bind_column_by_name(table, const_cast<gchar*>(name), column.text.data(), &column.length) < 1)
        throw RelationshipsUnreadable{};
}

bool isSystemName(const std::string& name)
{
    return name.size() >= 4 && g_ascii_strncasecmp(name.c_str(), "MSys", 4) == 0;
}

// One column pair with its place in the relationship.
struct ColumnPair {
    long position = 0;
    std::string column, referencedColumn;
};

struct Collected {
    SourceRelationship relationship;
    std::vector<ColumnPair> pairs;
};

SourceRelationship finished(Collected& collected)
{
    std::stable_sort(collected.pairs.begin(), collected.pairs.end(),
                     [](const ColumnPair& a, const ColumnPair& b) { return a.position < b.position; });
    SourceRelationship relationship = std::move(collected.relationship);
    for (ColumnPair& pair : collected.pairs) {
        relationship.columns.push_back(std::move(pair.column));
        relationship.referencedColumns.push_back(std::move(pair.referencedColumn));
    }
    return relationship;
}

std::vector<SourceRelationship> scanRelationships(const MdbDatabase& database, const CatalogTable& row)
{
    MdbHandle* mdb = database.handle();
    MdbCatalogEntry entry{};
    entry.mdb = mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = row.definitionPage;
    std::snprintf(entry.object_name, sizeof entry.object_name, "%s", row.name.c_str());
    TableDefPtr table(mdb_read_table(&entry));
    if (!table || !mdb_read_columns(table.get()))
        throw RelationshipsUnreadable{};
    // libmdb's scan trusts the usage map (an empty one ends the reading
    // process) and passes over what it cannot read: a relationship with a
    // column pair missing would be written as a different relationship.
    std::optional<RowCensus> census;
    try {
        census.emplace(database, *table, row.definitionPage);
    } catch (const UnreadableTablePages&) {
        throw RelationshipsUnreadable{};
    }

    const std::size_t size = mdb->bind_size;
    BoundText name, object, column, referencedObject, referencedColumn, position, flags;
    bind(table.get(), "szRelationship", name, size);
    bind(table.get(), "szObject", object, size);
    bind(table.get(), "szColumn", column, size);
    bind(table.get(), "szReferencedObject", referencedObject, size);
    bind(table.get(), "szReferencedColumn", referencedColumn, size);
    bind(table.get(), "icolumn", position, size);
    bind(table.get(), "grbit", flags, size);

    std::map<std::string, Collected> byName;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        census->fetched(*table);
        Collected& collected = byName[name.value()];
        SourceRelationship& r = collected.relationship;
        r.name = name.value();
        r.table = object.value();
        r.referencedTable = referencedObject.value();
        auto grbit = static_cast<std::uint32_t>(flags.number());
        r.oneToOne = grbit & kOneToOne;
        r.enforced = !(grbit & kNotEnforced);
        r.cascadeUpdates = grbit & kCascadeUpdates;
        r.cascadeDeletes = grbit & kCascadeDeletes;
        long at = static_cast<long>(position.number());
        if (at < 0 || at >= kMostColumns || collected.pairs.size() >= static_cast<std::size_t>(kMostColumns))
            throw RelationshipsUnreadable{};
        collected.pairs.push_back({at, column.value(), referencedColumn.value()});
    }
    if (census->lostRows() > 0 || !census->foreignPages().empty())
        throw RelationshipsUnreadable{};

    std::vector<SourceRelationship> relationships;
    for (auto& [key, collected] : byName) {
        if (isSystemName(collected.relationship.table) || isSystemName(collected.relationship.referencedTable))
            continue;
        relationships.push_back(finished(collected));
    }
    std::stable_sort(relationships.begin(), relationships.end(),
                     [](const SourceRelationship& a, const SourceRelationship& b) {
                         return daoNameOrder(a.name, b.name);
                     });
    return relationships;
}

}  // namespace

std::vector<SourceRelationship> readRelationships(const MdbDatabase& database,
                                                  const std::vector<CatalogTable>& catalog)
{
    for (const CatalogTable& row : catalog)
        if (row.type == kLocalTableType && row.name == "MSysRelationships")
            return scanRelationships(database, row);
    return {};
}

std::string relationshipsProblem(const std::string& path)
{
    return "リレーションシップを読み込めません（テーブル定義は読み込みました）: " + path;
}

}  // namespace schemist::mdb
