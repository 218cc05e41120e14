// Scans MSysObjects with libmdb's row reader. libmdb's own catalog reader
// folds the object type to seven bits, which makes an ODBC link (4) and a
// report (0x8004) the same; the raw Type column is needed to tell them apart.
#include "platform/mdb/catalog.h"

#include "platform/mdb/libmdb.h"
#include "platform/mdb/mdb_database.h"
#include "platform/mdb/read_failure.h"

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

std::uint32_t bitAt(const unsigned char* bitmap, std::uint32_t bit)
{
    return bitmap[bit / 8] & (1u << (bit % 8));
}

// The pages a table's usage map names as holding its rows.
std::vector<std::uint32_t> mappedPages(MdbHandle* mdb, const MdbTableDef& table, std::uint64_t pages)
{
    const unsigned char* map = table.usage_map;
    const std::size_t mapSize = table.map_sz;
    std::vector<std::uint32_t> found;
    if (!map || mapSize < 1)
        throw Damaged{};
    if (map[0] == 0) {
        if (mapSize < 5)
            throw Damaged{};
        std::uint32_t first = static_cast<std::uint32_t>(mdb_get_int32(const_cast<unsigned char*>(map), 1));
        for (std::uint32_t bit = 0; bit < (mapSize - 5) * 8; ++bit)
            if (bitAt(map + 5, bit))
                found.push_back(first + bit);
        return found;
    }
    if (map[0] != 1)
        throw Damaged{};
    const std::uint32_t pagesPerMapPage = static_cast<std::uint32_t>((mdb->fmt->pg_size - 4) * 8);
    for (std::size_t entry = 0; entry < (mapSize - 1) / 4; ++entry) {
        std::uint32_t mapPage = static_cast<std::uint32_t>(
            mdb_get_int32(const_cast<unsigned char*>(map), static_cast<int>(1 + entry * 4)));
        if (mapPage == 0)
            continue;
        if (mapPage >= pages || mdb_read_alt_pg(mdb, mapPage) != mdb->fmt->pg_size)
            throw Damaged{};
        for (std::uint32_t bit = 0; bit < pagesPerMapPage; ++bit)
            if (bitAt(mdb->alt_pg_buf + 4, bit))
                found.push_back(static_cast<std::uint32_t>(entry * pagesPerMapPage + bit));
    }
    return found;
}

// What the catalog's own data pages hold, counted without libmdb.
struct StoredRows {
    std::uint64_t live = 0;                   // rows neither deleted nor moved elsewhere
    std::uint64_t unreadable = 0;             // live rows whose place or column count cannot be right
    std::vector<std::uint32_t> foreignPages;  // mapped pages that are not the catalog's data pages
};

constexpr unsigned char kDataPage = 0x01;
constexpr std::uint16_t kDeletedRow = 0x8000;
constexpr std::uint16_t kMovedRow = 0x4000;
constexpr std::uint16_t kRowOffset = 0x1FFF;

