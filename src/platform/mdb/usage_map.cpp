// Reading a usage map the way libmdb's row scan does (map.c), with the checks
// it leaves out: a map of the first kind is a start page and a bitmap; one of
// the second kind names map pages, each a bitmap of (page size - 4) * 8 pages.
#include "platform/mdb/usage_map.h"

#include "platform/mdb/mdb_database.h"

namespace schemist::mdb {
namespace {

constexpr unsigned char kInlineMap = 0;
constexpr unsigned char kPagedMap = 1;
constexpr std::size_t kInlineHead = 5;  // kind, u32 first page

bool bitAt(const unsigned char* bitmap, std::uint32_t bit)
{
    return (bitmap[bit / 8] & (1u << (bit % 8))) != 0;
}

std::vector<std::uint32_t> inlinePages(const unsigned char* map, std::size_t size)
{
    if (size < kInlineHead)
        throw UnreadableUsageMap{};
    std::vector<std::uint32_t> found;
    auto first = static_cast<std::uint32_t>(mdb_get_int32(const_cast<unsigned char*>(map), 1));
    for (std::uint32_t bit = 0; bit < (size - kInlineHead) * 8; ++bit)
        if (bitAt(map + kInlineHead, bit))
            found.push_back(first + bit);
    return found;
}

std::vector<std::uint32_t> pagedPages(const MdbDatabase& database, const unsigned char* map, std::size_t size)
{
    MdbHandle* mdb = database.handle();
    const std::uint64_t pages = database.fileSize() / static_cast<std::uint64_t>(mdb->fmt->pg_size);
    const auto pagesPerMapPage = static_cast<std::uint32_t>((mdb->fmt->pg_size - 4) * 8);
    std::vector<std::uint32_t> found;
    for (std::size_t entry = 0; entry < (size - 1) / 4; ++entry) {
        auto mapPage = static_cast<std::uint32_t>(
            mdb_get_int32(const_cast<unsigned char*>(map), static_cast<int>(1 + entry * 4)));
        if (mapPage == 0)
            continue;
        if (mapPage >= pages || mdb_read_alt_pg(mdb, mapPage) != mdb->fmt->pg_size)
            throw UnreadableUsageMap{};
        for (std::uint32_t bit = 0; bit < pagesPerMapPage; ++bit)
            if (bitAt(mdb->alt_pg_buf + 4, bit))
                found.push_back(static_cast<std::uint32_t>(entry * pagesPerMapPage + bit));
    }
    return found;
}

}  // namespace

std::vector<std::uint32_t> mappedPages(const MdbDatabase& database, const MdbTableDef& table)
{
    const unsigned char* map = table.usage_map;
    const std::size_t size = table.map_sz;
    if (!map || size < 1)
        throw UnreadableUsageMap{};
    if (map[0] == kInlineMap)
        return inlinePages(map, size);
    if (map[0] == kPagedMap)
        return pagedPages(database, map, size);
    throw UnreadableUsageMap{};
}

}  // namespace schemist::mdb
