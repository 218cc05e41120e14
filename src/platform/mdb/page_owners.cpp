// Reading the page heads in large pieces: a page at a time through libmdb
// took a system call per page, which on a large file costs more than the
// rest of the read.
#include "platform/mdb/page_owners.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace schemist::mdb {
namespace {

constexpr unsigned char kDataPage = 0x01;
constexpr std::size_t kPiece = 1u << 20;

std::uint32_t u32At(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

}  // namespace

std::vector<std::uint32_t> readDataPageOwners(const std::string& path, std::size_t pageSize, std::uint64_t pages)
{
    std::vector<std::uint32_t> owners(pages, kNotADataPage);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || pageSize < 8)
        return owners;
    const std::size_t pagesPerPiece = std::max<std::size_t>(1, kPiece / pageSize);
    std::vector<unsigned char> piece(pagesPerPiece * pageSize);
    for (std::uint64_t first = 0; first < pages; first += pagesPerPiece) {
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(pagesPerPiece, pages - first)) * pageSize;
        ssize_t got = ::pread(fd, piece.data(), want, static_cast<off_t>(first * pageSize));
        if (got <= 0)
            break;
        for (std::size_t k = 0; (k + 1) * pageSize <= static_cast<std::size_t>(got); ++k) {
            const unsigned char* head = piece.data() + k * pageSize;
            if (head[0] == kDataPage)
                owners[first + k] = u32At(head + 4);
        }
    }
    ::close(fd);
    return owners;
}

}  // namespace schemist::mdb
