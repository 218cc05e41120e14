// Sheet-name rules.
#include "workbook/sheet_name.h"

#include "platform/xls/biff_text.h"

namespace schemist::excel {
namespace {

constexpr std::u16string_view kForbidden = u"[]:*?/\\";

bool isForbidden(char16_t c) { return c < 0x20 || kForbidden.find(c) != std::u16string_view::npos; }

char32_t foldCase(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    if (c >= 0xFF41 && c <= 0xFF5A)  // full-width a-z
        return c - 0xFF41 + 0xFF21;
    return c;
}

// The code point at `i` of a UTF-8 text, advancing past it. Only compared
// with another, so a malformed byte simply stands for itself.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    auto lead = static_cast<unsigned char>(s[i++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t cp = extra ? lead & (0x3F >> extra) : lead;
    for (; extra > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; --extra)
        cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
    return cp;
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size())
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// The first `units` UTF-16 units, never ending inside a surrogate pair.
std::u16string cut(std::u16string text, std::size_t units)
{
    if (text.size() <= units)
        return text;
    if (units > 0 && text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF)
        --units;
    return text.substr(0, units);
}

bool taken(std::u16string_view name, const std::function<bool(const std::string&)>& isTaken)
{
    std::string utf8 = toUtf8(name);
    return sameSheetName(utf8, "History") || isTaken(utf8);
}

}  // namespace

std::optional<std::string> sheetNameProblem(std::string_view name)
{
    std::u16string text = xls::toUtf16(name);
    if (text.empty())
        return "シート名が空です";
    if (text.size() > kMaxSheetNameLength)
        return "シート名が31文字を超えています";
    for (char16_t c : text)
        if (isForbidden(c))
            return "シート名に使えない文字 [ ] : * ? / \\ が含まれています";
    if (text.front() == u'\'' || text.back() == u'\'')
        return "シート名の先頭と末尾にアポストロフィは使えません";
    if (sameSheetName(name, "History"))
        return "History は予約されたシート名です";
    return std::nullopt;
}

bool sameSheetName(std::string_view a, std::string_view b)
{
    // Runs for every pair of sheets, so it compares without converting.
    // Folding keeps each character's UTF-8 length.
    if (a.size() != b.size())
        return false;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j)))
            return false;
    return i == a.size() && j == b.size();
}

std::string sheetNameKey(std::string_view name)
{
    std::string key(name);
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] >= 'a' && key[i] <= 'z')
            key[i] = static_cast<char>(key[i] - 'a' + 'A');
        // Full-width a-z, EF BD 81..9A, fold to A-Z, EF BC A1..BA.
        else if (key[i] == '\xEF' && i + 2 < key.size() && key[i + 1] == '\xBD' &&
                 static_cast<unsigned char>(key[i + 2]) >= 0x81 && static_cast<unsigned char>(key[i + 2]) <= 0x9A) {
            key[i + 1] = '\xBC';
            key[i + 2] = static_cast<char>(static_cast<unsigned char>(key[i + 2]) + 0x20);
            i += 2;
        }
    }
    return key;
}

std::string makeValidSheetName(std::string_view wanted, const std::function<bool(const std::string&)>& isTaken)
{
    std::u16string name = xls::toUtf16(wanted);
    for (char16_t& c : name)
        if (isForbidden(c))
            c = u'_';
    if (!name.empty() && name.front() == u'\'')
        name.front() = u'_';
    name = cut(name, kMaxSheetNameLength);
    if (!name.empty() && name.back() == u'\'')
        name.back() = u'_';
    if (name.empty())
        name = u"Sheet";
    if (!taken(name, isTaken))
        return toUtf8(name);
    for (int n = 2;; ++n) {
        std::u16string suffix = xls::toUtf16(" (" + std::to_string(n) + ")");
        std::u16string candidate = cut(name, kMaxSheetNameLength - suffix.size()) + suffix;
        if (!taken(candidate, isTaken))
            return toUtf8(candidate);
    }
}

}  // namespace schemist::excel
