// The type table editor's window.
#include "ui/type_editor.h"

#include "ui/message_box.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace schemist::ui {
namespace {

constexpr int kTypeWidth = 112;
constexpr int kLengthWidth = 66;

std::vector<EditorColumn> typeColumns()
{
    std::vector<EditorColumn> columns;
    for (int side = 0; side < 3; ++side) {
        columns.push_back({"型宣言", kTypeWidth, false, &TypeEditorLogic::typeNameKeyAccepted});
        columns.push_back({"   長さ   使用有無", kLengthWidth, true, {}});
        columns.push_back({"   長さ   (整数部)", kLengthWidth, false, &TypeEditorLogic::lengthKeyAccepted});
        columns.push_back({"   長さ   (小数部)", kLengthWidth, false, &TypeEditorLogic::lengthKeyAccepted});
    }
    return columns;
}

QLabel* groupHeading(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFixedWidth(kTypeWidth + 3 * kLengthWidth);
    return label;
}

}  // namespace

TypeEditor::TypeEditor(const std::string& storePath, QWidget* parent)
    : TableEditorDialog(logic_, "frmTypeDefault", kTypeEditorCaption, typeColumns(), parent), logic_(storePath)
{
    view()->horizontalHeader()->setMinimumHeight(44);
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->setContentsMargins(view()->frameWidth(), 0, 0, 0);
    headings->addWidget(groupHeading("内部", "lblIn", this));
    lblLang_ = groupHeading(qt(logic_.langHeading()), "lblLang", this);
    headings->addWidget(lblLang_);
    headings->addWidget(groupHeading("Access", "lblDB", this));
    headings->addStretch(1);
    headingArea()->addLayout(headings);

    // "データ追加" leads the row of buttons.
    dataAdd_ = new QPushButton("データ追加", this);
    dataAdd_->setObjectName("cmdDataAdd");
    dataAdd_->setAutoDefault(false);
    dataAdd_->setMinimumWidth(96);
    if (auto* row = qobject_cast<QHBoxLayout*>(okButton()->parentWidget()->layout()))
        row->insertWidget(1, dataAdd_);
    connect(dataAdd_, &QPushButton::clicked, this, &TypeEditor::onDataAdd);
    setTabOrder(view(), dataAdd_);
    setTabOrder(dataAdd_, okButton());

    loadTable();
}

void TypeEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        logic_.activate();
        lblLang_->setText(qt(logic_.langHeading()));
    }
    TableEditorDialog::changeEvent(event);
}

void TypeEditor::onDataAdd()
{
    writeBackOpenEditor();
    int row = logic_.addRow();
    model()->rowsAppended(row, row);
    view()->scrollTo(model()->index(row, 0));
}

TypeEditor::~TypeEditor() { releaseBuffer(); }

}  // namespace schemist::ui
