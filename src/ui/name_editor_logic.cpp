// Name table editor rules.
#include "ui/name_editor_logic.h"

#include "platform/text.h"
#include "store/default_rows.h"

namespace schemist::ui {

const NameEditorInfo& nameEditorInfo(NameTableKind kind)
{
    static const NameEditorInfo top{"frmTopName", "接頭名称設定", kDefaultTopNameTable};
    static const NameEditorInfo end{"frmEndName", "接尾名称設定", kDefaultEndNameTable};
    static const NameEditorInfo full{"frmFullName", "名称設定", kDefaultFullNameTable};
    switch (kind) {
    case NameTableKind::Top: return top;
    case NameTableKind::End: return end;
    case NameTableKind::Full: break;
    }
    return full;
}

NameEditorLogic::NameEditorLogic(std::string storePath, NameTableKind kind)
    : TableEditorLogic(std::move(storePath), 2), kind_(kind)
{
}

std::optional<CellRef> NameEditorLogic::nextAfterEnter(CellRef from) const
{
    if (from.row + 1 < rowCount())
        return CellRef{from.row + 1, 1};
    return std::nullopt;
}

TableEditorLogic::Rows NameEditorLogic::readRows() const
{
    Rows rows;
    for (const NameCells& cells : LoadNameTable(storePath(), info().table))
        rows.push_back({cells[0], cells[1]});
    return rows;
}

void NameEditorLogic::writeRows() const
{
    std::vector<NameCells> rows;
    for (const auto& row : buffer())
        rows.push_back({row[0], row[1]});
    SaveNameTable(storePath(), info().table, rows);
}

std::optional<CellProblem> NameEditorLogic::checkLimits() const
{
    for (int r = 0; r < rowCount(); ++r)
        if (utf8Length(cell(r, 1)) > static_cast<std::size_t>(kMaxTextChars))
            return CellProblem{{r, 1}, kTextTooLongMessage};
    return std::nullopt;
}

}  // namespace schemist::ui
