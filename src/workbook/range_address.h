// Range addresses as Excel writes them: "A4", "A4:E9", whole columns "A:A",
// and unions "B2,E2,A4,A5:A9". Corners may be given in either order, so
// "A5:A4" covers rows 4 and 5.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace schemist::excel {

// One rectangular area, 0-based, both ends included.
struct CellArea {
    int firstRow = 0, lastRow = 0;
    int firstColumn = 0, lastColumn = 0;

    bool contains(int row, int column) const
    {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool intersects(const CellArea& o) const
    {
        return firstRow <= o.lastRow && o.firstRow <= lastRow && firstColumn <= o.lastColumn &&
               o.firstColumn <= lastColumn;
    }
    bool operator==(const CellArea&) const = default;
};

inline constexpr int kSheetRows = 65536;
inline constexpr int kSheetColumns = 256;

// The areas of an address, in the order written. Throws Error (Japanese
// message quoting the address) for an address that is not one.
std::vector<CellArea> parseRangeAddress(std::string_view address);

// "A1"-style name of a cell, for messages.
std::string cellName(int row, int column);

}  // namespace schemist::excel
