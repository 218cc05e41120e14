// frmTypeDefault: the window of the type table editor.
#pragma once

#include "ui/table_editor_dialog.h"
#include "ui/type_editor_logic.h"

class QLabel;

namespace schemist::ui {

class TypeEditor : public TableEditorDialog {
    Q_OBJECT
public:
    ~TypeEditor() override;
    TypeEditor(const std::string& storePath, QWidget* parent = nullptr);

    TypeEditorLogic& typeLogic() { return logic_; }
    QPushButton* dataAddButton() const { return dataAdd_; }
    QLabel* langHeading() const { return lblLang_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void onDataAdd();

    TypeEditorLogic logic_;
    QPushButton* dataAdd_ = nullptr;
    QLabel* lblLang_ = nullptr;
};

}  // namespace schemist::ui
