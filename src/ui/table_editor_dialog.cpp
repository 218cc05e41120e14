// The editors' shared window.
#include "ui/table_editor_dialog.h"

#include "ui/message_box.h"

#include <QHBoxLayout>
#include <QColor>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace schemist::ui {

EditorModel::EditorModel(TableEditorLogic& logic, std::vector<EditorColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), logic_(logic), columns_(std::move(columns))
{
}

int EditorModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : logic_.rowCount(); }

int EditorModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant EditorModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const std::string& text = logic_.cell(index.row(), index.column());
    if (column(index.column()).flag) {
        if (role == Qt::CheckStateRole)
            return text == "True" ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return qt(text);
    if (role == Qt::BackgroundRole && !logic_.isEditable(index.column()))
        return QColor(0xf0, 0xf0, 0xf0);  // keys are shown, not edited
    return {};
}

bool EditorModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    bool wasEnabled = logic_.applyEnabled();
    if (column(index.column()).flag && role == Qt::CheckStateRole)
        logic_.editCell(index.row(), index.column(),
                        value.toInt() == Qt::Checked ? "True" : "False");
    else if (role == Qt::EditRole && logic_.isEditable(index.column()))
        logic_.editCell(index.row(), index.column(), utf8(value.toString()));
    else
        return false;
    emit dataChanged(index, index);
    if (logic_.applyEnabled() != wasEnabled)
        emit edited();
    return true;
}

QVariant EditorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return column(section).heading;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags EditorModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (column(index.column()).flag)
        return f | Qt::ItemIsUserCheckable;
    if (logic_.isEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

void EditorModel::typed(const QModelIndex& index, const QString& text)
{
    bool wasEnabled = logic_.applyEnabled();
    if (logic_.isEditable(index.column()))
        logic_.editCell(index.row(), index.column(), utf8(text));
    if (logic_.applyEnabled() != wasEnabled)
        emit edited();
}

void EditorModel::rowsAppended(int first, int last)
{
    beginInsertRows({}, first, last);
    endInsertRows();
}

void EditorModel::reset()
{
    beginResetModel();
    endResetModel();
}

EditorDelegate::EditorDelegate(EditorModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

QWidget* EditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (const KeyRule& rule = model_.column(index.column()).keyRule)
        editor->installEventFilter(new KeyFilter(rule, editor));
    // Typing is an edit at once, as in a text box: the buffer follows each
    // change and "適用" becomes enabled without waiting for the focus to go.
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        EditorModel* model = &model_;
        QPersistentModelIndex cell(index);
        connect(line, &QLineEdit::textChanged, line, [model, cell](const QString& text) {
            if (cell.isValid())
                model->typed(cell, text);
        });
    }
    editor->setProperty("cellRow", index.row());
    editor->setProperty("cellColumn", index.column());
    return editor;
}

bool EditorDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto* editor = qobject_cast<QWidget*>(watched);
            QModelIndex index = model_.index(editor->property("cellRow").toInt(),
                                             editor->property("cellColumn").toInt());
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit enterPressed(index);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

// Column headings break into lines at their blanks, as the narrow labels
// over the columns always did; the heading texts themselves are unchanged.
class WrappingHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = logicalIndex;
        option.textAlignment = Qt::AlignCenter;
        const QString heading = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        option.text = heading.simplified().replace(' ', '\n');
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
    }
};

