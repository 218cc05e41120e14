// The window shared by the conversion-table editors: an item view over the
// edit buffer in place of row slots, the buttons "OK", "ｷｬﾝｾﾙ", "適用" (and
// "データ追加" in the type editor). Every rule lives in the logic class; the
// window forwards events to it and shows its state.
#pragma once

#include "ui/editor_logic.h"
#include "ui/key_filter.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

class QPushButton;
class QTableView;
class QVBoxLayout;

namespace schemist::ui {

struct EditorColumn {
    QString heading;
    int width = 80;
    bool flag = false;  // a check box ("True"/"False")
    KeyRule keyRule;    // for text cells
};

// The edit buffer as a table model: reading shows the buffer, a user's
// change writes it through the logic (which decides whether it is an edit).
class EditorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    EditorModel(TableEditorLogic& logic, std::vector<EditorColumn> columns, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const EditorColumn& column(int c) const { return columns_.at(c); }
    // Text typed into an open box.
    void typed(const QModelIndex& index, const QString& text);
    // After rows were appended to the buffer.
    void rowsAppended(int first, int last);
    void reset();

signals:
    void edited();

private:
    TableEditorLogic& logic_;
    std::vector<EditorColumn> columns_;
};

// Text cells: a text box with the column's key filter; Enter is handed to the
// window, which moves the focus.
class EditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    EditorDelegate(EditorModel& model, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void enterPressed(const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditorModel& model_;
};

class TableEditorDialog : public QDialog {
    Q_OBJECT
public:
    TableEditorDialog(TableEditorLogic& logic, const QString& objectName, const QString& caption,
                      std::vector<EditorColumn> columns, QWidget* parent);

    QTableView* view() const { return view_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }
    EditorModel* model() const { return model_; }

    // Parts the view from the buffer; the derived window calls it before its
    // logic goes, since hiding the window still writes back an open box.
    void releaseBuffer();

    // Reads the table; a failure is shown and the window stays usable.
    void loadTable();
    // Writes the text box being edited into the buffer, as its focus loss would.
    void writeBackOpenEditor();
    void focusCell(const CellRef& cell);

protected:
    QVBoxLayout* headingArea() const { return headingArea_; }
    QPushButton* addButton(const QString& text);
    TableEditorLogic& logic() { return logic_; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void attachView();
    void moveAfterEnter(const QModelIndex& from);
    void answer(const EditorAnswer& a);
    void refreshButtons();
    void onApply();
    void onOk();

    TableEditorLogic& logic_;
    EditorModel* model_ = nullptr;
    EditorDelegate* delegate_ = nullptr;
    QTableView* view_ = nullptr;
    QVBoxLayout* headingArea_ = nullptr;
    QWidget* buttonRow_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace schemist::ui
