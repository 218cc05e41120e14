// Header and footer texts of the definition sheets.
#include "workbook/header_footer_text.h"

#include <algorithm>

#include "platform/xls/biff_text.h"
#include "platform/xls/xls_book.h"
#include "model/run_settings.h"

namespace schemist {
namespace {

std::size_t units(const std::string& text) { return xls::toUtf16(text).size(); }

std::size_t assembledLength(const std::array<std::string, 3>& parts)
{
    std::size_t length = 0;
    for (const std::string& p : parts)
        if (!p.empty())
            length += 2 + units(p);
    return length;
}

// Removes the last character of an escaped text: "&&" as a whole, else one
// UTF-8 character.
void dropLastCharacter(std::string& text)
{
    if (text.size() >= 2 && text.ends_with("&&")) {
        text.resize(text.size() - 2);
        return;
    }
    std::size_t end = text.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
}

}  // namespace

std::string escapeHeaderText(std::string_view text)
{
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

std::string headerFooterPart(int choice, const std::string& tableName, const std::string& sourceFileName)
{
    switch (choice) {
    case kChoiceTableName: return escapeHeaderText(tableName);
    case kChoiceFileName: return escapeHeaderText(sourceFileName);
    case kChoicePageNumber: return "&P/&N";
    default: return "";
    }
}

bool fitHeaderFooterParts(std::array<std::string, 3>& parts)
{
    bool cut = false;
    while (assembledLength(parts) > xls::kMaxHeaderFooterLength) {
        auto longest = std::max_element(parts.begin(), parts.end(), [](const std::string& a, const std::string& b) {
            return units(a) < units(b);
        });
        dropLastCharacter(*longest);
        cut = true;
    }
    return cut;
}

}  // namespace schemist
