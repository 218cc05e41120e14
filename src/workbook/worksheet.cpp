// Worksheet: naming, merged areas and column widths.
#include "workbook/worksheet.h"

#include <algorithm>

#include "platform/error.h"
#include "workbook/range.h"
#include "workbook/sheet_name.h"
#include "workbook/workbook.h"

namespace schemist::excel {

Worksheet::Worksheet(Workbook& parent, std::string name)
    : parent_(&parent), name_(std::move(name)), styles_(&parent.cellStyles())
{
}

void Worksheet::setName(const std::string& name)
{
    if (auto problem = sheetNameProblem(name))
        throw Error("シート名「" + name + "」は使えません: " + *problem);
    if (parent_->sheets().hasName(name, this))
        throw Error("シート名「" + name + "」は既にあります");
    parent_->sheets().renamed(name_, name);
    name_ = name;
    parent_->markChanged();
}

int Worksheet::index() const { return parent_->sheets().indexOf(*this); }

void Worksheet::deleteSheet() { parent_->sheets().remove(*this); }

Range Worksheet::range(std::string_view address) { return Range(*this, parseRangeAddress(address)); }

Range Worksheet::columns(std::string_view address)
{
    std::vector<CellArea> areas = parseRangeAddress(address);
    for (CellArea& a : areas) {
        a.firstRow = 0;
        a.lastRow = kSheetRows - 1;
    }
    return Range(*this, std::move(areas));
}

void Worksheet::merge(const CellArea& area)
{
    for (const CellArea& m : merged_)
        if (m.intersects(area) && !(m == area))
            throw Error("シート「" + name_ + "」: 結合セル " + cellName(m.firstRow, m.firstColumn) +
                        " と重なる範囲は結合できません");
    if (std::find(merged_.begin(), merged_.end(), area) == merged_.end() &&
        (area.firstRow != area.lastRow || area.firstColumn != area.lastColumn))
        merged_.push_back(area);
    // Only the top-left cell keeps its value, as when Excel merges without alerts.
    for (int r = area.firstRow; r <= area.lastRow; ++r)
        for (int c = area.firstColumn; c <= area.lastColumn; ++c)
            if ((r != area.firstRow || c != area.firstColumn) && static_cast<std::size_t>(r) < rows_.size() &&
                static_cast<std::size_t>(c) < rows_[r].size())
                rows_[r][c].value = std::monostate();
}

void Worksheet::unmerge(const CellArea& area)
{
    std::erase_if(merged_, [&](const CellArea& m) { return m.intersects(area); });
}

CellStyles::CellStyles() : styles_(1)
{
    ids_.emplace(styles_.front(), kPlainStyle);
}

std::size_t CellStyles::Hash::operator()(const CellStyle& style) const
{
    std::size_t h = std::hash<std::string>()(style.numberFormatLocal);
    auto mix = [&h](int value) { h = h * 31 + static_cast<std::size_t>(value); };
    mix(style.horizontalAlignment);
    mix(style.verticalAlignment);
    mix(style.wrapText);
    for (const BorderLine& edge : style.edges) {
        mix(edge.lineStyle);
        mix(edge.weight);
    }
    return h;
}

StyleId CellStyles::idOf(const CellStyle& style)
{
    // Neighbouring cells mostly share a style: the last one found is tried
    // before the index.
    if (styles_[last_] == style)
        return last_;
    auto found = ids_.find(style);
    if (found == ids_.end()) {
        found = ids_.emplace(style, static_cast<StyleId>(styles_.size())).first;
        styles_.push_back(style);
    }
    last_ = found->second;
    return last_;
}

CellData& Worksheet::growTo(int row, int column)
{
    if (static_cast<std::size_t>(row) >= rows_.size())
        rows_.resize(row + 1);
    auto& cells = rows_[row];
    if (static_cast<std::size_t>(column) >= cells.size())
        cells.resize(column + 1);
    return cells[column];
}

const CellStyle& Worksheet::styleAt(int row, int column) const
{
    if (static_cast<std::size_t>(row) >= rows_.size() || static_cast<std::size_t>(column) >= rows_[row].size())
        return style(kPlainStyle);
    return style(rows_[row][column].style);
}

double Worksheet::columnWidth(int column) const
{
    auto it = columnWidths_.find(column);
    return it == columnWidths_.end() ? kStandardColumnWidth : it->second;
}

}  // namespace schemist::excel
