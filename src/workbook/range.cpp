// Range: the cell properties, and borders by edge number.
#include "workbook/range.h"

#include "platform/error.h"

#include <array>
#include <utility>

namespace schemist::excel {
namespace {

// Changes the style of cells by `change`. Cells that share a style share the
// changed one, so each distinct style is changed and looked up once.
template <typename Change>
class Restyle {
public:
    Restyle(Worksheet& sheet, Change change) : sheet_(&sheet), change_(std::move(change)) {}

    void operator()(CellData& cell)
    {
        for (const auto& [from, to] : changed_)
            if (from == cell.style) {
                cell.style = to;
                return;
            }
        CellStyle style = sheet_->style(cell.style);
        change_(style);
        StyleId to = sheet_->styleId(style);
        changed_.emplace_back(cell.style, to);
        cell.style = to;
    }

private:
    Worksheet* sheet_;
    Change change_;
    // What each style met so far became; a range holds cells of a few styles.
    std::vector<std::pair<StyleId, StyleId>> changed_;
};

}  // namespace

Border::Border(const Range& range, int edge) : sheet_(range.sheet_), areas_(range.areas()), edge_(edge) {}

Border Range::borders(int edge)
{
    if (edge < xlEdgeLeft || edge > xlInsideHorizontal)
        throw Error("罫線の位置 " + std::to_string(edge) + " は使えません");
    return Border(*this, edge);
}

// Applies `change` to every cell edge the border covers, area by area:
// the outer edges touch the cells along that side; the inside lines touch
// both cells that share each line.
template <typename Change>
void Border::apply(Change change)
{
    auto restyleEdge = [&](CellEdge which) {
        return Restyle(*sheet_, [&change, which](CellStyle& style) { change(style.edges[which]); });
    };
    // by CellEdge
    std::array restyles{restyleEdge(kLeftEdge), restyleEdge(kTopEdge), restyleEdge(kBottomEdge),
                        restyleEdge(kRightEdge)};
    auto edge = [&](int r, int c, CellEdge which) { restyles[which](sheet_->cell(r, c)); };
    for (const CellArea& a : areas_) {
        switch (edge_) {
        case xlEdgeLeft:
            for (int r = a.firstRow; r <= a.lastRow; ++r)
                edge(r, a.firstColumn, kLeftEdge);
            break;
        case xlEdgeRight:
            for (int r = a.firstRow; r <= a.lastRow; ++r)
                edge(r, a.lastColumn, kRightEdge);
            break;
        case xlEdgeTop:
            for (int c = a.firstColumn; c <= a.lastColumn; ++c)
                edge(a.firstRow, c, kTopEdge);
            break;
        case xlEdgeBottom:
            for (int c = a.firstColumn; c <= a.lastColumn; ++c)
                edge(a.lastRow, c, kBottomEdge);
            break;
        case xlInsideVertical:
            for (int r = a.firstRow; r <= a.lastRow; ++r)
                for (int c = a.firstColumn; c < a.lastColumn; ++c) {
                    edge(r, c, kRightEdge);
                    edge(r, c + 1, kLeftEdge);
                }
            break;
        case xlInsideHorizontal:
            for (int r = a.firstRow; r < a.lastRow; ++r)
                for (int c = a.firstColumn; c <= a.lastColumn; ++c) {
                    edge(r, c, kBottomEdge);
                    edge(r + 1, c, kTopEdge);
                }
            break;
        }
    }
}

void Border::setLineStyle(int lineStyle)
{
    if (lineStyle != xlContinuous && lineStyle != xlDash && lineStyle != xlDot && lineStyle != xlDouble &&
        lineStyle != xlLineStyleNone)
        throw Error("罫線の種類 " + std::to_string(lineStyle) + " は使えません");
    apply([&](BorderLine& line) { line.lineStyle = lineStyle; });
}

void Border::setWeight(int weight)
{
    if (weight != xlHairline && weight != xlThin && weight != 3 && weight != xlMedium && weight != xlThick)
        throw Error("罫線の太さ " + std::to_string(weight) + " は使えません");
    apply([&](BorderLine& line) {
        line.weight = weight;
        if (line.lineStyle == xlLineStyleNone)
            line.lineStyle = xlContinuous;
    });
}

void Range::setValue(const Value& value)
{
    const std::string* text = std::get_if<std::string>(&value);
    Value stored = text && text->empty() ? Value() : value;
    forEachCell([&](CellData& cell) { cell.value = stored; });
}

template <typename Grid, typename Assign>
void Range::assignGrid(const Grid& grid, Assign assign)
{
    const CellArea& a = areas_.front();
    for (int r = a.firstRow; r <= a.lastRow && static_cast<std::size_t>(r - a.firstRow) < grid.size(); ++r) {
        const auto& row = grid[r - a.firstRow];
        for (int c = a.firstColumn; c <= a.lastColumn && static_cast<std::size_t>(c - a.firstColumn) < row.size(); ++c)
            assign(sheet_->cell(r, c), row[c - a.firstColumn]);
    }
}

void Range::setValues(const std::vector<std::vector<Value>>& grid)
{
    assignGrid(grid, [](CellData& cell, const Value& v) {
        const std::string* text = std::get_if<std::string>(&v);
        cell.value = text && text->empty() ? Value() : v;
    });
}

void Range::setHorizontalAlignment(int alignment)
{
    if (alignment != xlGeneral && alignment != xlLeft && alignment != xlCenter && alignment != xlRight)
        throw Error("横位置 " + std::to_string(alignment) + " は使えません");
    forEachCell(Restyle(*sheet_, [&](CellStyle& style) { style.horizontalAlignment = alignment; }));
}

void Range::setVerticalAlignment(int alignment)
{
    if (alignment != xlTop && alignment != xlCenter && alignment != xlBottom)
        throw Error("縦位置 " + std::to_string(alignment) + " は使えません");
    forEachCell(Restyle(*sheet_, [&](CellStyle& style) { style.verticalAlignment = alignment; }));
}

void Range::setWrapText(bool wrap)
{
    forEachCell(Restyle(*sheet_, [&](CellStyle& style) { style.wrapText = wrap; }));
}

void Range::setMergeCells(bool merge)
{
    for (const CellArea& a : areas_)
        merge ? sheet_->merge(a) : sheet_->unmerge(a);
}

void Range::setNumberFormatLocal(const std::string& format)
{
    forEachCell(Restyle(*sheet_, [&](CellStyle& style) { style.numberFormatLocal = format; }));
}

void Range::setNumberFormatLocal(const std::vector<std::vector<std::string>>& grid)
{
    // A grid repeats a few formats over cells of a few styles: each pair of
    // a style and a format is looked up once.
    struct Change {
        StyleId from;
        const std::string* format;
        StyleId to;
    };
    std::vector<Change> changes;
    Worksheet& sheet = *sheet_;
    assignGrid(grid, [&](CellData& cell, const std::string& format) {
        for (const Change& change : changes)
            if (change.from == cell.style && *change.format == format) {
                cell.style = change.to;
                return;
            }
        CellStyle style = sheet.style(cell.style);
        style.numberFormatLocal = format;
        StyleId to = sheet.styleId(style);
        changes.push_back({cell.style, &format, to});
        cell.style = to;
    });
}

void Range::setColumnWidth(double width)
{
    if (!(width >= 0 && width <= 255))
        throw Error("列幅 " + std::to_string(width) + " は使えません (0 から 255)");
    for (const CellArea& a : areas_)
        for (int c = a.firstColumn; c <= a.lastColumn; ++c)
            sheet_->setColumnWidth(c, width);
}

}  // namespace schemist::excel
