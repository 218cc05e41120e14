// Texts in BIFF8: UTF-16 code units, stored "compressed" (one byte each) when
// every unit is below 0x100, else as UTF-16LE; a flag byte says which.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/xls/byte_buffer.h"

namespace schemist::xls {

// UTF-8 to UTF-16; a byte sequence that is not valid UTF-8 becomes U+FFFD.
std::u16string toUtf16(std::string_view utf8);

bool fitsCompressed(std::u16string_view text);

// The flag byte and the characters, without a length.
void appendCharacters(ByteBuffer& out, std::u16string_view text);

// ShortXLUnicodeString: 8-bit length, flags, characters.
void appendShortString(ByteBuffer& out, std::u16string_view text);

// XLUnicodeString: 16-bit length, flags, characters.
void appendString(ByteBuffer& out, std::u16string_view text);

}  // namespace schemist::xls
