// The name table editors' rules (frmTopName, frmEndName, frmFullName)
// without widgets: the keys are shown, only the replacements are edited, and
// the row count never changes.
#pragma once

#include "store/table_editing.h"
#include "ui/editor_logic.h"

namespace schemist::ui {

enum class NameTableKind { Top, End, Full };

struct NameEditorInfo {
    const char* objectName;  // frmTopName, ...
    const char* caption;
    const char* table;
};

const NameEditorInfo& nameEditorInfo(NameTableKind kind);

inline constexpr const char* kNameKeyHeading = "変換元タイプ";
inline constexpr const char* kNameValueHeading = "変換先名称";

class NameEditorLogic : public TableEditorLogic {
public:
    NameEditorLogic(std::string storePath, NameTableKind kind);

    const NameEditorInfo& info() const { return nameEditorInfo(kind_); }
    bool isEditable(int column) const override { return column == 1; }
    std::optional<CellRef> nextAfterEnter(CellRef from) const override;

    // The blank is refused in a replacement; everything else passes.
    static bool nameKeyAccepted(char32_t c) { return c != U' '; }

protected:
    Rows readRows() const override;
    void writeRows() const override;
    std::optional<CellProblem> checkLimits() const override;
    CellRef firstCell() const override { return {0, 1}; }

private:
    NameTableKind kind_;
};

}  // namespace schemist::ui
