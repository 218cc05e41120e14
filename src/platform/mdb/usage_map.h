// A table's usage map: the row, stored elsewhere, that names the pages
// holding the table's rows. libmdb's row scan follows it without checking it,
// and reads through a null pointer when the map is empty.
#pragma once

#include "platform/mdb/libmdb.h"

#include <cstdint>
#include <vector>

namespace schemist::mdb {

class MdbDatabase;

// Thrown when a map cannot be what a table has: missing or empty, of an
// unknown kind, or naming a map page that is not in the file.
struct UnreadableUsageMap {};

// The pages the map of `table` names, in the order libmdb visits them.
std::vector<std::uint32_t> mappedPages(const MdbDatabase& database, const MdbTableDef& table);

}  // namespace schemist::mdb
