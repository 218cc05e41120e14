// BIFF8 workbook stream writer. Layout follows [MS-XLS] 2.1.7.20 (globals
// substream, then one worksheet substream per sheet).
#include "platform/xls/xls_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <unordered_map>

#include "platform/xls/biff_stream.h"
#include "platform/xls/biff_text.h"
#include "platform/xls/compound_file.h"

namespace schemist::xls {
namespace {

constexpr std::uint16_t kStyleXfCount = 15;
constexpr std::uint16_t kDefaultCellXf = 15;
constexpr std::uint16_t kFirstCellXf = 16;
constexpr std::uint16_t kMaxXf = 4050;
constexpr std::uint16_t kFirstCustomFormat = 164;
constexpr std::uint8_t kAutomaticColour = 64;
constexpr std::size_t kRowsPerBlock = 32;

void bof(BiffStream& out, std::uint16_t substreamType)
{
    ByteBuffer d;
    d.u16(0x0600);  // BIFF8
    d.u16(substreamType);
    d.u16(0x0DBB);  // build
    d.u16(0x07CC);  // year
    d.u32(0);       // file history flags
    d.u32(0x0006);  // lowest BIFF version that can read everything here
    out.record(record::kBof, d);
}

void uint16Record(BiffStream& out, std::uint16_t id, std::uint16_t value)
{
    ByteBuffer d;
    d.u16(value);
    out.record(id, d);
}

// Number formats: built-in ids need no record; others get ids from 164 on in
// the order of first use.
class NumberFormats {
public:
    explicit NumberFormats(const std::vector<CellFormat>& formats)
    {
        for (const CellFormat& f : formats) {
            if (builtInNumberFormat(f.numberFormat) < 0 && !custom_.count(f.numberFormat)) {
                auto id = static_cast<std::uint16_t>(kFirstCustomFormat + custom_.size());
                custom_.emplace(f.numberFormat, id);
                order_.push_back(f.numberFormat);
            }
        }
    }
    std::uint16_t id(const std::string& code) const
    {
        int builtIn = builtInNumberFormat(code);
        return builtIn >= 0 ? static_cast<std::uint16_t>(builtIn) : custom_.at(code);
    }
    void write(BiffStream& out) const
    {
        for (const std::string& code : order_) {
            ByteBuffer d;
            d.u16(custom_.at(code));
            appendString(d, toUtf16(code));
            out.record(record::kFormat, d);
        }
    }

private:
    std::map<std::string, std::uint16_t> custom_;
    std::vector<std::string> order_;
};

void font(BiffStream& out, const Book& book)
{
    ByteBuffer d;
    d.u16(book.fontHeightTwips);
    d.u16(0);       // not bold, italic, struck out
    d.u16(0x7FFF);  // automatic colour
    d.u16(400);     // normal weight
    d.u16(0);       // no super/subscript
    d.u8(0);        // no underline
    d.u8(3);        // family: modern
    d.u8(book.fontCharset);
    d.u8(0);
    appendShortString(d, toUtf16(book.fontName));
    out.record(record::kFont, d);
}

std::uint8_t lineColour(Line line) { return line == Line::None ? 0 : kAutomaticColour; }

void xf(BiffStream& out, std::uint16_t numberFormat, std::uint16_t typeAndParent, std::uint8_t usedAttributes,
        const CellFormat& f)
{
    ByteBuffer d;
    d.u16(0);  // font 0
    d.u16(numberFormat);
    d.u16(typeAndParent);
    d.u8(static_cast<std::uint8_t>(static_cast<unsigned>(f.horizontal) | (f.wrap ? 0x08 : 0) |
                                   (static_cast<unsigned>(f.vertical) << 4)));
    d.u8(0);  // no rotation
    d.u8(0);  // no indent, no shrink, context reading order
    d.u8(usedAttributes);
    d.u32(static_cast<std::uint32_t>(f.left) | static_cast<std::uint32_t>(f.right) << 4 |
          static_cast<std::uint32_t>(f.top) << 8 | static_cast<std::uint32_t>(f.bottom) << 12 |
          static_cast<std::uint32_t>(lineColour(f.left)) << 16 |
          static_cast<std::uint32_t>(lineColour(f.right)) << 23);
    d.u32(static_cast<std::uint32_t>(lineColour(f.top)) | static_cast<std::uint32_t>(lineColour(f.bottom)) << 7);
    d.u16(0x20C0);  // pattern colours: automatic foreground (64) and background (65)
    out.record(record::kXf, d);
}

void xfTable(BiffStream& out, const Book& book, const NumberFormats& numberFormats)
{
    const CellFormat plain;
    // Style XFs: Normal (all attributes valid), then the 14 that Excel keeps
    // for its built-in outline styles (only the font valid).
    constexpr std::uint16_t kStyleXf = 0xFFF5;  // locked, style, no parent
    for (std::uint16_t i = 0; i < kStyleXfCount; ++i)
        xf(out, 0, kStyleXf, i == 0 ? 0x00 : 0xF4, plain);
    xf(out, 0, 0x0001, 0x00, plain);  // default cell XF: locked, parent Normal, all from the style
    for (const CellFormat& f : book.formats)
        xf(out, numberFormats.id(f.numberFormat), 0x0001, 0xFC, f);
}

void globals(BiffStream& out, const Book& book, const std::vector<std::u16string>& strings,
             std::uint32_t references, std::vector<std::size_t>& sheetOffsetSlots)
{
    bof(out, 0x0005);
    uint16Record(out, record::kCodePage, 1200);
    {
        ByteBuffer d;
        d.u16(0);       // window position and size, in twips
        d.u16(0);
        d.u16(0x4000);
        d.u16(0x2000);
        d.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
        d.u16(static_cast<std::uint16_t>(book.activeSheet));
        d.u16(0);       // first visible tab
        d.u16(1);       // selected sheets
        d.u16(0x0258);  // tab bar width ratio (60 %)
        out.record(record::kWindow1, d);
    }
    uint16Record(out, record::kDateMode, 0);
    for (int i = 0; i < 5; ++i)
        font(out, book);
    NumberFormats numberFormats(book.formats);
    numberFormats.write(out);
    xfTable(out, book, numberFormats);
    {
        ByteBuffer d;
        d.u16(0x8000);  // built-in style of style XF 0
        d.u8(0);        // Normal
        d.u8(0xFF);
        out.record(record::kStyle, d);
    }
    for (const Sheet& sheet : book.sheets) {
        ByteBuffer d;
        d.u32(0);  // stream offset of the sheet's BOF, patched once known
        d.u8(0);   // visible
        d.u8(0);   // worksheet
        appendShortString(d, toUtf16(sheet.name));
        sheetOffsetSlots.push_back(out.offset() + 4);
        out.record(record::kBoundSheet, d);
    }
    writeSharedStrings(out, strings, references);
    out.record(record::kEof, std::string_view());
}

void headerFooter(BiffStream& out, std::uint16_t id, const std::string& text)
{
    ByteBuffer d;
    if (!text.empty())
        appendString(d, toUtf16(text));
    out.record(id, d);
}

void rowRecord(BiffStream& out, std::uint32_t row, std::uint16_t firstColumn, std::uint16_t endColumn,
               std::uint16_t height)
{
    ByteBuffer d;
    d.u16(static_cast<std::uint16_t>(row));
    d.u16(firstColumn);
    d.u16(endColumn);
    d.u16(height);
    d.u16(0);
    d.u16(0);
    d.u32(0x0100);  // the bit Excel always sets; height not marked manual, so readers may refit it
    out.record(record::kRow, d);
}

// Writes the cells of one row; runs of formatted blanks become one MULBLANK.
void rowCells(BiffStream& out, const std::vector<const Cell*>& cells, const std::vector<std::uint32_t>& sstIndex,
              const std::vector<std::size_t>& cellOrdinal)
{
    for (std::size_t i = 0; i < cells.size();) {
        const Cell& c = *cells[i];
        auto ixfe = static_cast<std::uint16_t>(kFirstCellXf + c.format);
        ByteBuffer d;
        d.u16(static_cast<std::uint16_t>(c.row));
        d.u16(c.column);
        if (c.kind == Cell::Kind::Text) {
            d.u16(ixfe);
            d.u32(sstIndex[cellOrdinal[i]]);
            out.record(record::kLabelSst, d);
            ++i;
        } else if (c.kind == Cell::Kind::Number) {
            d.u16(ixfe);
            d.f64(c.number);
            out.record(record::kNumber, d);
            ++i;
        } else {
            std::size_t end = i + 1;
            while (end < cells.size() && cells[end]->kind == Cell::Kind::Blank &&
                   cells[end]->column == cells[end - 1]->column + 1)
                ++end;
            if (end - i == 1) {
                d.u16(ixfe);
                out.record(record::kBlank, d);
            } else {
                for (std::size_t k = i; k < end; ++k)
                    d.u16(static_cast<std::uint16_t>(kFirstCellXf + cells[k]->format));
                d.u16(cells[end - 1]->column);
                out.record(record::kMulBlank, d);
            }
            i = end;
        }
    }
}

struct SheetCells {
    std::vector<const Cell*> sorted;
    std::vector<std::size_t> ordinal;  // position of each sorted cell among the text cells' SST indexes
};

void worksheet(BiffStream& out, const Book& book, const Sheet& sheet, const SheetCells& cells,
               const std::vector<std::uint32_t>& sstIndex, bool active)
{
    bof(out, 0x0010);
    {
        ByteBuffer d;
        d.u16(0);
        d.u16(book.defaultRowTwips);
        out.record(record::kDefaultRowHeight, d);
    }
    headerFooter(out, record::kHeader, sheet.header);
    headerFooter(out, record::kFooter, sheet.footer);
    uint16Record(out, record::kDefColWidth, 8);
    for (const ColumnWidth& c : sheet.columns) {
        ByteBuffer d;
        d.u16(c.column);
        d.u16(c.column);
        d.u16(c.width);
        d.u16(kDefaultCellXf);
        d.u16(0x0002);  // width set by the user
        d.u16(0);
        out.record(record::kColInfo, d);
    }

    const auto& sorted = cells.sorted;
    std::map<std::uint32_t, std::uint16_t> heights;
    for (const RowHeight& h : sheet.rowHeights)
        heights[h.row] = h.twips;
    {
        ByteBuffer d;
        std::uint32_t firstRow = 0, endRow = 0;
        std::uint16_t firstColumn = 0, endColumn = 0;
        if (!sorted.empty()) {
            firstRow = sorted.front()->row;
            endRow = sorted.back()->row + 1;
            firstColumn = kMaxColumns - 1;
            for (const Cell* c : sorted) {
                firstColumn = std::min(firstColumn, c->column);
                endColumn = std::max<std::uint16_t>(endColumn, c->column + 1);
            }
        }
        d.u32(firstRow);
        d.u32(endRow);
        d.u16(firstColumn);
        d.u16(endColumn);
        d.u16(0);
        out.record(record::kDimensions, d);
    }

    // Rows that hold cells, each with its range of cells, in blocks of 32.
    struct RowSpan {
        std::uint32_t row;
        std::size_t begin, end;
    };
    std::vector<RowSpan> rows;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t end = i;
        while (end < sorted.size() && sorted[end]->row == sorted[i]->row)
            ++end;
        rows.push_back({sorted[i]->row, i, end});
        i = end;
    }
    for (std::size_t block = 0; block < rows.size(); block += kRowsPerBlock) {
        std::size_t blockEnd = std::min(rows.size(), block + kRowsPerBlock);
        for (std::size_t r = block; r < blockEnd; ++r) {
            auto h = heights.find(rows[r].row);
            rowRecord(out, rows[r].row, sorted[rows[r].begin]->column,
                      static_cast<std::uint16_t>(sorted[rows[r].end - 1]->column + 1),
                      h == heights.end() ? book.defaultRowTwips : h->second);
        }
        for (std::size_t r = block; r < blockEnd; ++r) {
            std::vector<const Cell*> rowCellsOf(sorted.begin() + rows[r].begin, sorted.begin() + rows[r].end);
            std::vector<std::size_t> ordinals(cells.ordinal.begin() + rows[r].begin,
                                              cells.ordinal.begin() + rows[r].end);
            rowCells(out, rowCellsOf, sstIndex, ordinals);
        }
    }