// A row lies between its offset and the offset of the row before it (the
// first row ends at the end of the page), after the offset table, and starts
// with its column count: in the catalog, whose columns never change, the
// catalog's own. libmdb skips a row that breaks this or reads other bytes as
// its values; either way the row's table would be missing from the list.
std::size_t u16At(const unsigned char* bytes, std::size_t at)
{
    return static_cast<std::size_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The end of a row: (Jet4) the offsets of its variable-length values, last
// first and one more for their end, then their count, then the null mask;
// (Jet3) the count is one byte before the null mask. The catalog's count is
// fixed like its columns, and the offsets must rise within the row.
bool rowTailFits(const MdbHandle* mdb, const unsigned char* row, std::size_t length, const MdbTableDef& catalog)
{
    const std::size_t nullMask = (catalog.num_cols + 7) / 8;
    if (IS_JET3(mdb))
        return length >= nullMask + 1 && row[length - nullMask - 1] == catalog.num_var_cols;
    if (length < nullMask + 2)
        return false;
    const std::size_t countAt = length - nullMask - 2;
    const std::size_t count = u16At(row, countAt);
    if (count != catalog.num_var_cols || countAt < 2 * (count + 1))
        return false;
    std::size_t previous = 0;
    for (std::size_t k = 0; k <= count; ++k) {
        std::size_t offset = u16At(row, countAt - 2 * (k + 1));
        if (offset < previous || offset > length)
            return false;
        previous = offset;
    }
    return true;
}

void countRowsOn(const MdbHandle* mdb, const unsigned char* page, const MdbTableDef& catalog, StoredRows& stored)
{
    const std::size_t countAt = mdb->fmt->row_count_offset;
    const std::size_t pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    const bool jet3 = IS_JET3(mdb);
    std::size_t rows = static_cast<std::size_t>(page[countAt] | (page[countAt + 1] << 8));
    const std::size_t slots = (pageSize - countAt - 2) / 2;
    if (rows > slots) {
        stored.unreadable += rows - slots;
        rows = slots;
    }
    const std::size_t firstRowAt = countAt + 2 + rows * 2;
    std::size_t end = pageSize;
    for (std::size_t row = 0; row < rows; ++row) {
        std::size_t at = countAt + 2 + row * 2;
        auto offset = static_cast<std::uint16_t>(page[at] | (page[at + 1] << 8));
        std::size_t start = offset & kRowOffset;
        bool placed = start >= firstRowAt && start < end;
        if ((offset & (kDeletedRow | kMovedRow)) == 0) {
            ++stored.live;
            unsigned columns = !placed ? 0 : jet3 ? page[start] : (page[start] | (page[start + 1] << 8));
            if (!placed || columns != catalog.num_cols || !rowTailFits(mdb, page + start, end - start, catalog))
                ++stored.unreadable;
        }
        if (start < end)
            end = start;
    }
    // The free space in the page head is the gap between the offset table
    // and the lowest row; a row count cut short (rows that libmdb would never
    // visit) leaves a gap that does not match it.
    if (rows == u16At(page, countAt) && u16At(page, 2) != (end > firstRowAt ? end - firstRowAt : 0))
        ++stored.unreadable;
}

// libmdb's row scan ends without a word at a page it cannot read, skips a
// page that is not a data page and passes over a row it cannot decode, which
// would make a damaged file look like one with fewer tables. Every page the
// catalog's usage map names must exist and must not be blank (type 0 belongs
// to the header page alone); the rows of its data pages are counted so that
// the scan's losses can be told.
StoredRows checkCatalogPages(const MdbDatabase& database, const MdbTableDef& catalog)
{
    MdbHandle* mdb = database.handle();
    const std::uint64_t pages = database.fileSize() / static_cast<std::uint64_t>(mdb->fmt->pg_size);
    StoredRows stored;
    for (std::uint32_t page : mappedPages(mdb, catalog, pages)) {
        if (page == 0 || page >= pages || mdb_read_alt_pg(mdb, page) != mdb->fmt->pg_size ||
            mdb->alt_pg_buf[0] == 0)
            throw Damaged{};
        const unsigned char* bytes = mdb->alt_pg_buf;
        if (bytes[0] != kDataPage || static_cast<std::uint32_t>(mdb_get_int32(mdb->alt_pg_buf, 4)) != kCatalogDefinitionPage)
            stored.foreignPages.push_back(page);
        else
            countRowsOn(mdb, bytes, catalog, stored);
    }
    return stored;
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
    StoredRows stored = checkCatalogPages(database, *table);

    const std::size_t bindSize = mdb->bind_size;
    BoundColumn id, name, type, flags, properties;
    bind(table.get(), "Id", id, bindSize, true);
    bind(table.get(), "Name", name, bindSize, true);
    bind(table.get(), "Type", type, bindSize, true);
    bind(table.get(), "Flags", flags, bindSize, true);
    bind(table.get(), "LvProp", properties, bindSize, false);

    std::vector<CatalogTable> tables;
    std::uint64_t fetched = 0;
    mdb_rewind_table(table.get());
    std::uint64_t withoutType = 0;
    while (mdb_fetch_row(table.get())) {
        ++fetched;
        // Every catalog row has an Id and a Type; a row read without them
        // (its null mask damaged) may well have been a table's.
        if (type.text[0] == '\0' || id.text[0] == '\0') {
            ++withoutType;
            continue;
        }
        int rowType = static_cast<int>(parseNumber(type.text));
        if (rowType != kLocalTableType && rowType != kAccessLinkType && rowType != kOdbcLinkType)
            continue;
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
    for (std::uint32_t page : stored.foreignPages)
        warnings.push_back(notice::foreignCatalogPage(database.path(), page));
    std::uint64_t lost = std::max<std::uint64_t>(stored.unreadable, fetched < stored.live ? stored.live - fetched : 0);
    lost += withoutType;
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
