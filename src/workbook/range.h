// A range of cells on one worksheet, possibly a union of areas, with the
// properties the definition workbook sets: values, alignment, merge, wrap,
// number formats, borders and column widths.
#pragma once

#include <string>
#include <vector>

#include "workbook/worksheet.h"

namespace schemist::excel {

class Range;

// One border of a range, by Excel's edge number (xlEdgeLeft .. xlInsideHorizontal).
// It keeps its own copy of the range, so it may outlive the range object.
class Border {
public:
    Border(const Range& range, int edge);
    void setLineStyle(int lineStyle);
    // 1 hairline, 2 thin, 3 or xlMedium medium, 4 thick. A border without a
    // line becomes continuous, as in Excel.
    void setWeight(int weight);

private:
    template <typename Change>
    void apply(Change change);

    Worksheet* sheet_;
    std::vector<CellArea> areas_;
    int edge_;
};

class Range {
public:
    Range(Worksheet& sheet, std::vector<CellArea> areas) : sheet_(&sheet), areas_(std::move(areas)) {}

    const std::vector<CellArea>& areas() const { return areas_; }
    Worksheet& worksheet() { return *sheet_; }

    Border borders(int edge);

    // One value into every cell of every area. An empty text empties the cell.
    void setValue(const Value& value);
    // A grid of values (rows of columns) into the first area: each cell takes
    // the grid entry at its offset; cells beyond the grid are left alone.
    void setValues(const std::vector<std::vector<Value>>& grid);

    void setHorizontalAlignment(int alignment);
    void setVerticalAlignment(int alignment);
    void setWrapText(bool wrap);
    void setMergeCells(bool merge);
    void setNumberFormatLocal(const std::string& format);
    // A grid of formats into the first area, like setValues.
    void setNumberFormatLocal(const std::vector<std::vector<std::string>>& grid);
    // Sets the width of every column the range touches.
    void setColumnWidth(double width);

    template <typename Visit>
    void forEachCell(Visit&& visit)
    {
        for (const CellArea& a : areas_)
            for (int r = a.firstRow; r <= a.lastRow; ++r)
                for (int c = a.firstColumn; c <= a.lastColumn; ++c)
                    visit(sheet_->cell(r, c));
    }

private:
    friend class Border;
    template <typename Grid, typename Assign>
    void assignGrid(const Grid& grid, Assign assign);

    Worksheet* sheet_;
    std::vector<CellArea> areas_;
};

}  // namespace schemist::excel
