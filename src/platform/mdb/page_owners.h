// Which table each data page of a file belongs to, read from the page heads
// in one pass: how the pages of a table are found without its usage map.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace schemist::mdb {

// The entry of a page that is not a data page.
inline constexpr std::uint32_t kNotADataPage = 0xFFFFFFFFu;

// Per page of the first `pages` pages of the file (each `pageSize` bytes):
// the owner of a data page (its table's definition page), kNotADataPage for
// every other page. A page that cannot be read counts as not a data page.
std::vector<std::uint32_t> readDataPageOwners(const std::string& path, std::size_t pageSize, std::uint64_t pages);

}  // namespace schemist::mdb
