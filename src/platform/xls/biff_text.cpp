// BIFF8 text encoding.
#include "platform/xls/biff_text.h"

#include <stdexcept>

namespace schemist::xls {
namespace {

// Decodes one UTF-8 sequence at `i`, advancing it; U+FFFD for a bad one.
char32_t decodeOne(std::string_view s, std::size_t& i)
{
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = byte(i);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + extra >= s.size())) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    i += extra + 1;
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

}  // namespace

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = decodeOne(utf8, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

bool fitsCompressed(std::u16string_view text)
{
    for (char16_t c : text)
        if (c >= 0x100)
            return false;
    return true;
}

void appendCharacters(ByteBuffer& out, std::u16string_view text)
{
    bool compressed = fitsCompressed(text);
    out.u8(compressed ? 0x00 : 0x01);
    for (char16_t c : text) {
        if (compressed)
            out.u8(static_cast<std::uint8_t>(c));
        else
            out.u16(c);
    }
}

void appendShortString(ByteBuffer& out, std::u16string_view text)
{
    if (text.size() > 0xFF)
        throw std::length_error("BIFF short string too long");
    out.u8(static_cast<std::uint8_t>(text.size()));
    appendCharacters(out, text);
}

void appendString(ByteBuffer& out, std::u16string_view text)
{
    if (text.size() > 0xFFFF)
        throw std::length_error("BIFF string too long");
    out.u16(static_cast<std::uint16_t>(text.size()));
    appendCharacters(out, text);
}

}  // namespace schemist::xls
