// A BIFF8 record stream: each record is a 16-bit id, a 16-bit length and at
// most 8224 bytes of data; longer data goes on in CONTINUE records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xls/byte_buffer.h"

namespace schemist::xls {

inline constexpr std::size_t kMaxRecordData = 8224;

// Record ids written by this writer ([MS-XLS] 2.3).
namespace record {
inline constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kCodePage = 0x0042, kWindow1 = 0x003D,
                               kDateMode = 0x0022, kFont = 0x0031, kFormat = 0x041E, kXf = 0x00E0,
                               kStyle = 0x0293, kBoundSheet = 0x0085, kSst = 0x00FC, kExtSst = 0x00FF,
                               kContinue = 0x003C, kDefaultRowHeight = 0x0225, kHeader = 0x0014,
                               kFooter = 0x0015, kDefColWidth = 0x0055, kColInfo = 0x007D,
                               kDimensions = 0x0200, kRow = 0x0208, kLabelSst = 0x00FD, kNumber = 0x0203,
                               kBlank = 0x0201, kMulBlank = 0x00BE, kWindow2 = 0x023E,
                               kMergedCells = 0x00E5;
}

class BiffStream {
public:
    // Appends one record; data longer than kMaxRecordData is a programming error.
    void record(std::uint16_t id, std::string_view data);
    void record(std::uint16_t id, const ByteBuffer& data) { record(id, std::string_view(data.bytes())); }

    std::size_t offset() const { return out_.size(); }
    void patchU32(std::size_t at, std::uint32_t value) { out_.patchU32(at, value); }
    void padTo(std::size_t size)
    {
        if (out_.size() < size)
            out_.zeros(size - out_.size());
    }
    std::string take() { return out_.take(); }

private:
    ByteBuffer out_;
};

// The shared string table (SST with its CONTINUE records) and its index
// (EXTSST). `references` is the number of cells pointing into the table.
void writeSharedStrings(BiffStream& out, const std::vector<std::u16string>& strings, std::uint32_t references);

}  // namespace schemist::xls
