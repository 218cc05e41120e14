// The splash window, the options dialog and the editors on the offscreen
// platform: captions, key filters on real key events, Enter moving the
// focus, and editors that save what they show.
#include "ui/name_editor.h"
#include "ui/option_dialog.h"
#include "ui/splash_window.h"
#include "ui/type_editor.h"

#include "platform/workstore/database.h"
#include "store/default_rows.h"
#include "store/table_editing.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace schemist::test {
namespace {

using namespace schemist::ui;

// Types text as key events, also characters QTest has no key for.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == ' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// A click on a cell of an editor's table: it becomes the current cell and
// opens its text box (a double click when it is current already).
void clickCell(QTableView* view, int row, int column)
{
    const QModelIndex index = view->model()->index(row, column);
    if (view->currentIndex() != index) {
        clickItem(view, index);
        return;
    }
    view->scrollTo(index);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The line edit a view opened on its current cell.
QLineEdit* openEditor(QTableView* view)
{
    return qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
}

TEST(SplashWindow, ShowsItsLabelsAndOpensTheMainWindowAfterItsTimer)
{
    bool opened = false;
    auto* splash = new SplashWindow([&] { opened = true; });
    QPointer<SplashWindow> alive(splash);
    splash->show();
    EXPECT_EQ(splash->objectName(), "frmSplash");
    EXPECT_TRUE(splash->windowTitle().isEmpty());
    EXPECT_EQ(child<QLabel>(*splash, "Label1")->text(), "Schemist");
    EXPECT_EQ(child<QLabel>(*splash, "Label2")->text(), "for");
    EXPECT_EQ(child<QLabel>(*splash, "Label3")->text(), "Access");
    EXPECT_EQ(splash->timer()->interval(), 1500);
    QTest::qWait(1000);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000));
}

class OptionDialogTest : public testing::Test {
protected:
    RunSettings settings = RunSettings::startValues();
    DocumentChoice documents;
    MessageRecorder messages;
};

