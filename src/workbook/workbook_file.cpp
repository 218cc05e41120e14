// Workbook model -> BIFF8 book.
#include "workbook/workbook_file.h"

#include <algorithm>
#include <cmath>

#include "platform/error.h"
#include "platform/xls/biff_text.h"

namespace schemist::excel {
namespace {

constexpr double kDigitPixels = 8;         // "0" of ＭＳ Ｐゴシック 11 pt at 96 dpi
constexpr double kColumnPaddingPixels = 5;
constexpr std::uint16_t kLineTwips = 270;  // one line of the default font
constexpr std::uint16_t kMaxRowTwips = 8192;

xls::HAlign horizontal(int alignment)
{
    switch (alignment) {
    case xlLeft: return xls::HAlign::Left;
    case xlCenter: return xls::HAlign::Center;
    case xlRight: return xls::HAlign::Right;
    default: return xls::HAlign::General;
    }
}

xls::VAlign vertical(int alignment)
{
    switch (alignment) {
    case xlTop: return xls::VAlign::Top;
    case xlCenter: return xls::VAlign::Center;
    default: return xls::VAlign::Bottom;
    }
}

xls::Line line(const BorderLine& border)
{
    switch (border.lineStyle) {
    case xlLineStyleNone: return xls::Line::None;
    case xlDash: return xls::Line::Dashed;
    case xlDot: return xls::Line::Dotted;
    case xlDouble: return xls::Line::Double;
    default: break;
    }
    switch (border.weight) {
    case xlHairline: return xls::Line::Hair;
    case 3:
    case xlMedium: return xls::Line::Medium;
    case xlThick: return xls::Line::Thick;
    default: return xls::Line::Thin;
    }
}

xls::CellFormat cellFormat(const CellStyle& style)
{
    xls::CellFormat f;
    f.numberFormat = style.numberFormatLocal == kGeneralFormatLocal ? "General" : style.numberFormatLocal;
    f.horizontal = horizontal(style.horizontalAlignment);
    f.vertical = vertical(style.verticalAlignment);
    f.wrap = style.wrapText;
    f.left = line(style.edges[kLeftEdge]);
    f.top = line(style.edges[kTopEdge]);
    f.bottom = line(style.edges[kBottomEdge]);
    f.right = line(style.edges[kRightEdge]);
    return f;
}

// Display width in digit widths: narrow (ASCII, half-width katakana) 1, others 2.
double displayUnits(std::u16string_view text)
{
    double units = 0;
    for (char16_t c : text) {
        if (c >= 0xDC00 && c <= 0xDFFF)
            continue;  // second half of a pair
        units += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
    }
    return units;
}

// The lines a wrapped text takes in a column of the given width.
int wrappedLines(const std::string& text, double width)
{
    std::u16string t = xls::toUtf16(text);
    int lines = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = t.find(u'\n', start);
        double units = displayUnits(std::u16string_view(t).substr(start, end - start));
        lines += std::max(1, static_cast<int>(std::ceil(units / std::max(width, 1.0))));
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

bool inMergedArea(const Worksheet& sheet, int row, int column)
{
    for (const CellArea& a : sheet.mergedAreas())
        if (a.contains(row, column))
            return true;
    return false;
}

// The cell formats of the saved file: one per distinct cell style, numbered
// in the order the sheets first use them.
class FormatTable {
public:
    explicit FormatTable(std::vector<xls::CellFormat>& formats) : formats_(formats) {}

    std::uint32_t indexOf(const Worksheet& sheet, StyleId id)
    {
        if (id >= formatOf_.size())
            formatOf_.resize(sheet.styleCount(), kNotYet);
        if (formatOf_[id] == kNotYet) {
            formatOf_[id] = static_cast<std::uint32_t>(formats_.size());
            formats_.push_back(cellFormat(sheet.style(id)));
        }
        return formatOf_[id];
    }

private:
    static constexpr std::uint32_t kNotYet = ~std::uint32_t{0};
    std::vector<xls::CellFormat>& formats_;
    std::vector<std::uint32_t> formatOf_;  // by StyleId
};

xls::Sheet toXlsSheet(const Worksheet& sheet, FormatTable& formatTable)
{
    xls::Sheet out;
    out.name = sheet.name();
    std::map<int, int> rowLines;
    out.cells.reserve(sheet.touchedCells());
    sheet.forEachCell([&](int row, int column, const CellData& data) {
        bool empty = std::holds_alternative<std::monostate>(data.value);
        if (empty && data.style == kPlainStyle)
            return;  // never touched in a way the file would show
        xls::Cell cell;
        cell.row = static_cast<std::uint32_t>(row);
        cell.column = static_cast<std::uint16_t>(column);
        cell.format = formatTable.indexOf(sheet, data.style);
        if (const auto* text = std::get_if<std::string>(&data.value)) {
            cell.kind = xls::Cell::Kind::Text;
            cell.text = *text;
            // Excel fits the height of rows without a set height to wrapped text.
            if (sheet.style(data.style).wrapText && !inMergedArea(sheet, row, column))
                rowLines[row] = std::max(rowLines[row], wrappedLines(*text, sheet.columnWidth(column)));
        } else if (const auto* number = std::get_if<double>(&data.value)) {
            cell.kind = xls::Cell::Kind::Number;
            cell.number = *number;
        }
        out.cells.push_back(std::move(cell));
    });
    for (const auto& [row, lines] : rowLines)
        if (lines > 1)
            out.rowHeights.push_back(
                {static_cast<std::uint32_t>(row),
                 static_cast<std::uint16_t>(std::min<int>(lines * kLineTwips, kMaxRowTwips))});
    for (const auto& [column, width] : sheet.columnWidths())
        out.columns.push_back({static_cast<std::uint16_t>(column), columnWidthUnits(width)});
    for (const CellArea& a : sheet.mergedAreas())
        out.merged.push_back({static_cast<std::uint32_t>(a.firstRow), static_cast<std::uint32_t>(a.lastRow),
                              static_cast<std::uint16_t>(a.firstColumn), static_cast<std::uint16_t>(a.lastColumn)});
    const PageSetup& page = sheet.pageSetup();
    out.header = headerFooterString(page.leftHeader, page.centerHeader, page.rightHeader);
    out.footer = headerFooterString(page.leftFooter, page.centerFooter, page.rightFooter);
    for (const std::string* text : {&out.header, &out.footer})
        if (xls::toUtf16(*text).size() > xls::kMaxHeaderFooterLength)
            throw Error("シート「" + sheet.name() + "」: ヘッダーまたはフッターが255文字を超えています");
    return out;
}

}  // namespace

std::string headerFooterString(const std::string& left, const std::string& center, const std::string& right)
{
    std::string out;
    if (!left.empty())
        out += "&L" + left;
    if (!center.empty())
        out += "&C" + center;
    if (!right.empty())
        out += "&R" + right;
    return out;
}

std::uint16_t columnWidthUnits(double characters)
{
    double pixels = characters < 1 ? std::round(characters * (kDigitPixels + kColumnPaddingPixels))
                                   : std::round(characters * kDigitPixels) + kColumnPaddingPixels;
    return static_cast<std::uint16_t>(std::min(65535.0, pixels * 256 / kDigitPixels));
}

namespace {

template <typename Book, typename Each>
xls::Book convertBook(Book& workbook, Each&& afterSheet)
{
    xls::Book book;
    FormatTable formatTable(book.formats);
    workbook.sheets().forEach([&](auto& sheet) {
        book.sheets.push_back(toXlsSheet(sheet, formatTable));
        afterSheet(sheet);
    });
    book.activeSheet = static_cast<std::size_t>(workbook.activeSheet().index() - 1);
    if (book.formats.empty())
        book.formats.push_back(xls::CellFormat{});
    return book;
}

}  // namespace

xls::Book toXlsBook(const Workbook& workbook)
{
    return convertBook(workbook, [](const Worksheet&) {});
}

xls::Book toXlsBookReleasingCells(Workbook& workbook)
{
    return convertBook(workbook, [](Worksheet& sheet) { sheet.releaseCells(); });
}

}  // namespace schemist::excel
