// The type table editor's rules (frmTypeDefault) without widgets: twelve
// columns per row, rows can be added, lengths must be numbers.
#pragma once

#include "store/table_editing.h"
#include "ui/editor_logic.h"

namespace schemist::ui {

inline constexpr const char* kTypeEditorCaption = "デフォルト宣言設定テーブルメンテナンス";
inline constexpr const char* kNumbersOnlyMessage = "入力できるのは数値のみです";
inline constexpr const char* kLengthRangeMessage = "長さには -32768 から 32767 までの数値を入力してください";

class TypeEditorLogic : public TableEditorLogic {
public:
    explicit TypeEditorLogic(std::string storePath);

    // "データ追加": an empty row (types "", lengths "0", flags "False"); it is
    // no edit, so "適用" stays as it was. Returns the new row's index.
    int addRow();

    // The heading over the VB columns: "VB" until the window is activated.
    const std::string& langHeading() const { return langHeading_; }
    void activate() { langHeading_ = "Visual Basic"; }

    std::optional<CellRef> nextAfterEnter(CellRef from) const override;

    // Key filters: type names refuse the blank; lengths take digits, ".",
    // Backspace and Enter only.
    static bool typeNameKeyAccepted(char32_t c) { return c != U' '; }
    static bool lengthKeyAccepted(char32_t c)
    {
        return (c >= U'0' && c <= U'9') || c == U'.' || c == U'\b' || c == U'\r';
    }

protected:
    Rows readRows() const override;
    void writeRows() const override;
    std::optional<CellProblem> checkNumbers() const override;
    std::optional<CellProblem> checkLimits() const override;
    CellRef firstCell() const override { return {0, 0}; }

private:
    bool rowIsSaved(int row) const;
    std::string langHeading_ = "VB";
};

}  // namespace schemist::ui
