// The windows on the offscreen platform: captions, key filters on real key
// events, Enter moving the focus, runs from the main window, and editors
// that save what they show.
#include "ui/main_window.h"
#include "ui/name_editor.h"
#include "ui/option_dialog.h"
#include "ui/splash_window.h"
#include "ui/type_editor.h"

#include "platform/workstore/database.h"
#include "run/run_driver.h"
#include "run/startup.h"
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

template <typename T>
T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList texts(QWidget& w)
{
    QStringList all;
    for (auto* l : w.findChildren<QLabel*>())
        all << l->text();
    for (auto* b : w.findChildren<QAbstractButton*>())
        all << b->text();
    for (auto* g : w.findChildren<QGroupBox*>())
        all << g->title();
    return all;
}

RunSettings settingsFor(const FreshStore& store)
{
    RunSettings s = RunSettings::startValues();
    s.WorkStorePath = store.path();
    return s;
}

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

class MainWindowTest : public testing::Test {
protected:
    FreshStore store;
    RunSettings settings = settingsFor(store);
    MessageRecorder messages;
};

TEST_F(MainWindowTest, HasEveryControlWithItsCaption)
{
    MainWindow w(settings, std::nullopt);
    w.show();
    EXPECT_EQ(w.windowTitle(), "Schemist");
    const QStringList all = texts(w);
    for (const char* text : {"入力データがあるディスク", "入力データがあるフォルダ", "入力データ", "処理対処テーブル",
                             "出力先ディスク", "出力先フォルダ", "出力ファイル名(モジュール名)", "VBソースを作成",
                             "データベース構造をExcelに出力", "Start", "End", "データメンテナンス", "デフォルト宣言",
                             "名称設定", "接尾名称設定", "接頭名称設定", "処理内容定義", "初期データ作成", "Option"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(child<QLineEdit>(w, "txtFileName")->text(), "FileName");
    EXPECT_TRUE(child<QCheckBox>(w, "chkMakeVB")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "chkMakeExcel")->isChecked());
    EXPECT_FALSE(child<QPushButton>(w, "cmdStart")->isEnabled());
    EXPECT_EQ(child<QProgressBar>(w, "PrgBar")->maximum(), 100);
    QMenu* help = w.menuBar()->findChild<QMenu*>("mnuHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->title(), "ヘルプ");
    QStringList items;
    for (QAction* a : help->actions())
        items << a->text();
    EXPECT_EQ(items, (QStringList{"Help", "バージョン情報"}));
    EXPECT_GT(child<QComboBox>(w, "drvInput")->count(), 0);
    EXPECT_GT(child<QComboBox>(w, "drvOutput")->count(), 0);
}

TEST_F(MainWindowTest, VersionMessage)
{
    MainWindow w(settings, std::nullopt);
    w.showVersion();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "Schemist for Access");
    EXPECT_EQ(messages.shown()[0].text, "Schemist for Access Version 1.02");
}

TEST_F(MainWindowTest, ManualIsFound)
{
    EXPECT_TRUE(manualPath().endsWith("manual.html"));
}

TEST_F(MainWindowTest, OpensWithTheDatabaseChosenAndStartFollowsTheTableList)
{
    MainWindow w(settings, std::nullopt);
    w.show();
    const QString sample = QString::fromStdString(dataFile("sample.mdb"));
    w.openDatabase(sample);
    auto* tables = child<QListWidget>(w, "lstTableName");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.selectedFile() == sample; }, 5000));
    EXPECT_GT(tables->count(), 0);
    EXPECT_EQ(w.inputFolder(), QFileInfo(sample).absolutePath());
    auto* start = child<QPushButton>(w, "cmdStart");
    EXPECT_FALSE(start->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    tables->scrollToItem(tables->item(0));
    QTest::mouseClick(tables->viewport(), Qt::LeftButton, {}, tables->visualItemRect(tables->item(0)).center());
    EXPECT_EQ(tables->selectedItems().size(), 1);
    EXPECT_TRUE(start->isEnabled());
    // Leaving the file list disables Start; leaving the table list with a
    // selection enables it again.
    auto* files = child<QListView>(w, "flstInput");
    auto* name = child<QLineEdit>(w, "txtFileName");
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    files->setFocus();
    tables->setFocus();
    EXPECT_FALSE(start->isEnabled());
    name->setFocus();
    EXPECT_TRUE(start->isEnabled());
    files->setFocus();
    name->setFocus();
    EXPECT_FALSE(start->isEnabled());
}

TEST_F(MainWindowTest, StartWithoutAnOutputNameAsksForItAndFocusesTheBox)
{
    MainWindow w(settings, std::nullopt);
    w.show();
    QApplication::setActiveWindow(&w);
    auto* name = child<QLineEdit>(w, "txtFileName");
    name->setText("  ");
    w.start();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "Schemist for Access");
    EXPECT_EQ(messages.shown()[0].text, "出力ファイル名を入力してください");
    EXPECT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }, 1000));
}

