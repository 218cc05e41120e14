// The rows of a system table as stored, counted without libmdb, against the
// rows libmdb's scan returns. The scan ends without a word at a page it
// cannot read, skips a page that is not the table's and passes over a row it
// cannot decode; a table found on pages its usage map does not name is not
// scanned at all. Counting tells a damaged table from a shorter one.
#pragma once

#include "platform/mdb/libmdb.h"

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace schemist::mdb {

class MdbDatabase;

// Thrown when a page the usage map names is missing or blank, or the map
// itself cannot be read.
struct UnreadableTablePages {};

class RowCensus {
public:
    // Counts the rows of `table` (whose definition is on `definitionPage`) on
    // every data page of the file that names the table as its owner, and
    // checks the pages its usage map names. `table`'s columns must be read.
    // Call before the scan: it uses libmdb's second page buffer.
    RowCensus(const MdbDatabase& database, const MdbTableDef& table, std::uint32_t definitionPage);

    // Notes the row the last mdb_fetch_row of `table` returned.
    void fetched(const MdbTableDef& table);
    // That row's values cannot be right: it counts as lost.
    void rejectLastFetched();

    // Rows the scan should have returned but did not, or returned from a
    // place or in a shape that cannot be right.
    std::uint64_t lostRows() const;
    // Pages the usage map names that belong to something else.
    const std::vector<std::uint32_t>& foreignPages() const { return foreignPages_; }

private:
    using Place = std::pair<std::uint32_t, std::uint32_t>;  // page, row

    void countRowsOn(std::uint32_t page, const unsigned char* bytes, const MdbTableDef& table);

    const MdbDatabase& database_;
    std::set<Place> expected_;  // rows libmdb reads: all but the pointers of rows moved elsewhere
    std::set<Place> misshapen_;
    std::set<Place> returned_;
    Place lastReturned_{0, 0};
    std::uint64_t rejectedElsewhere_ = 0;  // rejected rows not among the expected ones
    std::uint64_t uncounted_ = 0;  // rows a page's count or free space says it has but no slot shows
    std::vector<std::uint32_t> foreignPages_;
};

}  // namespace schemist::mdb
