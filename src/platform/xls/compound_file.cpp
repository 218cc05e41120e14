// Compound document writer. Sector layout, in this order: the stream, one
// directory sector, the FAT sectors, the DIFAT sectors (when needed).
#include "platform/xls/compound_file.h"

#include <stdexcept>

#include "platform/xls/byte_buffer.h"

namespace schemist::xls {
namespace {

constexpr std::size_t kSectorSize = 512;
constexpr std::uint32_t kEntriesPerFatSector = kSectorSize / 4;              // 128
constexpr std::uint32_t kFatSlotsPerDifatSector = kEntriesPerFatSector - 1;  // 127 + next link
constexpr std::uint32_t kHeaderDifatSlots = 109;

constexpr std::uint32_t kDifSect = 0xFFFFFFFC;
constexpr std::uint32_t kFatSect = 0xFFFFFFFD;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSect = 0xFFFFFFFF;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

std::uint32_t ceilDiv(std::size_t a, std::size_t b) { return static_cast<std::uint32_t>((a + b - 1) / b); }

struct Layout {
    std::uint32_t streamSectors = 0;
    std::uint32_t directorySector = 0;
    std::uint32_t firstFatSector = 0;
    std::uint32_t fatSectors = 0;
    std::uint32_t firstDifatSector = 0;
    std::uint32_t difatSectors = 0;
    std::uint32_t totalSectors() const { return streamSectors + 1 + fatSectors + difatSectors; }
};

// The FAT must also map its own sectors and the DIFAT sectors, so their
// counts are found by iterating to a fixed point.
Layout planLayout(std::size_t streamSize)
{
    Layout layout;
    layout.streamSectors = ceilDiv(streamSize, kSectorSize);
    for (;;) {
        std::uint32_t fat = ceilDiv(layout.totalSectors(), kEntriesPerFatSector);
        std::uint32_t difat = fat > kHeaderDifatSlots ? ceilDiv(fat - kHeaderDifatSlots, kFatSlotsPerDifatSector) : 0;
        if (fat == layout.fatSectors && difat == layout.difatSectors)
            break;
        layout.fatSectors = fat;
        layout.difatSectors = difat;
    }
    layout.directorySector = layout.streamSectors;
    layout.firstFatSector = layout.directorySector + 1;
    layout.firstDifatSector = layout.firstFatSector + layout.fatSectors;
    return layout;
}

std::uint32_t fatSectorId(const Layout& layout, std::uint32_t index) { return layout.firstFatSector + index; }

void writeHeader(ByteBuffer& out, const Layout& layout)
{
    out.append(std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    out.zeros(16);          // class id
    out.u16(0x003E);        // minor version
    out.u16(0x0003);        // major version 3: 512-byte sectors
    out.u16(0xFFFE);        // little-endian byte order mark
    out.u16(9);             // sector shift: 2^9 = 512
    out.u16(6);             // mini sector shift: 2^6 = 64
    out.zeros(6);
    out.u32(0);             // directory sector count (always 0 in version 3)
    out.u32(layout.fatSectors);
    out.u32(layout.directorySector);
    out.u32(0);             // transaction signature
    out.u32(static_cast<std::uint32_t>(kMiniStreamCutoff));
    out.u32(kEndOfChain);   // no mini FAT
    out.u32(0);
    out.u32(layout.difatSectors ? layout.firstDifatSector : kEndOfChain);
    out.u32(layout.difatSectors);
    for (std::uint32_t i = 0; i < kHeaderDifatSlots; ++i)
        out.u32(i < layout.fatSectors ? fatSectorId(layout, i) : kFreeSect);
}

void writeDirectoryEntry(ByteBuffer& out, std::u16string_view name, std::uint8_t type, std::uint32_t child,
                         std::uint32_t startSector, std::uint32_t size)
{
    if (name.size() > 31)
        throw std::logic_error("compound file entry name too long");
    for (char16_t c : name)
        out.u16(c);
    out.zeros(64 - 2 * name.size());
    out.u16(static_cast<std::uint16_t>(name.empty() ? 0 : 2 * (name.size() + 1)));
    out.u8(type);
    out.u8(type == 0 ? 0 : 1);  // colour: black
    out.u32(kNoStream);         // left sibling
    out.u32(kNoStream);         // right sibling
    out.u32(child);
    out.zeros(16 + 4 + 8 + 8);  // class id, state bits, creation and modification times
    out.u32(startSector);
    out.u32(size);
    out.u32(0);                 // high half of the size: zero in version 3
}

void writeDirectory(ByteBuffer& out, std::u16string_view streamName, std::size_t streamSize)
{
    writeDirectoryEntry(out, u"Root Entry", 5, 1, kEndOfChain, 0);
    writeDirectoryEntry(out, streamName, 2, kNoStream, 0, static_cast<std::uint32_t>(streamSize));
    writeDirectoryEntry(out, u"", 0, kNoStream, 0, 0);
    writeDirectoryEntry(out, u"", 0, kNoStream, 0, 0);
}

void writeFat(ByteBuffer& out, const Layout& layout)
{
    std::uint32_t written = 0;
    auto put = [&](std::uint32_t v) { out.u32(v); ++written; };
    for (std::uint32_t i = 0; i + 1 < layout.streamSectors; ++i)
        put(i + 1);
    put(kEndOfChain);  // last stream sector
    put(kEndOfChain);  // the directory is one sector long
    for (std::uint32_t i = 0; i < layout.fatSectors; ++i)
        put(kFatSect);
    for (std::uint32_t i = 0; i < layout.difatSectors; ++i)
        put(kDifSect);
    while (written < layout.fatSectors * kEntriesPerFatSector)
        put(kFreeSect);
}

void writeDifat(ByteBuffer& out, const Layout& layout)
{
    std::uint32_t next = kHeaderDifatSlots;  // FAT sectors beyond the header's slots
    for (std::uint32_t d = 0; d < layout.difatSectors; ++d) {
        for (std::uint32_t slot = 0; slot < kFatSlotsPerDifatSector; ++slot, ++next)
            out.u32(next < layout.fatSectors ? fatSectorId(layout, next) : kFreeSect);
        out.u32(d + 1 < layout.difatSectors ? layout.firstDifatSector + d + 1 : kEndOfChain);
    }
}

}  // namespace

std::string buildCompoundFile(std::u16string_view streamName, std::string_view stream)
{
    if (stream.size() < kMiniStreamCutoff)
        throw std::logic_error("compound file stream below the mini-stream cutoff");
    if (stream.size() > 0x7FFFFFFF)
        throw std::length_error("compound file stream too large");
    Layout layout = planLayout(stream.size());
    ByteBuffer out;
    // The file's size is known from its layout (header sector and the
    // sectors after it): sized once, it is never copied while growing.
    out.reserve(kSectorSize * (1 + static_cast<std::size_t>(layout.totalSectors())));
    writeHeader(out, layout);
    out.append(stream);
    out.zeros(layout.streamSectors * kSectorSize - stream.size());
    writeDirectory(out, streamName, stream.size());
    writeFat(out, layout);
    writeDifat(out, layout);
    return out.take();
}

}  // namespace schemist::xls