TEST_F(MainWindowTest, FullRunOverTheSampleWritesTheOutputsAndReturnsProgressToZero)
{
    MainWindow w(settings, std::nullopt);
    w.show();
    const QString sample = QString::fromStdString(dataFile("sample.mdb"));
    w.openDatabase(sample);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.selectedFile() == sample; }, 5000));
    w.chooseOutputFolder(QString::fromStdString(store.dir().path()));
    auto* tables = child<QListWidget>(w, "lstTableName");
    tables->selectAll();
    child<QLineEdit>(w, "txtFileName")->setText("SampleOut");
    auto* bar = child<QProgressBar>(w, "PrgBar");
    std::vector<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) { values.push_back(v); });
    w.start();
    for (const ShownMessage& m : messages.shown())
        EXPECT_FALSE(m.text.contains("失敗")) << m.text.toStdString();
    EXPECT_EQ(bar->value(), 0);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.front(), 10);
    EXPECT_EQ(values.back(), 0);
    EXPECT_TRUE(child<QPushButton>(w, "cmdEnd")->isEnabled());
    EXPECT_TRUE(child<QListView>(w, "flstInput")->isEnabled());
    // Whatever generators this build has wrote their files.
    const GeneratorSlots generators = defaultGenerators();
    const std::string stem = store.dir().file("SampleOut");
    if (generators.standardModule)
        EXPECT_TRUE(std::filesystem::exists(stem + ".bas"));
    if (generators.workbook)
        EXPECT_TRUE(std::filesystem::exists(stem + ".xls"));
    // The run's work tables are gone.
    EXPECT_FALSE(dao::Database::open(store.path(), dao::OpenMode::Shared).hasTable("Access_Table"));
}

TEST_F(MainWindowTest, RunOverADamagedFileShowsTheErrorAndStaysUsable)
{
    const std::string damaged = store.dir().file("damaged.mdb");
    std::string garbage(16384, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 2654435761u) >> 13);
    writeFile(damaged, garbage);
    MainWindow w(settings, std::nullopt);
    w.show();
    w.openDatabase(QString::fromStdString(damaged));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.selectedFile().isEmpty(); }, 5000));
    EXPECT_EQ(child<QListWidget>(w, "lstTableName")->count(), 0);
    EXPECT_FALSE(w.statusBar()->currentMessage().isEmpty());
    EXPECT_FALSE(child<QPushButton>(w, "cmdStart")->isEnabled());

    // A table name from elsewhere, so that the run itself meets the file.
    auto* tables = child<QListWidget>(w, "lstTableName");
    tables->addItem("T_Customer");
    tables->item(0)->setSelected(true);
    w.chooseOutputFolder(QString::fromStdString(store.dir().path()));
    w.start();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "Schemist for Access");
    EXPECT_TRUE(messages.shown()[0].text.contains("damaged.mdb")) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(child<QProgressBar>(w, "PrgBar")->value(), 0);
    EXPECT_TRUE(child<QPushButton>(w, "cmdDataInit")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(w, "txtFileName")->isEnabled());
}

TEST_F(MainWindowTest, UnusableStoreAnswersEditorsWithTheSameMessage)
{
    writeFile(store.path(), "garbage");
    StartupState state = Startup(processEnvironment(), store.path());
    ASSERT_TRUE(state.storeProblem);
    MainWindow w(state.settings, state.storeProblem);
    w.show();
    child<QPushButton>(w, "cmdTopName")->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text.toStdString(), *state.storeProblem);
    child<QPushButton>(w, "cmdDataInit")->click();
    EXPECT_EQ(messages.shown().size(), 1u);  // no message after a rebuild
    EXPECT_FALSE(w.logic().storeMessage());
}

class OptionDialogTest : public testing::Test {
protected:
    RunSettings settings = RunSettings::startValues();
    MessageRecorder messages;
};