TEST_F(OptionDialogTest, ShowsItsCaptionsAndTheStartValues)
{
    OptionDialog d(settings, documents);
    d.show();
    EXPECT_EQ(d.windowTitle(), "オプション設定");
    const QStringList all = texts(d);
    for (const char* text :
         {"Excel出力に関する設定", "ヘッダー部の設定", "フッター部の設定", "左", "中央", "右", "VB出力に関する設定",
          "出力モジュールに関する設定", "標準モジュールとして作成", "標準モジュール形式の設定",
          "内部変数はユーザー定義形で出力", "内部変数未指定で出力", "クラスモジュールとして作成",
          "複数レコード読み書きサポートで出力", "モジュールに関する設定", "If...Then...Else を用いて作成",
          "関数を用いて作成", "フィールド名の扱いに関する設定", "TableName.Field(\"FieldName\").Valueの形式で出力",
          "TableName![FieldName]の形式で出力", "With...End Withによる省略を行う", "コメントの位置", "カラム目",
          "Tab文字数", "文字", "設定", "Cancel"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text;
    auto* hedM = child<QComboBox>(d, "cmbHedM");
    EXPECT_EQ(hedM->count(), 4);
    EXPECT_EQ(hedM->currentText(), "テーブル名");
    EXPECT_EQ(child<QComboBox>(d, "cmbBotL")->currentText(), "ファイル名");
    EXPECT_EQ(child<QComboBox>(d, "cmbBotM")->currentText(), "ページNo");
    EXPECT_FALSE(child<QCheckBox>(d, "chkCollection")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(d, "txtTabSize")->text(), "4");
}

// Shows a window and makes it the active one, so that clicks give focus.
void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// A click into a text box (which selects its text), then the keys.
void typeInto(QLineEdit* box, const QString& keys)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    ASSERT_TRUE(box->hasFocus());
    QApplication::processEvents();  // the whole text is selected once the click is done
    QTest::keyClicks(box, keys);
}

void clickCheck(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

TEST_F(OptionDialogTest, NumberBoxesTakeDigitsOnlyFromRealKeys)
{
    OptionDialog d(settings, documents);
    showActive(d);
    auto* tab = child<QLineEdit>(d, "txtTabSize");
    typeInto(tab, "");
    EXPECT_EQ(tab->selectedText(), "4");  // typing replaces the number
    QTest::keyClick(tab, Qt::Key_End);
    QTest::keyClicks(tab, "a -2");
    EXPECT_EQ(tab->text(), "42");
    QTest::keyClick(tab, Qt::Key_Backspace);
    EXPECT_EQ(tab->text(), "42");  // Backspace is discarded
    QTest::keyClick(tab, Qt::Key_Home);
    QTest::keyClick(tab, Qt::Key_Delete);
    EXPECT_EQ(tab->text(), "2");  // Delete still edits
    auto* comment = child<QLineEdit>(d, "txtCommentPos");
    typeInto(comment, "12345");
    EXPECT_EQ(comment->text(), "123");
}

TEST_F(OptionDialogTest, ClassModulesAndHeaderChoicesThenConfirmThenReopen)
{
    {
        OptionDialog d(settings, documents);
        showActive(d);
        auto* classOut = child<QRadioButton>(d, "optClassOut");
        clickCheck(classOut);
        EXPECT_TRUE(classOut->isChecked());
        EXPECT_FALSE(child<QRadioButton>(d, "optStandardOut")->isChecked());
        EXPECT_FALSE(child<QGroupBox>(d, "Frame5")->isEnabled());
        auto* collection = child<QCheckBox>(d, "chkCollection");
        EXPECT_TRUE(collection->isEnabled());
        clickCheck(collection);
        EXPECT_TRUE(collection->isChecked());
        pickEntry(child<QComboBox>(d, "cmbHedL"), "ページNo");
        pickEntry(child<QComboBox>(d, "cmbBotR"), "テーブル名");
        clickButton(child<QPushButton>(d, "cmdOk"));
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(settings.ModuleKind, ModuleKind::ClassModules);
    EXPECT_EQ(settings.CollectionFlag, kTrue);
    EXPECT_EQ(settings.HeaderLeft, 3);
    EXPECT_EQ(settings.FooterRight, 1);
    OptionDialog again(settings, documents);
    EXPECT_TRUE(child<QRadioButton>(again, "optClassOut")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(again, "chkCollection")->isChecked());
    EXPECT_FALSE(child<QGroupBox>(again, "Frame5")->isEnabled());
    EXPECT_EQ(child<QComboBox>(again, "cmbHedL")->currentText(), "ページNo");
}

TEST_F(OptionDialogTest, OversizedTabSizeIsRefusedAndTheDialogStays)
{
    OptionDialog d(settings, documents);
    showActive(d);
    typeInto(child<QLineEdit>(d, "txtTabSize"), "40000");
    clickButton(child<QPushButton>(d, "cmdOk"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "オプション設定");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(child<QLineEdit>(d, "txtTabSize")->text(), "4");
    EXPECT_EQ(settings.TabSize, 4);
}

TEST_F(OptionDialogTest, CancelChangesNothing)
{
    const RunSettings before = settings;
    OptionDialog d(settings, documents);
    showActive(d);
    clickCheck(child<QCheckBox>(d, "chkWith"));
    EXPECT_FALSE(child<QCheckBox>(d, "chkWith")->isChecked());
    typeInto(child<QLineEdit>(d, "txtTabSize"), "9");
    clickButton(child<QPushButton>(d, "cmdCancel"));
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(settings.WithFlag, before.WithFlag);
    EXPECT_EQ(settings.TabSize, before.TabSize);
}

class EditorTest : public testing::Test {
protected:
    FreshStore store;
    MessageRecorder messages;
};

TEST_F(EditorTest, TypeEditorCaptionsHeadingsAndActivation)
{
    TypeEditor e(store.path());
    EXPECT_EQ(e.windowTitle(), "デフォルト宣言設定テーブルメンテナンス");
    EXPECT_EQ(e.langHeading()->text(), "VB");
    EXPECT_EQ(child<QLabel>(e, "lblIn")->text(), "内部");
    EXPECT_EQ(child<QLabel>(e, "lblDB")->text(), "Access");
    QStringList headings;
    for (int c = 0; c < 4; ++c)
        headings << e.model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(headings, (QStringList{"型宣言", "   長さ   使用有無", "   長さ   (整数部)", "   長さ   (小数部)"}));
    QStringList buttons;
    for (const char* name : {"cmdDataAdd", "cmdOk", "cmdCancel", "cmdWrite"})
        buttons << child<QPushButton>(e, name)->text();
    EXPECT_EQ(buttons, (QStringList{"データ追加", "OK", "ｷｬﾝｾﾙ", "適用"}));
    EXPECT_EQ(e.model()->rowCount(), 22);
    EXPECT_FALSE(e.applyButton()->isEnabled());
    e.show();
    QApplication::setActiveWindow(&e);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&e));
    EXPECT_EQ(e.langHeading()->text(), "Visual Basic");
}

TEST_F(EditorTest, TypeEditorKeyFiltersAndEnterNavigation)
{
    TypeEditor e(store.path());
    e.show();
    QApplication::setActiveWindow(&e);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
    QTableView* view = e.view();
    clickCell(view, 0, 2);
    QLineEdit* length = openEditor(view);
    ASSERT_NE(length, nullptr);
    QTest::keyClicks(length, "1a .5-");  // replaces the selected text
    EXPECT_EQ(length->text(), "1.5");
    QTest::keyClick(length, Qt::Key_Backspace);
    EXPECT_EQ(length->text(), "1.");
    QTest::keyClick(length, Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(view->currentIndex(), e.model()->index(0, 3));
    EXPECT_EQ(e.typeLogic().cell(0, 2), "1.");
    EXPECT_TRUE(e.applyButton()->isEnabled());

    clickCell(view, 0, 4);
    QLineEdit* type = openEditor(view);
    ASSERT_NE(type, nullptr);
    QTest::keyClicks(type, "My Type");
    EXPECT_EQ(type->text(), "MyType");

    // Enter on the flag cell goes on along the row.
    clickCell(view, 0, 6);
    QTest::keyClick(view, Qt::Key_Left);
    ASSERT_EQ(view->currentIndex(), e.model()->index(0, 5));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->currentIndex(), e.model()->index(0, 6));
    // From the last cell of a row to the first of the next.
    clickCell(view, 0, 11);
    ASSERT_NE(openEditor(view), nullptr);
    QTest::keyClick(openEditor(view), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(view->currentIndex(), e.model()->index(1, 0));
    // From the last cell of the last row to "OK".
    clickCell(view, 21, 11);
    ASSERT_NE(openEditor(view), nullptr);
    QTest::keyClick(openEditor(view), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_TRUE(e.okButton()->hasFocus());
}

TEST_F(EditorTest, TypeEditorCheckFocusesTheOffendingCell)
{
    TypeEditor e(store.path());
    e.show();
    QApplication::setActiveWindow(&e);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
    clickCell(e.view(), 3, 6);
    QLineEdit* cell = openEditor(e.view());
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, "1.2.3");
    EXPECT_EQ(cell->text(), "1.2.3");
    clickButton(e.applyButton());
    EXPECT_EQ(e.typeLogic().cell(3, 6), "1.2.3");  // the open box is written back first
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "デフォルト宣言設定テーブルメンテナンス");
    EXPECT_EQ(messages.shown()[0].text, "入力できるのは数値のみです");
    EXPECT_EQ(e.view()->currentIndex(), e.model()->index(3, 6));
    EXPECT_TRUE(e.isVisible());
}

TEST_F(EditorTest, TypeEditorSavesAndShowsItOnReopening)
{
    {
        TypeEditor e(store.path());
        e.show();
        QApplication::setActiveWindow(&e);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
        clickButton(e.dataAddButton());
        EXPECT_EQ(e.model()->rowCount(), 23);
        EXPECT_FALSE(e.applyButton()->isEnabled());
        clickCell(e.view(), 22, 0);
        ASSERT_NE(openEditor(e.view()), nullptr);
        typeText(openEditor(e.view()), "Nihongo型");
        QTest::keyClick(openEditor(e.view()), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return e.view()->currentIndex() == e.model()->index(22, 1); }, 1000));
        QTest::keyClick(e.view(), Qt::Key_Space);  // ticks the flag
        clickCell(e.view(), 22, 4);
        ASSERT_NE(openEditor(e.view()), nullptr);
        QTest::keyClicks(openEditor(e.view()), "String");
        EXPECT_TRUE(e.applyButton()->isEnabled());
        clickButton(e.okButton());
        EXPECT_EQ(e.result(), QDialog::Accepted);
    }
    TypeEditor reopened(store.path());
    ASSERT_EQ(reopened.model()->rowCount(), 23);
    EXPECT_EQ(reopened.model()->index(22, 0).data().toString(), "Nihongo型");
    EXPECT_EQ(reopened.model()->index(22, 1).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(reopened.applyButton()->isEnabled());
}

TEST_F(EditorTest, NameEditorsCaptionsSaveAndReopen)
{
    const std::pair<NameTableKind, const char*> kinds[] = {
        {NameTableKind::Top, "接頭名称設定"}, {NameTableKind::End, "接尾名称設定"}, {NameTableKind::Full, "名称設定"}};
    for (auto [kind, caption] : kinds) {
        {
            NameEditor e(store.path(), kind);
            e.show();
            QApplication::setActiveWindow(&e);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
            EXPECT_EQ(e.windowTitle(), QString::fromUtf8(caption));
            EXPECT_EQ(e.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "変換元タイプ");
            EXPECT_EQ(e.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "変換先名称");
            EXPECT_EQ(e.findChild<QPushButton*>("cmdDataAdd"), nullptr);
            EXPECT_FALSE(e.model()->flags(e.model()->index(0, 0)) & Qt::ItemIsEditable);
            clickCell(e.view(), 0, 1);
            QLineEdit* name = openEditor(e.view());
            ASSERT_NE(name, nullptr);
            typeText(name, "新 名");
            EXPECT_EQ(name->text(), "新名");
            QTest::keyClick(name, Qt::Key_Return);
            QTest::qWait(20);
            EXPECT_EQ(e.view()->currentIndex(), e.model()->index(1, 1));
            clickButton(e.applyButton());
            EXPECT_FALSE(e.applyButton()->isEnabled());
            clickButton(e.cancelButton());
        }
        NameEditor reopened(store.path(), kind);
        EXPECT_EQ(reopened.model()->index(0, 1).data().toString(), "新名");
    }
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace schemist::test