TableEditorDialog::TableEditorDialog(TableEditorLogic& logic, const QString& objectName, const QString& caption,
                                     std::vector<EditorColumn> columns, QWidget* parent)
    : QDialog(parent), logic_(logic)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);

    model_ = new EditorModel(logic, std::move(columns), this);
    delegate_ = new EditorDelegate(*model_, this);
    view_ = new QTableView(this);
    view_->setObjectName("grdBuffer");
    view_->setHorizontalHeader(new WrappingHeader(Qt::Horizontal, view_));
    view_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    headingArea_ = new QVBoxLayout;
    headingArea_->setSpacing(0);
    layout->addLayout(headingArea_);
    layout->addWidget(view_, 1);
    buttonRow_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(buttonRow_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    layout->addWidget(buttonRow_);

    ok_ = addButton("OK");
    ok_->setObjectName("cmdOk");
    cancel_ = addButton("ｷｬﾝｾﾙ");
    cancel_->setObjectName("cmdCancel");
    apply_ = addButton("適用");
    apply_->setObjectName("cmdWrite");
    for (QPushButton* b : {ok_, cancel_, apply_})
        b->setAutoDefault(false);

    connect(model_, &EditorModel::edited, this, &TableEditorDialog::refreshButtons);
    connect(delegate_, &EditorDelegate::enterPressed, this, &TableEditorDialog::moveAfterEnter,
            Qt::QueuedConnection);
    connect(ok_, &QPushButton::clicked, this, &TableEditorDialog::onOk);
    connect(cancel_, &QPushButton::clicked, this, &TableEditorDialog::reject);
    connect(apply_, &QPushButton::clicked, this, &TableEditorDialog::onApply);
}

QPushButton* TableEditorDialog::addButton(const QString& text)
{
    auto* button = new QPushButton(text, buttonRow_);
    button->setMinimumWidth(96);
    static_cast<QHBoxLayout*>(buttonRow_->layout())->addWidget(button);
    return button;
}

// The view is joined to the buffer only once the logic of the derived
// window exists.
void TableEditorDialog::attachView()
{
    view_->setModel(model_);
    view_->setItemDelegate(delegate_);
    view_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->verticalHeader()->setVisible(false);
    view_->verticalHeader()->setDefaultSectionSize(24);
    view_->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int width = 0;
    for (int c = 0; c < model_->columnCount(); ++c) {
        view_->setColumnWidth(c, model_->column(c).width);
        width += model_->column(c).width;
    }
    view_->horizontalHeader()->setStretchLastSection(false);
    view_->setMinimumWidth(width + view_->verticalScrollBar()->sizeHint().width() + 2 * view_->frameWidth() + 4);
    resize(view_->minimumWidth() + 24, 520);
}

void TableEditorDialog::loadTable()
{
    if (!view_->model())
        attachView();
    std::optional<std::string> problem = logic_.load();
    model_->reset();
    refreshButtons();
    if (problem)
        showMessage(this, windowTitle(), qt(*problem));
}

void TableEditorDialog::releaseBuffer()
{
    hide();
    view_->setModel(nullptr);
}

void TableEditorDialog::refreshButtons() { apply_->setEnabled(logic_.applyEnabled()); }

void TableEditorDialog::writeBackOpenEditor()
{
    QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return;
    if (QWidget* editor = view_->indexWidget(current))
        delegate_->setModelData(editor, model_, current);
}

void TableEditorDialog::focusCell(const CellRef& cell)
{
    QModelIndex index = model_->index(cell.row, cell.column);
    view_->scrollTo(index);
    view_->setFocus();
    if (view_->currentIndex() == index && !view_->indexWidget(index) && (model_->flags(index) & Qt::ItemIsEditable))
        view_->edit(index);
    else
        view_->setCurrentIndex(index);
}

void TableEditorDialog::moveAfterEnter(const QModelIndex& from)
{
    std::optional<CellRef> next = logic_.nextAfterEnter({from.row(), from.column()});
    if (next)
        focusCell(*next);
    else
        ok_->setFocus();
}

bool TableEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a cell without an open text box (a check box cell).
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            moveAfterEnter(view_->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TableEditorDialog::answer(const EditorAnswer& a)
{
    refreshButtons();
    if (a.message)
        showMessage(this, windowTitle(), qt(*a.message));
    if (a.close) {
        QDialog::accept();
        return;
    }
    if (a.focus)
        focusCell(*a.focus);
}

void TableEditorDialog::onApply()
{
    writeBackOpenEditor();
    answer(logic_.apply());
}

void TableEditorDialog::onOk()
{
    writeBackOpenEditor();
    answer(logic_.ok());
}

// "ｷｬﾝｾﾙ", Escape and closing the window: nothing is saved.
void TableEditorDialog::reject() { QDialog::reject(); }

}  // namespace schemist::ui
