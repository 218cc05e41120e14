// Scans MSysObjects with libmdb's row reader. libmdb's own catalog reader
// folds the object type to seven bits, which makes an ODBC link (4) and a
// report (0x8004) the same; the raw Type column is needed to tell them apart.
#include "platform/mdb/catalog.h"

#include "platform/mdb/libmdb.h"
#include "platform/mdb/mdb_database.h"
#include "platform/mdb/read_failure.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace schemist::mdb {
namespace {

constexpr std::uint32_t kSystemFlags = 0x80000002u;
constexpr std::uint32_t kHiddenFlag = 0x8u;
constexpr std::uint32_t kCatalogDefinitionPage = 2;

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

void bind(MdbTableDef* table, const char* name, BoundColumn& column, std::size_t size, bool required,
          const std::string& path)
{
    column.text.assign(size + 1, '\0');
    column.number = mdb_bind_column_by_name(table, const_cast<gchar*>(name), column.text.data(), &column.length);
    if (column.number < 1 && required)
        throw readFailure(path, reason::kDamagedCatalog);
}

std::string readLongValue(MdbHandle* mdb, MdbTableDef* table, const BoundColumn& column)
{
    if (column.number < 1 || column.length <= 0)
        return {};
    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, column.number - 1));
    std::size_t size = 0;
    void* bytes = mdb_ole_read_full(mdb, col, &size);
    if (!bytes)
        return {};
    std::string value(static_cast<const char*>(bytes), size);
    std::free(bytes);
    return value;
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

std::vector<CatalogTable> readCatalogTables(const MdbDatabase& database,
                                            const std::function<bool(const CatalogTable&)>& wantsProperties)
{
    MdbHandle* mdb = database.handle();
    MdbCatalogEntry catalogEntry{};
    catalogEntry.mdb = mdb;
    catalogEntry.object_type = MDB_TABLE;
    catalogEntry.table_pg = kCatalogDefinitionPage;
    std::snprintf(catalogEntry.object_name, sizeof catalogEntry.object_name, "%s", "MSysObjects");

    TableDefPtr table(mdb_read_table(&catalogEntry));
    if (!table || !mdb_read_columns(table.get()))
        throw readFailure(database.path(), reason::kDamagedCatalog);

    const std::size_t bindSize = mdb->bind_size;
    BoundColumn id, name, type, flags, properties;
    bind(table.get(), "Id", id, bindSize, true, database.path());
    bind(table.get(), "Name", name, bindSize, true, database.path());
    bind(table.get(), "Type", type, bindSize, true, database.path());
    bind(table.get(), "Flags", flags, bindSize, true, database.path());
    bind(table.get(), "LvProp", properties, bindSize, false, database.path());

    std::vector<CatalogTable> tables;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        int rowType = static_cast<int>(parseNumber(type.text));
        if (rowType != kLocalTableType && rowType != kAccessLinkType && rowType != kOdbcLinkType)
            continue;
        CatalogTable row;
        row.name.assign(name.text.data(), ::strnlen(name.text.data(), name.text.size()));
        row.type = rowType;
        row.flags = static_cast<std::uint32_t>(parseNumber(flags.text));
        row.definitionPage = static_cast<std::uint32_t>(parseNumber(id.text)) & 0x00FFFFFFu;
        row.attributes = daoAttributes(row.name, row.type, row.flags);
        if (wantsProperties(row))
            row.properties = readLongValue(mdb, table.get(), properties);
        tables.push_back(std::move(row));
    }
    return tables;
}

}  // namespace schemist::mdb
