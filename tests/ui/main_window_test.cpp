// The main window on the offscreen platform, driven as a user drives it:
// files, tables and folders chosen with the mouse and the keyboard, Start
// and the maintenance buttons clicked, question boxes answered by a click.
#include "ui/main_window.h"
#include "ui/manual_window.h"

#include "platform/workstore/database.h"
#include "run/run_driver.h"
#include "run/startup.h"
#include "store/default_rows.h"
#include "store/table_editing.h"
#include "main_window_fixture.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>

namespace schemist::test {
namespace {

using namespace schemist::ui;

std::string garbage()
{
    std::string bytes(16384, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    return bytes;
}

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

// Two databases in one folder: whichever is chosen, by mouse or keyboard,
// its own tables are listed, and the run reads the file whose tables it got.
TEST_F(MainWindowTest, TheFileChosenByMouseOrKeyboardIsTheFileListedAndRun)
{
    std::filesystem::copy_file(dataFile("sample.mdb"), input.file("a_sample.mdb"));
    std::filesystem::copy_file(dataFile("edge_flags.mdb"), input.file("b_edge.mdb"));
    const QStringList sampleTables = tablesOf(input.file("a_sample.mdb"));
    const QStringList edgeTables = tablesOf(input.file("b_edge.mdb"));
    ASSERT_TRUE(edgeTables.contains("tblDept"));
    ASSERT_FALSE(sampleTables.contains("tblDept"));
    auto w = openWindow();
    auto* tables = child<QListWidget>(*w, "lstTableName");
    auto* start = child<QPushButton>(*w, "cmdStart");
    ASSERT_EQ(w->listedFile(), inputFile("a_sample.mdb"));
    EXPECT_EQ(listed(tables), sampleTables);

    chooseTable(*w, "tblStaff");
    EXPECT_TRUE(start->isEnabled());
    chooseFile(*w, "b_edge.mdb");
    EXPECT_EQ(w->listedFile(), inputFile("b_edge.mdb"));
    EXPECT_EQ(listed(tables), edgeTables);
    EXPECT_FALSE(start->isEnabled());  // no table of the new file chosen yet

    // The keyboard goes back to the first file. The file model sorts its rows
    // a moment after it lists them; a user presses Up once the list shows the
    // first file above the second, and so does the test.
    auto* files = child<QListView>(*w, "flstInput");
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return itemNamed(files, "a_sample.mdb", files->rootIndex()).row() <
               itemNamed(files, "b_edge.mdb", files->rootIndex()).row();
    }, 5000));
    QTest::keyClick(files, Qt::Key_Up);
    EXPECT_EQ(w->listedFile(), inputFile("a_sample.mdb"));
    EXPECT_EQ(listed(tables), sampleTables);
    chooseFile(*w, "b_edge.mdb");
    EXPECT_EQ(listed(tables), edgeTables);

    chooseTable(*w, "tblDept");
    EXPECT_TRUE(start->isEnabled());
    chooseOutputFolderByMouse(*w);
    typeOutputName(*w, "EdgeOut");
    QuestionAnswerer answer("出力フォルダを開く");
    clickButton(start);
    ASSERT_TRUE(answer.answered());
    for (const ShownMessage& m : messages.shown())
        ADD_FAILURE() << m.text.toStdString();

    const GeneratorSlots generators = defaultGenerators();
    const std::string stem = output.file("EdgeOut");
    if (generators.standardModule) {
        ASSERT_TRUE(std::filesystem::exists(stem + ".bas"));
        const std::string source = readFile(stem + ".bas");
        EXPECT_NE(source.find("Dept"), std::string::npos);
        EXPECT_EQ(source.find("Staff"), std::string::npos);
        EXPECT_TRUE(answer.text().contains("EdgeOut.bas")) << answer.text().toStdString();
    }
    if (generators.workbook)
        EXPECT_TRUE(answer.text().contains("EdgeOut.xls")) << answer.text().toStdString();
    EXPECT_TRUE(answer.text().contains(QString::fromStdString(output.path())));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromStdString(output.path())));
    EXPECT_EQ(child<QProgressBar>(*w, "PrgBar")->value(), 0);
    EXPECT_TRUE(child<QListView>(*w, "flstInput")->isEnabled());
    EXPECT_FALSE(dao::Database::open(store.path(), dao::OpenMode::Shared).hasTable("Access_Table"));
}

TEST_F(MainWindowTest, ClosingTheRunSummaryOpensNothing)
{
    std::filesystem::copy_file(dataFile("one_field.mdb"), input.file("one.mdb"));
    auto w = openWindow();
    auto* tables = child<QListWidget>(*w, "lstTableName");
    ASSERT_GT(tables->count(), 0);
    clickItem(tables, tables->model()->index(0, 0));
    chooseOutputFolderByMouse(*w);
    QuestionAnswerer answer("閉じる");
    clickButton(child<QPushButton>(*w, "cmdStart"));
    ASSERT_TRUE(answer.answered());
    EXPECT_TRUE(answer.text().contains("FileName")) << answer.text().toStdString();
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainWindowTest, ADamagedFileIsReportedInTheStatusLineUntilAnotherIsChosen)
{
    writeFile(input.file("a_damaged.mdb"), garbage());
    std::filesystem::copy_file(dataFile("sample.mdb"), input.file("b_sample.mdb"));
    auto w = openWindow();
    auto* tables = child<QListWidget>(*w, "lstTableName");
    ASSERT_EQ(w->listedFile(), inputFile("a_damaged.mdb"));
    EXPECT_EQ(tables->count(), 0);
    EXPECT_TRUE(w->statusBar()->currentMessage().contains("a_damaged.mdb"))
        << w->statusBar()->currentMessage().toStdString();
    EXPECT_FALSE(child<QPushButton>(*w, "cmdStart")->isEnabled());

    chooseFile(*w, "b_sample.mdb");
    EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty()) << w->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(listed(tables), tablesOf(input.file("b_sample.mdb")));
}

