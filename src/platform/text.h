// Text conversion between the program's UTF-8 strings and the code page 932
// (Shift-JIS) bytes of generated source, through iconv.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace schemist {

struct Cp932Text {
    std::string bytes;
    bool lossy = false;  // some character had no CP932 form and became "?"
};

// Encodes UTF-8 as CP932. A character that CP932 cannot hold, or a byte that
// is not valid UTF-8, is written as "?".
Cp932Text encodeCp932(std::string_view utf8);

// The same, appended to `out` (no text of its own is made); returns true when
// some character had no CP932 form.
bool appendCp932(std::string& out, std::string_view utf8);

// Number of bytes the text occupies once encoded: double-byte characters
// count 2, ASCII and half-width katakana 1, an unencodable character 1 ("?").
std::size_t cp932ByteCount(std::string_view utf8);

// True when every character of the text has a CP932 form.
bool fitsCp932(std::string_view utf8);

// Decodes bytes of the named charset ("CP932", "WINDOWS-1252", ...) to UTF-8.
// Undecodable bytes become U+FFFD. Throws Error for an unknown charset.
std::string decodeToUtf8(std::string_view bytes, const char* charset);

// Number of Unicode characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

// The first `count` characters of a UTF-8 text, and the rest after them.
std::string utf8Left(std::string_view utf8, std::size_t count);
std::string utf8Mid(std::string_view utf8, std::size_t from);

// Removes leading and trailing blanks (U+0020 only, as the Trim of the
// language the generated source is written in).
std::string trimBlanks(std::string_view text);

std::string toLowerAscii(std::string_view text);

// True when the two texts are equal with ASCII letters compared without
// regard to case, the way Access compares table names.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The text with every control character (U+0000 to U+001F and U+007F) shown
// as \xNN, so that a name read from a file cannot drive the terminal or
// split a message. With keepLineBreaks, "\n" stays (for texts of several
// lines that the program put together itself).
std::string printableText(std::string_view text, bool keepLineBreaks = false);

}  // namespace schemist
