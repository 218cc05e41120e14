// Little-endian byte assembly for the binary structures of the .xls file
// (compound-document sectors and BIFF records are all little-endian).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace schemist::xls {

class ByteBuffer {
public:
    void u8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    void append(std::string_view raw) { bytes_.append(raw); }
    void zeros(std::size_t count) { bytes_.append(count, '\0'); }

    // Overwrites a 32-bit value written earlier (offsets known only later).
    void patchU32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = static_cast<char>(v >> (8 * i));
    }

    void reserve(std::size_t bytes) { bytes_.reserve(bytes); }
    std::size_t size() const { return bytes_.size(); }
    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

}  // namespace schemist::xls
