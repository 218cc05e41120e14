// BIFF8 records, and the shared string table whose strings may be split
// across CONTINUE records.
#include "platform/xls/biff_stream.h"

#include <algorithm>
#include <stdexcept>

#include "platform/xls/biff_text.h"

namespace schemist::xls {

void BiffStream::record(std::uint16_t id, std::string_view data)
{
    if (data.size() > kMaxRecordData)
        throw std::length_error("BIFF record too long");
    out_.u16(id);
    out_.u16(static_cast<std::uint16_t>(data.size()));
    out_.append(data);
}

namespace {

constexpr std::size_t kRecordHeader = 4;
constexpr std::size_t kStringHeader = 3;  // 16-bit length and the flag byte

// Builds the SST and its CONTINUE records. A string's length and flags never
// straddle two records; its characters may, and each continued part begins
// with a fresh flag byte. A surrogate pair is never split.
class SstBuilder {
public:
    SstBuilder(BiffStream& out) : out_(out) {}

    struct Position {
        std::uint32_t streamOffset;
        std::uint16_t recordOffset;
    };

    void begin(std::uint32_t references, std::uint32_t uniqueCount)
    {
        data_.u32(references);
        data_.u32(uniqueCount);
    }

    Position add(std::u16string_view text)
    {
        bool compressed = fitsCompressed(text);
        std::size_t unit = compressed ? 1 : 2;
        std::size_t firstPart = std::min<std::size_t>(text.size(), 1) * unit;
        if (data_.size() + kStringHeader + firstPart > kMaxRecordData)
            flush();
        Position at{static_cast<std::uint32_t>(out_.offset() + kRecordHeader + data_.size()),
                    static_cast<std::uint16_t>(kRecordHeader + data_.size())};
        data_.u16(static_cast<std::uint16_t>(text.size()));
        data_.u8(compressed ? 0 : 1);
        std::size_t done = 0;
        while (done < text.size()) {
            std::size_t room = (kMaxRecordData - data_.size()) / unit;
            std::size_t take = std::min(room, text.size() - done);
            if (take < text.size() - done && take > 0 && isHighSurrogate(text[done + take - 1]))
                --take;
            if (take == 0) {
                flush();
                data_.u8(compressed ? 0 : 1);
                continue;
            }
            for (std::size_t k = done; k < done + take; ++k)
                compressed ? data_.u8(static_cast<std::uint8_t>(text[k])) : data_.u16(text[k]);
            done += take;
        }
        return at;
    }

    void flush()
    {
        out_.record(recordId_, data_);
        data_ = ByteBuffer();
        recordId_ = record::kContinue;
    }

private:
    static bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

    BiffStream& out_;
    ByteBuffer data_;
    std::uint16_t recordId_ = record::kSst;
};

}  // namespace

void writeSharedStrings(BiffStream& out, const std::vector<std::u16string>& strings, std::uint32_t references)
{
    // Excel's index has at most 128 buckets of at least 8 strings each.
    std::size_t perBucket = std::max<std::size_t>(8, (strings.size() + 127) / 128);
    ByteBuffer index;
    index.u16(static_cast<std::uint16_t>(perBucket));

    SstBuilder sst(out);
    sst.begin(references, static_cast<std::uint32_t>(strings.size()));
    for (std::size_t i = 0; i < strings.size(); ++i) {
        SstBuilder::Position at = sst.add(strings[i]);
        if (i % perBucket == 0) {
            index.u32(at.streamOffset);
            index.u16(at.recordOffset);
            index.u16(0);
        }
    }
    sst.flush();
    out.record(record::kExtSst, index);
}

}  // namespace schemist::xls
