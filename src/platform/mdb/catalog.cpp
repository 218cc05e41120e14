// Scans MSysObjects with libmdb's row reader. libmdb's own catalog reader
// folds the object type to seven bits, which makes an ODBC link (4) and a
// report (0x8004) the same; the raw Type column is needed to tell them apart.
#include "platform/mdb/catalog.h"

#include "platform/mdb/libmdb.h"
#include "platform/mdb/mdb_database.h"
#include "platform/mdb/read_failure.h"
#include "platform/mdb/row_census.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace schemist::mdb {
namespace {

constexpr std::uint32_t kSystemFlags = 0x80000002u;
constexpr std::uint32_t kHiddenFlag = 0x8u;
constexpr std::uint32_t kCatalogDefinitionPage = 2;

struct Damaged {};

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFree>;

bool startsWithMSys(const std::string& name)
{
    return name.size() >= 4 && g_ascii_strncasecmp(name.c_str(), "MSys", 4) == 0;
}

long long parseNumber(const std::vector<char>& text)
{
    return std::strtoll(text.data(), nullptr, 10);
}

// One bound column of the catalog table: libmdb writes the row's value as
// text into the buffer on every fetch.
struct BoundColumn {
    std::vector<char> text;
    int length = 0;
    int number = -1;  // 1-based column number, -1 when the catalog lacks it
};

void bind(MdbTableDef* table, const char* name, BoundColumn& column, std::size_t size, bool required)
{
    column.text.assign(size + 1, '\0');
    column.number = mdb_bind_column_by_name(table, const_cast<gchar*>(name), column.text.data(), &column.length);
    if (column.number < 1 && required)
        throw Damaged{};
}

// A long value (memo/OLE) of the current row. libmdb stops quietly at a page
// it cannot read; the length in the value's 12-byte head tells whether all
// of it arrived. Throws Damaged when it did not.
std::string readLongValue(MdbHandle* mdb, MdbTableDef* table, const BoundColumn& column)
{
    if (column.number < 1 || column.length <= 0)
        return {};
    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, column.number - 1));
    std::uint32_t declared = static_cast<std::uint32_t>(mdb_get_int32(const_cast<char*>(column.text.data()), 0)) & 0x3FFFFFFFu;
    std::size_t size = 0;
    void* bytes = mdb_ole_read_full(mdb, col, &size);
    if (!bytes)
        throw Damaged{};
    std::string value(static_cast<const char*>(bytes), size);
    std::free(bytes);
    if (value.size() != declared)
        throw Damaged{};
    return value;
}

// The kinds of object a catalog row can describe (MSysObjects.Type): tables,
// links, queries, containers, relationships and the like count up from 1,
// forms, reports, macros, modules and documents up from -32768. Any other
// value is damage in the row, which may well have been a table's.
bool isObjectType(long long type)
{
    return (type >= 1 && type <= 15) || (type >= -32768 && type <= -32752);
}

// A local table's Id is its definition page, below 2^24; every other object
// gets an Id with a high byte of its own. A row of another kind with a
// table's Id is a table's row whose Type is damaged.
bool hasTableId(long long id)
{
    return id > 0 && id <= 0x00FFFFFF;
}

}  // namespace

std::int32_t daoAttributes(const std::string& name, int type, std::uint32_t flags)
{
    std::int32_t hidden = (flags & kHiddenFlag) ? 1 : 0;
    switch (type) {
    case kLocalTableType:
        if ((flags & kSystemFlags) != 0 || startsWithMSys(name))
            return static_cast<std::int32_t>(kSystemFlags);
        return hidden;
    case kAccessLinkType:
        return 0x40000000 | hidden;
    case kOdbcLinkType:
        return 0x20000000 | hidden;
    default:
        return 0;
    }
}

bool daoNameOrder(const std::string& left, const std::string& right)
{
    std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        unsigned char a = static_cast<unsigned char>(g_ascii_tolower(left[i]));
        unsigned char b = static_cast<unsigned char>(g_ascii_tolower(right[i]));
        if (a != b)
            return a < b;
    }
    if (left.size() != right.size())
        return left.size() < right.size();
    return left < right;
}

namespace {

std::vector<CatalogTable> scanCatalog(const MdbDatabase& database,
                                      const std::function<bool(const CatalogTable&)>& wantsProperties,
                                      std::vector<std::string>& warnings)
{
    MdbHandle* mdb = database.handle();
    MdbCatalogEntry catalogEntry{};
    catalogEntry.mdb = mdb;
    catalogEntry.object_type = MDB_TABLE;
    catalogEntry.table_pg = kCatalogDefinitionPage;
    std::snprintf(catalogEntry.object_name, sizeof catalogEntry.object_name, "%s", "MSysObjects");

    TableDefPtr table(mdb_read_table(&catalogEntry));
    if (!table || !mdb_read_columns(table.get()))
        throw Damaged{};
    RowCensus census = [&] {
        try {
            return RowCensus(database, *table, kCatalogDefinitionPage);
        } catch (const UnreadableTablePages&) {
            throw Damaged{};
        }
    }();

    const std::size_t bindSize = mdb->bind_size;
    BoundColumn id, name, type, flags, properties;
    bind(table.get(), "Id", id, bindSize, true);
    bind(table.get(), "Name", name, bindSize, true);
    bind(table.get(), "Type", type, bindSize, true);
    bind(table.get(), "Flags", flags, bindSize, true);
    bind(table.get(), "LvProp", properties, bindSize, false);

    std::vector<CatalogTable> tables;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        census.fetched(*table);
        // Every catalog row has an Id and a Type of a kind of object; a row
        // read without them (its null mask or fixed values damaged) may well
        // have been a table's.
        if (type.text[0] == '\0' || id.text[0] == '\0' || !isObjectType(parseNumber(type.text))) {
            census.rejectLastFetched();
            continue;
        }
        int rowType = static_cast<int>(parseNumber(type.text));
        if (rowType != kLocalTableType && rowType != kAccessLinkType && rowType != kOdbcLinkType) {
            if (hasTableId(parseNumber(id.text)))
                census.rejectLastFetched();
            continue;
        }
        CatalogTable row;
        row.name.assign(name.text.data(), ::strnlen(name.text.data(), name.text.size()));
        row.type = rowType;
        row.flags = static_cast<std::uint32_t>(parseNumber(flags.text));
        row.definitionPage = static_cast<std::uint32_t>(parseNumber(id.text)) & 0x00FFFFFFu;
        row.attributes = daoAttributes(row.name, row.type, row.flags);
        if (wantsProperties(row)) {
            try {
                row.properties = readLongValue(mdb, table.get(), properties);
            } catch (const Damaged&) {
                throw readFailure(database.path(), reason::damagedTable(row.name));
            }
        }
        tables.push_back(std::move(row));
    }
    for (std::uint32_t page : census.foreignPages())
        warnings.push_back(notice::foreignCatalogPage(database.path(), page));
    std::uint64_t lost = census.lostRows();
    if (lost > 0)
        warnings.push_back(notice::unreadCatalogRows(database.path(), lost));
    return tables;
}

}  // namespace

std::vector<CatalogTable> readCatalogTables(const MdbDatabase& database,
                                            const std::function<bool(const CatalogTable&)>& wantsProperties,
                                            std::vector<std::string>& warnings)
{
    try {
        return scanCatalog(database, wantsProperties, warnings);
    } catch (const Damaged&) {
        throw readFailure(database.path(), reason::kDamagedCatalog);
    }
}

}  // namespace schemist::mdb
