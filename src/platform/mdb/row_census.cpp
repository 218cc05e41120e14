// Counting a system table's stored rows. A data page: u8 type 0x01, u8,
// u16 free space, u32 owner (the table's definition page), then (Jet3 at 8,
// Jet4 at 12) the row count and one u16 offset per row. Rows lie from their
// offset up to the offset of the row before (the first up to the page end).
// Offset flags: 0x4000 marks the pointer left behind by a row moved to
// another page, which libmdb skips; 0x8000 marks a moved row's new place,
// which libmdb reads like any row.
#include "platform/mdb/row_census.h"

#include "platform/mdb/mdb_database.h"
#include "platform/mdb/usage_map.h"

#include <algorithm>

namespace schemist::mdb {
namespace {

constexpr unsigned char kBlankPage = 0x00;
constexpr unsigned char kDataPage = 0x01;
constexpr std::uint16_t kMovedAwayRow = 0x4000;
constexpr std::uint16_t kRowOffset = 0x1FFF;

std::size_t u16At(const unsigned char* bytes, std::size_t at)
{
    return static_cast<std::size_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t ownerOf(const unsigned char* page)
{
    return static_cast<std::uint32_t>(mdb_get_int32(const_cast<unsigned char*>(page), 4));
}

// The end of a row: (Jet4) the offsets of its variable-length values, last
// first and one more for their end, then their count, then the null mask;
// (Jet3) the count is one byte before the null mask. A system table's count
// is fixed like its columns, and the offsets must rise within the row.
bool rowTailFits(const MdbHandle* mdb, const unsigned char* row, std::size_t length, const MdbTableDef& table)
{
    const std::size_t nullMask = (table.num_cols + 7) / 8;
    if (IS_JET3(mdb))
        return length >= nullMask + 1 && row[length - nullMask - 1] == table.num_var_cols;
    if (length < nullMask + 2)
        return false;
    const std::size_t countAt = length - nullMask - 2;
    const std::size_t count = u16At(row, countAt);
    if (count != table.num_var_cols || countAt < 2 * (count + 1))
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

}  // namespace

RowCensus::RowCensus(const MdbDatabase& database, const MdbTableDef& table, std::uint32_t definitionPage)
    : database_(database)
{
    MdbHandle* mdb = database.handle();
    const auto pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    const std::uint64_t pages = database.fileSize() / pageSize;
    std::vector<std::uint32_t> mapped;
    try {
        mapped = mappedPages(database, table);
    } catch (const UnreadableUsageMap&) {
        throw UnreadableTablePages{};
    }
    std::sort(mapped.begin(), mapped.end());
    for (std::uint32_t page : mapped) {
        if (page == 0 || page >= pages || mdb_read_alt_pg(mdb, page) != mdb->fmt->pg_size ||
            mdb->alt_pg_buf[0] == kBlankPage)
            throw UnreadableTablePages{};
        if (mdb->alt_pg_buf[0] != kDataPage || ownerOf(mdb->alt_pg_buf) != definitionPage)
            foreignPages_.push_back(page);
        else
            countRowsOn(page, mdb->alt_pg_buf, table);
    }
    // The table's pages that the map leaves out: their rows are never scanned.
    const std::vector<std::uint32_t>& owners = database.dataPageOwners();
    for (std::uint32_t page = 1; page < owners.size(); ++page) {
        if (owners[page] != definitionPage || std::binary_search(mapped.begin(), mapped.end(), page) ||
            mdb_read_alt_pg(mdb, page) != mdb->fmt->pg_size)
            continue;
        if (mdb->alt_pg_buf[0] == kDataPage && ownerOf(mdb->alt_pg_buf) == definitionPage)
            countRowsOn(page, mdb->alt_pg_buf, table);
    }
}

// A row lies after the offset table and starts with its column count, which
// in a system table, whose columns never change, is the table's own. libmdb
// skips a row that breaks this or reads other bytes as its values.
void RowCensus::countRowsOn(std::uint32_t page, const unsigned char* bytes, const MdbTableDef& table)
{
    const MdbHandle* mdb = database_.handle();
    const std::size_t countAt = mdb->fmt->row_count_offset;
    const auto pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    const bool jet3 = IS_JET3(mdb);
    std::size_t rows = u16At(bytes, countAt);
    const std::size_t slots = (pageSize - countAt - 2) / 2;
    if (rows > slots) {
        uncounted_ += rows - slots;
        rows = slots;
    }
    const std::size_t firstRowAt = countAt + 2 + rows * 2;
    std::size_t end = pageSize;
    for (std::size_t row = 0; row < rows; ++row) {
        auto offset = static_cast<std::uint16_t>(u16At(bytes, countAt + 2 + row * 2));
        std::size_t start = offset & kRowOffset;
        bool placed = start >= firstRowAt && start < end;
        if ((offset & kMovedAwayRow) == 0) {
            Place place{page, static_cast<std::uint32_t>(row)};
            expected_.insert(place);
            unsigned columns = !placed ? 0 : jet3 ? bytes[start] : u16At(bytes, start);
            if (!placed || columns != table.num_cols || !rowTailFits(mdb, bytes + start, end - start, table))
                misshapen_.insert(place);
        }
        if (start < end)
            end = start;
    }
    // The free space in the page head is the gap between the offset table
    // and the lowest row; a row count cut short (rows that libmdb would never
    // visit) leaves a gap that does not match it.
    if (rows == u16At(bytes, countAt) && u16At(bytes, 2) != (end > firstRowAt ? end - firstRowAt : 0))
        ++uncounted_;
}

void RowCensus::fetched(const MdbTableDef& table)
{
    lastReturned_ = {table.cur_phys_pg, table.cur_row > 0 ? table.cur_row - 1 : 0};
    returned_.insert(lastReturned_);
}

void RowCensus::rejectLastFetched()
{
    if (expected_.count(lastReturned_) != 0)
        misshapen_.insert(lastReturned_);
    else
        ++rejectedElsewhere_;
}

std::uint64_t RowCensus::lostRows() const
{
    std::uint64_t lost = uncounted_ + rejectedElsewhere_;
    for (const Place& place : expected_)
        if (misshapen_.count(place) != 0 || returned_.count(place) == 0)
            ++lost;
    return lost;
}

}  // namespace schemist::mdb
