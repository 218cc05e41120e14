// A worksheet of the workbook model: its cells with values and formats,
// merged areas, column widths and page setup, as Excel's automation shows
// them. Ranges (range.h) are the way to change cells.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "workbook/excel_constants.h"
#include "workbook/range_address.h"

namespace schemist::excel {

class Range;
class Workbook;

// A cell value: empty, text or number.
using Value = std::variant<std::monostate, std::string, double>;

struct BorderLine {
    int lineStyle = xlLineStyleNone;
    int weight = xlThin;
    bool operator==(const BorderLine&) const = default;
};

// The edges a cell keeps, in this order.
enum CellEdge { kLeftEdge, kTopEdge, kBottomEdge, kRightEdge };

struct CellStyle {
    std::string numberFormatLocal = kGeneralFormatLocal;
    int horizontalAlignment = xlGeneral;
    int verticalAlignment = xlBottom;
    bool wrapText = false;
    std::array<BorderLine, 4> edges;  // by CellEdge

    bool operator==(const CellStyle&) const = default;
};

// A cell's style is the index of one of its workbook's distinct styles
// (Worksheet::style); 0 is the plain style of a cell never formatted. A
// definition workbook has many thousands of cells but a few dozen styles, so
// each cell holding its own copy would take most of the workbook's memory.
using StyleId = std::uint32_t;
inline constexpr StyleId kPlainStyle = 0;

struct CellData {
    Value value;
    StyleId style = kPlainStyle;
};

// The distinct cell styles of a workbook, shared by its sheets.
class CellStyles {
public:
    CellStyles();
    const CellStyle& operator[](StyleId id) const { return styles_[id]; }
    std::size_t size() const { return styles_.size(); }
    // The id of `style`, added when it is new.
    StyleId idOf(const CellStyle& style);

private:
    struct Hash {
        std::size_t operator()(const CellStyle& style) const;
    };
    std::vector<CellStyle> styles_;  // [kPlainStyle] is the plain style
    std::unordered_map<CellStyle, StyleId, Hash> ids_;
    StyleId last_ = kPlainStyle;
};

// The six parts of the page header and footer. A part holds Excel's codes
// (&P, &N, ...); a literal "&" must be written "&&".
struct PageSetup {
    std::string leftHeader, centerHeader, rightHeader;
    std::string leftFooter, centerFooter, rightFooter;
};

class Worksheet {
public:
    Worksheet(Workbook& parent, std::string name);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    const std::string& name() const { return name_; }
    // Renames the sheet; throws Error (Japanese) for a name Excel refuses,
    // including one another sheet of the workbook already has.
    void setName(const std::string& name);
    // 1-based position among the workbook's sheets.
    int index() const;
    // Removes the sheet from its workbook; the object is gone afterwards.
    void deleteSheet();

    Range range(std::string_view address);
    Range columns(std::string_view address);
    PageSetup& pageSetup() { return pageSetup_; }
    const PageSetup& pageSetup() const { return pageSetup_; }
    Workbook& parent() { return *parent_; }

    // Storage, for ranges and for saving: rows of cells, each row as long as
    // its last touched column. A reference is good until the next call.
    CellData& cell(int row, int column)
    {
        // Ranges touch each cell many times; only the first touch grows.
        if (static_cast<std::size_t>(row) < rows_.size()) {
            auto& cells = rows_[row];
            if (static_cast<std::size_t>(column) < cells.size())
                return cells[column];
        }
        return growTo(row, column);
    }
    // Visits every cell ever touched, row by row: visit(row, column, data).
    template <typename Visit>
    void forEachCell(Visit visit) const
    {
        for (std::size_t r = 0; r < rows_.size(); ++r)
            for (std::size_t c = 0; c < rows_[r].size(); ++c)
                visit(static_cast<int>(r), static_cast<int>(c), rows_[r][c]);
    }

    // The styles of the workbook's cells, by StyleId.
    const CellStyle& style(StyleId id) const { return (*styles_)[id]; }
    std::size_t styleCount() const { return styles_->size(); }
    // The id of `style`, added to the workbook's styles when it is new.
    StyleId styleId(const CellStyle& style) { return styles_->idOf(style); }
    // The style of one cell (the plain style when it was never touched).
    const CellStyle& styleAt(int row, int column) const;

    // Lets go of every cell's storage: for saving a workbook that is closed
    // right after, one sheet at a time, so that the cells and their saved
    // form are not held whole side by side.
    void releaseCells() { std::vector<std::vector<CellData>>().swap(rows_); }
    // The number of cells ever touched (an upper bound of those saved).
    std::size_t touchedCells() const
    {
        std::size_t count = 0;
        for (const auto& row : rows_)
            count += row.size();
        return count;
    }

    void merge(const CellArea& area);
    void unmerge(const CellArea& area);
    const std::vector<CellArea>& mergedAreas() const { return merged_; }

    // Widths in characters of the default font's digit, as Excel's ColumnWidth.
    void setColumnWidth(int column, double width) { columnWidths_[column] = width; }
    double columnWidth(int column) const;
    const std::map<int, double>& columnWidths() const { return columnWidths_; }

private:
    CellData& growTo(int row, int column);

    Workbook* parent_;
    std::string name_;
    std::vector<std::vector<CellData>> rows_;
    CellStyles* styles_;  // the parent's
    std::vector<CellArea> merged_;
    std::map<int, double> columnWidths_;
    PageSetup pageSetup_;
};

// The width of a column no one has set, in Japanese Excel's default font.
inline constexpr double kStandardColumnWidth = 8.38;

}  // namespace schemist::excel