    {
        ByteBuffer d;
        // Grid lines, headings, zeros, automatic grid colour, outline symbols;
        // the active sheet is also selected and shown.
        d.u16(active ? 0x06B6 : 0x00B6);
        d.u16(0);  // top row
        d.u16(0);  // left column
        d.u16(kAutomaticColour);
        d.u16(0);
        d.u16(0);  // zoom in page-break preview: default
        d.u16(0);  // zoom in normal view: default
        d.u32(0);
        out.record(record::kWindow2, d);
    }
    constexpr std::size_t kMergesPerRecord = 1026;
    for (std::size_t i = 0; i < sheet.merged.size(); i += kMergesPerRecord) {
        std::size_t end = std::min(sheet.merged.size(), i + kMergesPerRecord);
        ByteBuffer d;
        d.u16(static_cast<std::uint16_t>(end - i));
        for (std::size_t k = i; k < end; ++k) {
            const Area& a = sheet.merged[k];
            d.u16(static_cast<std::uint16_t>(a.firstRow));
            d.u16(static_cast<std::uint16_t>(a.lastRow));
            d.u16(a.firstColumn);
            d.u16(a.lastColumn);
        }
        out.record(record::kMergedCells, d);
    }
    out.record(record::kEof, std::string_view());
}

std::size_t utf16Length(const std::string& text) { return toUtf16(text).size(); }

void checkBook(const Book& book)
{
    if (book.sheets.empty())
        throw std::invalid_argument("a workbook needs at least one sheet");
    if (book.activeSheet >= book.sheets.size())
        throw std::invalid_argument("the active sheet is not in the workbook");
    if (book.formats.size() > kMaxXf - kFirstCellXf)
        throw std::invalid_argument("too many cell formats");
    for (const Sheet& sheet : book.sheets) {
        if (sheet.name.empty() || utf16Length(sheet.name) > kMaxSheetNameLength)
            throw std::invalid_argument("sheet name empty or over 31 characters: " + sheet.name);
        if (utf16Length(sheet.header) > kMaxHeaderFooterLength || utf16Length(sheet.footer) > kMaxHeaderFooterLength)
            throw std::invalid_argument("header or footer over 255 characters on sheet " + sheet.name);
        for (const Cell& c : sheet.cells)
            if (c.row >= kMaxRows || c.column >= kMaxColumns || c.format >= book.formats.size())
                throw std::invalid_argument("cell out of range or without format on sheet " + sheet.name);
        for (const Area& a : sheet.merged)
            if (a.lastRow >= kMaxRows || a.lastColumn >= kMaxColumns || a.firstRow > a.lastRow ||
                a.firstColumn > a.lastColumn)
                throw std::invalid_argument("bad merged area on sheet " + sheet.name);
    }
}

}  // namespace