TEST_F(OptionDialogTest, ShowsItsCaptionsAndTheStartValues)
{
    OptionDialog d(settings);
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

TEST_F(OptionDialogTest, NumberBoxesTakeDigitsOnlyFromRealKeys)
{
    OptionDialog d(settings);
    d.show();
    auto* tab = child<QLineEdit>(d, "txtTabSize");
    tab->setFocus();
    tab->setText("4");
    tab->setCursorPosition(1);
    QTest::keyClicks(tab, "a -2");
    EXPECT_EQ(tab->text(), "42");
    QTest::keyClick(tab, Qt::Key_Backspace);
    EXPECT_EQ(tab->text(), "42");  // Backspace is discarded
    QTest::keyClick(tab, Qt::Key_Home);
    QTest::keyClick(tab, Qt::Key_Delete);
    EXPECT_EQ(tab->text(), "2");  // Delete still edits
    auto* comment = child<QLineEdit>(d, "txtCommentPos");
    comment->setText("");
    QTest::keyClicks(comment, "12345");
    EXPECT_EQ(comment->text(), "123");
}

TEST_F(OptionDialogTest, ClassModulesThenConfirmThenReopen)
{
    {
        OptionDialog d(settings);
        d.show();
        auto* classOut = child<QRadioButton>(d, "optClassOut");
        QTest::mouseClick(classOut, Qt::LeftButton);
        EXPECT_TRUE(classOut->isChecked());
        EXPECT_FALSE(child<QRadioButton>(d, "optStandardOut")->isChecked());
        EXPECT_FALSE(child<QGroupBox>(d, "Frame5")->isEnabled());
        auto* collection = child<QCheckBox>(d, "chkCollection");
        EXPECT_TRUE(collection->isEnabled());
        collection->click();
        child<QPushButton>(d, "cmdOk")->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(settings.ModuleKind, 3);
    EXPECT_EQ(settings.CollectionFlag, kTrue);
    OptionDialog again(settings);
    EXPECT_TRUE(child<QRadioButton>(again, "optClassOut")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(again, "chkCollection")->isChecked());
    EXPECT_FALSE(child<QGroupBox>(again, "Frame5")->isEnabled());
}

TEST_F(OptionDialogTest, OversizedTabSizeIsRefusedAndTheDialogStays)
{
    OptionDialog d(settings);
    d.show();
    child<QLineEdit>(d, "txtTabSize")->setText("40000");
    child<QPushButton>(d, "cmdOk")->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "オプション設定");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(child<QLineEdit>(d, "txtTabSize")->text(), "4");
    EXPECT_EQ(settings.TabSize, 4);
}

TEST_F(OptionDialogTest, CancelChangesNothing)
{
    const RunSettings before = settings;
    OptionDialog d(settings);
    d.show();
    child<QCheckBox>(d, "chkWith")->click();
    child<QLineEdit>(d, "txtTabSize")->setText("9");
    child<QPushButton>(d, "cmdCancel")->click();
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
    e.focusCell({0, 2});
    QLineEdit* length = openEditor(view);
    ASSERT_NE(length, nullptr);
    length->clear();
    QTest::keyClicks(length, "1a .5-");
    EXPECT_EQ(length->text(), "1.5");
    QTest::keyClick(length, Qt::Key_Backspace);
    EXPECT_EQ(length->text(), "1.");
    QTest::keyClick(length, Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(view->currentIndex(), e.model()->index(0, 3));
    EXPECT_EQ(e.typeLogic().cell(0, 2), "1.");
    EXPECT_TRUE(e.applyButton()->isEnabled());

    e.focusCell({0, 4});
    QLineEdit* type = openEditor(view);
    ASSERT_NE(type, nullptr);
    type->clear();
    QTest::keyClicks(type, "My Type");
    EXPECT_EQ(type->text(), "MyType");

    // Enter on the flag cell goes on along the row.
    e.focusCell({0, 5});
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(view->currentIndex(), e.model()->index(0, 6));
    // From the last cell of a row to the first of the next.
    e.focusCell({0, 11});
    ASSERT_NE(openEditor(view), nullptr);
    QTest::keyClick(openEditor(view), Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(view->currentIndex(), e.model()->index(1, 0));
    // From the last cell of the last row to "OK".
    e.focusCell({21, 11});
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
    e.focusCell({3, 6});
    QLineEdit* cell = openEditor(e.view());
    ASSERT_NE(cell, nullptr);
    cell->setText("1.2.3");
    EXPECT_EQ(e.view()->indexWidget(e.view()->currentIndex()), cell);
    EXPECT_EQ(e.view()->currentIndex(), e.model()->index(3, 6));
    e.applyButton()->click();
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
        e.dataAddButton()->click();
        EXPECT_EQ(e.model()->rowCount(), 23);
        EXPECT_FALSE(e.applyButton()->isEnabled());
        e.model()->setData(e.model()->index(22, 0), "Nihongo型", Qt::EditRole);
        e.model()->setData(e.model()->index(22, 1), Qt::Checked, Qt::CheckStateRole);
        e.model()->setData(e.model()->index(22, 4), "String", Qt::EditRole);
        EXPECT_TRUE(e.applyButton()->isEnabled());
        e.okButton()->click();
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
            EXPECT_EQ(e.windowTitle(), QString::fromUtf8(caption));
            EXPECT_EQ(e.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "変換元タイプ");
            EXPECT_EQ(e.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "変換先名称");
            EXPECT_EQ(e.findChild<QPushButton*>("cmdDataAdd"), nullptr);
            EXPECT_FALSE(e.model()->flags(e.model()->index(0, 0)) & Qt::ItemIsEditable);
            e.focusCell({0, 1});
            QLineEdit* name = openEditor(e.view());
            ASSERT_NE(name, nullptr);
            name->clear();
            typeText(name, "新 名");
            EXPECT_EQ(name->text(), "新名");
            QTest::keyClick(name, Qt::Key_Return);
            QTest::qWait(20);
            EXPECT_EQ(e.view()->currentIndex(), e.model()->index(1, 1));
            e.applyButton()->click();
            EXPECT_FALSE(e.applyButton()->isEnabled());
            e.cancelButton()->click();
        }
        NameEditor reopened(store.path(), kind);
        EXPECT_EQ(reopened.model()->index(0, 1).data().toString(), "新名");
    }
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace schemist::test
