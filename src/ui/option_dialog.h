// frmOption: the options dialog's window.
#pragma once

#include "ui/option_dialog_logic.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace schemist::ui {

class OptionDialog : public QDialog {
    Q_OBJECT
public:
    // "設定" writes the dialog back into both `settings` and `documents`.
    OptionDialog(RunSettings& settings, DocumentChoice& documents, QWidget* parent = nullptr);

    OptionDialogLogic& logic() { return logic_; }

private:
    void buildControls();
    void showControls(const OptionControls& c);
    void readControls();
    void onStandardOutClicked();
    void onClassOutClicked();
    void onOk();

    RunSettings& settings_;
    DocumentChoice& documents_;
    OptionDialogLogic logic_;
    std::array<QComboBox*, 6> choices_{};
    QRadioButton* optStandardOut_ = nullptr;
    QRadioButton* optClassOut_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QRadioButton* optStandard_ = nullptr;
    QRadioButton* optForm_ = nullptr;
    QCheckBox* chkCollection_ = nullptr;
    QRadioButton* optStyle1_ = nullptr;
    QRadioButton* optStyle2_ = nullptr;
    QRadioButton* optField1_ = nullptr;
    QRadioButton* optField2_ = nullptr;
    QCheckBox* chkWith_ = nullptr;
    QLineEdit* txtCommentPos_ = nullptr;
    QLineEdit* txtTabSize_ = nullptr;
    QCheckBox* chkDocXlsx_ = nullptr;
    QCheckBox* chkDocMarkdown_ = nullptr;
    QLineEdit* txtHistoryFrom_ = nullptr;
    QLineEdit* txtHistoryLabel_ = nullptr;
};

}  // namespace schemist::ui
