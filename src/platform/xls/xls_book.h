// The workbook as the BIFF8 writer sees it: sheets of cells that each point
// at a cell format, column widths, row heights, merged areas and the page
// header and footer. Texts are UTF-8; rows and columns are 0-based.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace schemist::xls {

// BIFF8 limits of the .xls format.
inline constexpr std::uint32_t kMaxRows = 65536;
inline constexpr std::uint16_t kMaxColumns = 256;
inline constexpr std::size_t kMaxSheetNameLength = 31;       // UTF-16 units
inline constexpr std::size_t kMaxHeaderFooterLength = 255;   // UTF-16 units

// Border line styles, with the codes the XF record stores.
enum class Line : std::uint8_t { None = 0, Thin = 1, Medium = 2, Dashed = 3, Dotted = 4, Thick = 5, Double = 6, Hair = 7 };

// Horizontal and vertical alignment codes of the XF record.
enum class HAlign : std::uint8_t { General = 0, Left = 1, Center = 2, Right = 3 };
enum class VAlign : std::uint8_t { Top = 0, Center = 1, Bottom = 2 };

struct CellFormat {
    std::string numberFormat = "General";  // a format code: "General", "@", "0.00", ...
    HAlign horizontal = HAlign::General;
    VAlign vertical = VAlign::Bottom;
    bool wrap = false;
    Line left = Line::None;
    Line right = Line::None;
    Line top = Line::None;
    Line bottom = Line::None;

    bool operator==(const CellFormat&) const = default;
};

struct Cell {
    enum class Kind : std::uint8_t { Blank, Text, Number };
    std::uint32_t row = 0;
    std::uint16_t column = 0;
    Kind kind = Kind::Blank;
    std::string text;
    double number = 0;
    std::uint32_t format = 0;  // index into Book::formats
};

struct Area {
    std::uint32_t firstRow = 0, lastRow = 0;
    std::uint16_t firstColumn = 0, lastColumn = 0;
};

struct ColumnWidth {
    std::uint16_t column = 0;
    std::uint16_t width = 0;  // in 1/256 of the width of the digit "0" of the default font
};

struct RowHeight {
    std::uint32_t row = 0;
    std::uint16_t twips = 0;
};

struct Sheet {
    std::string name;
    std::vector<Cell> cells;          // any order; the writer sorts them
    std::vector<ColumnWidth> columns;
    std::vector<RowHeight> rowHeights;
    std::vector<Area> merged;
    std::string header;               // page header with its &L/&C/&R codes; empty = none
    std::string footer;
};

struct Book {
    std::string fontName = "ＭＳ Ｐゴシック";
    std::uint16_t fontHeightTwips = 220;  // 11 pt
    std::uint8_t fontCharset = 128;       // SHIFTJIS_CHARSET
    std::uint16_t defaultRowTwips = 270;  // 13.5 pt, the row height of the 11 pt default font
    std::vector<CellFormat> formats;      // cell formats the cells refer to
    std::vector<Sheet> sheets;            // at least one
    std::size_t activeSheet = 0;          // the sheet shown (and selected) on opening
};

}  // namespace schemist::xls