// The file was read when its tables were listed and damaged before Start.
TEST_F(MainWindowTest, RunOverAFileDamagedSinceItWasListedShowsTheErrorAndStaysUsable)
{
    std::filesystem::copy_file(dataFile("sample.mdb"), input.file("sample.mdb"));
    auto w = openWindow();
    chooseTable(*w, "tblStaff");
    chooseOutputFolderByMouse(*w);
    writeFile(input.file("sample.mdb"), garbage());
    clickButton(child<QPushButton>(*w, "cmdStart"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "Schemist for Access");
    EXPECT_TRUE(messages.shown()[0].text.contains("sample.mdb")) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(child<QProgressBar>(*w, "PrgBar")->value(), 0);
    EXPECT_TRUE(child<QPushButton>(*w, "cmdDataInit")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(*w, "txtFileName")->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(output.file("FileName.bas")));
}

TEST_F(MainWindowTest, StartWithoutAnOutputNameAsksForItAndFocusesTheBox)
{
    std::filesystem::copy_file(dataFile("sample.mdb"), input.file("sample.mdb"));
    auto w = openWindow();
    chooseTable(*w, "tblStaff");
    auto* name = child<QLineEdit>(*w, "txtFileName");
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, "  ");
    clickButton(child<QPushButton>(*w, "cmdStart"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, "Schemist for Access");
    EXPECT_EQ(messages.shown()[0].text, "出力ファイル名を入力してください");
    EXPECT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }, 1000));
}

TEST_F(MainWindowTest, RebuildAsksFirstAndKeepsTheReplacedStore)
{
    SaveNameTable(store.path(), kDefaultEndNameTable, {});  // the user's edit
    MainWindow w(settings, std::nullopt);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* rebuild = child<QPushButton>(w, "cmdDataInit");
    {
        QuestionAnswerer answer("キャンセル");
        clickButton(rebuild);
        ASSERT_TRUE(answer.answered());
        EXPECT_TRUE(answer.text().contains("置き換わります")) << answer.text().toStdString();
        EXPECT_TRUE(answer.text().contains("SCHM.db.bak")) << answer.text().toStdString();
    }
    EXPECT_TRUE(LoadNameTable(store.path(), kDefaultEndNameTable).empty());
    EXPECT_FALSE(std::filesystem::exists(store.path() + ".bak"));
    {
        QuestionAnswerer answer("作り直す");
        clickButton(rebuild);
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultEndNameTable).size(), 5u);
    EXPECT_TRUE(LoadNameTable(store.path() + ".bak", kDefaultEndNameTable).empty());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(rebuild->isEnabled());
}

TEST_F(MainWindowTest, UnusableStoreAnswersEditorsWithTheSameMessageUntilRebuilt)
{
    writeFile(store.path(), "garbage");
    StartupState state = Startup(processEnvironment(), store.path());
    ASSERT_TRUE(state.storeProblem);
    MainWindow w(state.settings, state.storeProblem);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    clickButton(child<QPushButton>(w, "cmdTopName"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text.toStdString(), *state.storeProblem);
    QuestionAnswerer answer("作り直す");
    clickButton(child<QPushButton>(w, "cmdDataInit"));
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(messages.shown().size(), 1u);  // no message after a rebuild
    EXPECT_FALSE(w.logic().storeMessage());
}

TEST_F(MainWindowTest, ChoosingTheShownDriveAgainGoesBackToItsRoot)
{
    MainWindow w(settings, std::nullopt);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* drive = child<QComboBox>(w, "drvOutput");
    ASSERT_GE(drive->findText("/"), 0);
    pickEntry(drive, "/");
    // A folder of a volume the drive list leaves out; the list still shows "/".
    w.chooseOutputFolder("/dev");
    ASSERT_EQ(drive->currentText(), "/");
    pickEntry(drive, "/");
    EXPECT_EQ(w.outputFolder(), "/");
}

// The Help item of the menu, clicked as a user clicks it.
void clickHelp(MainWindow& w)
{
    QMenu* help = w.menuBar()->findChild<QMenu*>("mnuHelp");
    ASSERT_NE(help, nullptr);
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, w.menuBar()->actionGeometry(help->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }, 2000));
    QAction* item = help->actions().value(0);
    ASSERT_EQ(item->text(), "Help");
    QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(item).center());
}

TEST_F(MainWindowTest, HelpGoesToTheBrowserAndElseToTheProgramsOwnWindow)
{
    ASSERT_TRUE(manualPath().endsWith("manual.html"));
    MainWindow w(settings, std::nullopt);
    bool browserTakesIt = true;
    w.setUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return browserTakesIt;
    });
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    clickHelp(w);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(manualPath()));
    EXPECT_EQ(w.manualWindow(), nullptr);

    browserTakesIt = false;
    clickHelp(w);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.manualWindow() && w.manualWindow()->isVisible(); }, 2000));
    EXPECT_TRUE(w.manualWindow()->browser()->toPlainText().contains("Schemist"));
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace schemist::test
