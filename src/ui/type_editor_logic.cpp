// Type table editor rules.
#include "ui/type_editor_logic.h"

#include "platform/text.h"

namespace schemist::ui {

TypeEditorLogic::TypeEditorLogic(std::string storePath) : TableEditorLogic(std::move(storePath), kTypeColumns) {}

int TypeEditorLogic::addRow()
{
    std::vector<std::string> row(kTypeColumns);
    for (int c = 0; c < kTypeColumns; ++c)
        row[c] = isTypeNameColumn(c) ? "" : isLengthFlagColumn(c) ? "False" : "0";
    bool wasLoading = loading();
    setLoading(true);
    buffer().push_back(std::move(row));
    setLoading(wasLoading);
    return rowCount() - 1;
}

std::optional<CellRef> TypeEditorLogic::nextAfterEnter(CellRef from) const
{
    if (from.column + 1 < kTypeColumns)
        return CellRef{from.row, from.column + 1};
    if (from.row + 1 < rowCount())
        return CellRef{from.row + 1, 0};
    return std::nullopt;
}

TableEditorLogic::Rows TypeEditorLogic::readRows() const
{
    Rows rows;
    for (const TypeCells& cells : LoadTypeTable(storePath()))
        rows.emplace_back(cells.begin(), cells.end());
    return rows;
}

void TypeEditorLogic::writeRows() const
{
    std::vector<TypeCells> rows;
    for (const auto& row : buffer()) {
        TypeCells cells;
        std::copy(row.begin(), row.end(), cells.begin());
        rows.push_back(std::move(cells));
    }
    SaveTypeTable(storePath(), rows);
}

bool TypeEditorLogic::rowIsSaved(int row) const { return !trimBlanks(cell(row, 0)).empty(); }

std::optional<CellProblem> TypeEditorLogic::checkNumbers() const
{
    for (int r = 0; r < rowCount(); ++r) {
        if (!rowIsSaved(r))
            continue;
        for (int c : {2, 3, 6, 7, 10, 11})
            if (!isNumericText(cell(r, c)))
                return CellProblem{{r, c}, kNumbersOnlyMessage};
    }
    return std::nullopt;
}

std::optional<CellProblem> TypeEditorLogic::checkLimits() const
{
    for (int r = 0; r < rowCount(); ++r) {
        if (!rowIsSaved(r))
            continue;
        for (int c = 0; c < kTypeColumns; ++c) {
            if (isTypeNameColumn(c) && utf8Length(cell(r, c)) > static_cast<std::size_t>(kMaxTextChars))
                return CellProblem{{r, c}, kTextTooLongMessage};
            if (isLengthColumn(c) && !fitsInteger16(cell(r, c)))
                return CellProblem{{r, c}, kLengthRangeMessage};
        }
    }
    return std::nullopt;
}

}  // namespace schemist::ui