int builtInNumberFormat(const std::string& code)
{
    static const std::unordered_map<std::string, int> kBuiltIn = {
        {"General", 0}, {"0", 1},     {"0.00", 2},      {"#,##0", 3}, {"#,##0.00", 4},
        {"0%", 9},      {"0.00%", 10}, {"0.00E+00", 11}, {"@", 49}};
    auto it = kBuiltIn.find(code);
    return it == kBuiltIn.end() ? -1 : it->second;
}

std::string buildWorkbookStream(const Book& book)
{
    checkBook(book);

    // Cells in row-major order; the shared strings in order of first use.
    std::vector<SheetCells> sheetCells(book.sheets.size());
    std::vector<std::u16string> strings;
    std::vector<std::uint32_t> sstIndex;
    std::unordered_map<std::string, std::uint32_t> known;
    for (std::size_t s = 0; s < book.sheets.size(); ++s) {
        auto& sorted = sheetCells[s].sorted;
        for (const Cell& c : book.sheets[s].cells)
            sorted.push_back(&c);
        std::stable_sort(sorted.begin(), sorted.end(), [](const Cell* a, const Cell* b) {
            return a->row != b->row ? a->row < b->row : a->column < b->column;
        });
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            if (i > 0 && sorted[i]->row == sorted[i - 1]->row && sorted[i]->column == sorted[i - 1]->column)
                throw std::invalid_argument("two cells at one position on sheet " + book.sheets[s].name);
            sheetCells[s].ordinal.push_back(sstIndex.size());
            if (sorted[i]->kind != Cell::Kind::Text)
                continue;
            auto [it, added] = known.emplace(sorted[i]->text, static_cast<std::uint32_t>(strings.size()));
            if (added)
                strings.push_back(toUtf16(sorted[i]->text));
            sstIndex.push_back(it->second);
        }
    }

    BiffStream out;
    std::vector<std::size_t> offsetSlots;
    globals(out, book, strings, static_cast<std::uint32_t>(sstIndex.size()), offsetSlots);
    for (std::size_t s = 0; s < book.sheets.size(); ++s) {
        out.patchU32(offsetSlots[s], static_cast<std::uint32_t>(out.offset()));
        worksheet(out, book, book.sheets[s], sheetCells[s], sstIndex, s == book.activeSheet);
    }
    out.padTo(kMiniStreamCutoff);
    return out.take();
}

std::string buildXlsFile(const Book& book) { return buildCompoundFile(u"Workbook", buildWorkbookStream(book)); }

}  // namespace schemist::xls
