// Parsing of A1-style range addresses.
#include "workbook/range_address.h"

#include <algorithm>
#include <cctype>

#include "platform/error.h"

namespace schemist::excel {
namespace {

struct Corner {
    int row = -1;     // -1: whole column
    int column = -1;  // -1: whole row
};

[[noreturn]] void badAddress(std::string_view address)
{
    throw Error("セル範囲「" + std::string(address) + "」を解釈できません");
}

Corner parseCorner(std::string_view text, std::string_view address)
{
    std::size_t i = 0;
    auto skipDollar = [&] {
        if (i < text.size() && text[i] == '$')
            ++i;
    };
    Corner corner;
    skipDollar();
    int column = 0;
    std::size_t letters = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
        ++i;
        if (++letters > 2)
            badAddress(address);
    }
    if (letters > 0)
        corner.column = column - 1;
    skipDollar();
    long row = 0;
    std::size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        row = row * 10 + (text[i] - '0');
        ++i;
        if (++digits > 5)
            badAddress(address);
    }
    if (digits > 0)
        corner.row = static_cast<int>(row) - 1;
    if (i != text.size() || (letters == 0 && digits == 0) || (digits > 0 && row == 0) ||
        corner.column >= kSheetColumns || corner.row >= kSheetRows)
        badAddress(address);
    return corner;
}

CellArea parseArea(std::string_view part, std::string_view address)
{
    std::size_t colon = part.find(':');
    Corner a = parseCorner(part.substr(0, colon), address);
    Corner b = colon == std::string_view::npos ? a : parseCorner(part.substr(colon + 1), address);
    bool wholeColumns = a.row < 0 && b.row < 0;
    bool wholeRows = a.column < 0 && b.column < 0;
    if ((a.row < 0) != (b.row < 0) || (a.column < 0) != (b.column < 0) ||
        (colon == std::string_view::npos && (wholeColumns || wholeRows)))
        badAddress(address);
    CellArea area;
    area.firstRow = wholeColumns ? 0 : std::min(a.row, b.row);
    area.lastRow = wholeColumns ? kSheetRows - 1 : std::max(a.row, b.row);
    area.firstColumn = wholeRows ? 0 : std::min(a.column, b.column);
    area.lastColumn = wholeRows ? kSheetColumns - 1 : std::max(a.column, b.column);
    return area;
}

}  // namespace

std::vector<CellArea> parseRangeAddress(std::string_view address)
{
    std::vector<CellArea> areas;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = address.find(',', start);
        std::string_view part = address.substr(start, comma == std::string_view::npos ? comma : comma - start);
        if (part.empty())
            badAddress(address);
        areas.push_back(parseArea(part, address));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return areas;
}

std::string cellName(int row, int column)
{
    std::string letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row + 1);
}

}  // namespace schemist::excel
