// frmTopName, frmEndName, frmFullName: the windows of the name table editors.
#pragma once

#include "ui/name_editor_logic.h"
#include "ui/table_editor_dialog.h"

namespace schemist::ui {

class NameEditor : public TableEditorDialog {
    Q_OBJECT
public:
    ~NameEditor() override;
    NameEditor(const std::string& storePath, NameTableKind kind, QWidget* parent = nullptr);

    NameEditorLogic& nameLogic() { return logic_; }

private:
    NameEditorLogic logic_;
};

}  // namespace schemist::ui
