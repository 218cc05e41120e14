// The main window's project file and definition documents, driven as a user
// drives them: the File menu clicked or its keys pressed, the path typed into
// the file dialog, the options dialog's boxes ticked. What the window then
// writes is compared byte for byte with the command line's run of the same
// project.
#include "main_window_fixture.h"
#include "support/test_support.h"
#include "ui/option_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace schemist::test {
namespace {

namespace fs = std::filesystem;

void expectSameFiles(const std::string& window, const std::string& commandLine)
{
    ASSERT_EQ(filesBelow(window), filesBelow(commandLine));
    for (const std::string& name : filesBelow(window))
        EXPECT_TRUE(readFile(window + "/" + name) == readFile(commandLine + "/" + name)) << name;
}

QStringList selectedTables(MainWindow& w)
{
    QStringList names;
    for (QListWidgetItem* item : child<QListWidget>(w, "lstTableName")->selectedItems())
        names << item->text();
    names.sort();
    return names;
}

// Works in the options dialog once the window has opened it, then closes it
// with the button `closeWith`.
class OptionDialogUser {
public:
    OptionDialogUser(std::function<void(OptionDialog&)> work, const char* closeWith) : timer_(new QTimer)
    {
        timer_->setInterval(20);
        QObject::connect(timer_, &QTimer::timeout, [this, work, closeWith] {
            auto* dialog = qobject_cast<OptionDialog*>(QApplication::activeModalWidget());
            if (!dialog || done_)
                return;
            done_ = true;
            work(*dialog);
            clickButton(child<QPushButton>(*dialog, closeWith));
        });
        timer_->start();
    }
    ~OptionDialogUser() { delete timer_; }
    bool done() const { return done_; }

private:
    QTimer* timer_;
    bool done_ = false;
};

void clickBox(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

// Ctrl+key to the window, which the user has brought to the front (the
// offscreen platform does not give it back the focus after a dialog), through
// the window system as a key press arrives, so that the menu's shortcut sees it.
void pressShortcut(MainWindow& w, Qt::Key key)
{
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.windowHandle(), key, Qt::ControlModifier);
}

class ProjectWindowTest : public MainWindowTest {
protected:
    ScratchDir work;
    ScratchDir home;

    // The run summary's text.
    QString runAndClose(MainWindow& w)
    {
        QuestionAnswerer answer("閉じる");
        clickButton(child<QPushButton>(w, "cmdStart"));
        EXPECT_TRUE(answer.answered());
        for (const ShownMessage& m : messages.shown())
            ADD_FAILURE() << m.text.toStdString();
        return answer.text();
    }

    void openProjectByMenu(MainWindow& w, const std::string& path)
    {
        FileDialogAnswerer answer(QString::fromStdString(path));
        clickMenuEntry(w, "ファイル", "プロジェクトを開く");
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(answer.title(), "プロジェクトを開く");
        // Qt's own dialog speaks Japanese too: labels, buttons, tooltips, columns.
        const QStringList shown = answer.shownTexts();
        for (const char* japanese : {"場所:", "ファイル名:", "開く", "キャンセル", "名前", "更新日時", "親フォルダー"})
            EXPECT_TRUE(shown.contains(japanese)) << japanese << " in " << shown.join('|').toStdString();
        for (const char* english : {"Look in:", "Open", "Cancel", "Name", "Size", "Date Modified", "Parent Directory",
                                    "Back", "Detail View"})
            EXPECT_FALSE(shown.contains(english)) << english;
    }

    void saveProjectByKeys(MainWindow& w, const std::string& path)
    {
        FileDialogAnswerer answer(QString::fromStdString(path));
        pressShortcut(w, Qt::Key_S);
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(answer.title(), "プロジェクトを保存");
    }

    CommandResult commandLine(std::vector<std::string> args)
    {
        CommandResult result = runCli(args, home.path());
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result;
    }
};

TEST_F(ProjectWindowTest, DocumentsTickedInTheOptionsDialogAreWrittenAsTheCommandLineWritesThem)
{
    copyFile(dataFile("sample.mdb"), input.file("App.mdb"));
    auto w = openWindow();
    chooseTable(*w, "tblStaff");
    chooseOutputFolderByMouse(*w);
    typeOutputName(*w, "App");
    {
        OptionDialogUser user(
            [](OptionDialog& d) {
                auto* xlsx = child<QCheckBox>(d, "chkDocXlsx");
                auto* markdown = child<QCheckBox>(d, "chkDocMarkdown");
                EXPECT_FALSE(xlsx->isChecked() || markdown->isChecked());  // off unless asked for
                clickBox(xlsx);
                clickBox(markdown);
            },
            "cmdOk");
        clickButton(child<QPushButton>(*w, "cmdOption"));
        ASSERT_TRUE(user.done());
    }
    EXPECT_TRUE(w->logic().documents().xlsx && w->logic().documents().markdown);
    const QString summary = runAndClose(*w);
    EXPECT_TRUE(summary.contains("\n  App.xlsx")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("\n  App-doc/README.md")) << summary.toStdString();
    EXPECT_TRUE(fs::exists(output.file("App.xlsx")));
    EXPECT_TRUE(fs::exists(output.file("App-doc/README.md")));

    fs::create_directories(work.file("cli"));
    commandLine({input.file("App.mdb"), "--tables", "tblStaff", "--out", work.file("cli"), "--name", "App", "--doc",
                 "xlsx,md", "--store", store.path()});
    expectSameFiles(output.path(), work.file("cli"));
}

TEST_F(ProjectWindowTest, AProjectOpenedFromTheMenuFillsTheWindowAndRunsAsTheCommandLineRunsIt)
{
    copyFile(dataFile("edge_flags.mdb"), input.file("Other.mdb"));
    fs::create_directories(work.file("db"));
    fs::create_directories(work.file("out"));
    copyFile(dataFile("sample.mdb"), work.file("db/App.mdb"));
    // An older state of the database as a snapshot, for the revision history.
    fs::create_directories(work.file("old"));
    commandLine({work.file("db/App.mdb"), "--tables", "tblStaff", "--out", work.file("old"), "--no-vb", "--no-excel",
                 "--definitions-json", work.file("App-1.0.json"), "--store", store.path()});
    const std::string project = work.file("app.toml");
    writeFile(project, "[source]\ndatabase = \"db/App.mdb\"\ntables = [\"TBLSTAFF\", \"商品\"]\n\n"
                       "[output]\nfolder = \"out\"\nname = \"Staff\"\nworkbook = true\ndocuments = [\"md\", \"xlsx\"]\n"
                       "history-from = \"App-1.0.json\"\nhistory-label = \"1.1\"\n\n"
                       "[settings]\nmodule-kind = \"class\"\ncollection = true\nwith = false\ntab-size = 2\n"
                       "comment-column = 40\nfield-style = \"fields-value\"\nheader-left = \"file-name\"\n"
                       "footer-center = \"none\"\nwork-store = \"" + store.path() + "\"\n");
    auto w = openWindow();
    ASSERT_EQ(w->listedFile(), inputFile("Other.mdb"));
    openProjectByMenu(*w, project);

    const QString database = QString::fromStdString(work.file("db/App.mdb"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->listedFile() == database; }, 5000));
    EXPECT_EQ(selectedTables(*w), (QStringList{"tblStaff", "商品"}));
    EXPECT_TRUE(child<QPushButton>(*w, "cmdStart")->isEnabled());
    EXPECT_EQ(w->outputFolder(), QString::fromStdString(work.file("out")));
    EXPECT_EQ(child<QLineEdit>(*w, "txtFileName")->text(), "Staff");
    EXPECT_TRUE(child<QCheckBox>(*w, "chkMakeVB")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(*w, "chkMakeExcel")->isChecked());
    EXPECT_TRUE(w->statusBar()->currentMessage().contains("app.toml"));
    {
        OptionDialogUser user(
            [this](OptionDialog& d) {
                EXPECT_TRUE(child<QRadioButton>(d, "optClassOut")->isChecked());
                EXPECT_TRUE(child<QCheckBox>(d, "chkCollection")->isChecked());
                EXPECT_FALSE(child<QCheckBox>(d, "chkWith")->isChecked());
                EXPECT_TRUE(child<QRadioButton>(d, "optField1")->isChecked());
                EXPECT_EQ(child<QLineEdit>(d, "txtTabSize")->text(), "2");
                EXPECT_EQ(child<QLineEdit>(d, "txtCommentPos")->text(), "40");
                EXPECT_TRUE(child<QCheckBox>(d, "chkDocXlsx")->isChecked());
                EXPECT_TRUE(child<QCheckBox>(d, "chkDocMarkdown")->isChecked());
                EXPECT_EQ(child<QLineEdit>(d, "txtHistoryFrom")->text(), QString::fromStdString(work.file("App-1.0.json")));
                EXPECT_EQ(child<QLineEdit>(d, "txtHistoryLabel")->text(), "1.1");
            },
            "cmdCancel");
        clickButton(child<QPushButton>(*w, "cmdOption"));
        ASSERT_TRUE(user.done());
    }
    runAndClose(*w);
    EXPECT_GT(filesBelow(work.file("out")).size(), 4u);
    EXPECT_NE(readFile(work.file("out/Staff-doc/README.md")).find("改訂履歴"), std::string::npos);

    fs::create_directories(work.file("cli"));
    commandLine({"--project", project, "--out", work.file("cli")});
    expectSameFiles(work.file("out"), work.file("cli"));
}

TEST_F(ProjectWindowTest, WhatTheWindowSavesTheCommandLineRunsByteForByte)
{
    copyFile(dataFile("sample.mdb"), input.file("App.mdb"));
    auto w = openWindow();
    chooseTable(*w, "tblStaff");
    chooseTable(*w, "商品");
    chooseOutputFolderByMouse(*w);
    typeOutputName(*w, "Saved");
    clickBox(child<QCheckBox>(*w, "chkMakeExcel"));
    {
        OptionDialogUser user(
            [](OptionDialog& d) {
                clickBox(child<QRadioButton>(d, "optClassOut"));
                clickBox(child<QCheckBox>(d, "chkCollection"));
                clickBox(child<QCheckBox>(d, "chkDocMarkdown"));
            },
            "cmdOk");
        clickButton(child<QPushButton>(*w, "cmdOption"));
        ASSERT_TRUE(user.done());
    }
    const std::string project = work.file("saved.toml");
    saveProjectByKeys(*w, project);
    ASSERT_TRUE(fs::exists(project));
    const std::string text = readFile(project);
    for (const char* line : {"tables = [\"tblStaff\", \"商品\"]\n", "name = \"Saved\"\n", "workbook = false\n",
                             "documents = [\"md\"]\n", "module-kind = \"class\"\n", "collection = true\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("work-store"), std::string::npos) << text;  // the window's own store
    runAndClose(*w);

    fs::create_directories(work.file("cli"));
    commandLine({"--project", project, "--out", work.file("cli"), "--store", store.path()});
    expectSameFiles(output.path(), work.file("cli"));

    // Saving over it asks first; refused, the file stays as it was.
    typeOutputName(*w, "Renamed");
    {
        QuestionAnswerer keep("キャンセル");
        saveProjectByKeys(*w, project);
        ASSERT_TRUE(keep.answered());
        EXPECT_TRUE(keep.text().contains("saved.toml"));
    }
    EXPECT_EQ(readFile(project), text);
    {
        QuestionAnswerer replace("上書きする");
        saveProjectByKeys(*w, project);
        ASSERT_TRUE(replace.answered());
    }
    EXPECT_NE(readFile(project).find("name = \"Renamed\"\n"), std::string::npos);
}

TEST_F(ProjectWindowTest, FaultyProjectsAreReportedWithKeyAndLineAndChangeNothing)
{
    copyFile(dataFile("sample.mdb"), input.file("App.mdb"));
    auto w = openWindow();
    chooseTable(*w, "tblStaff");
    typeOutputName(*w, "Mine");
    const std::string project = work.file("bad.toml");
    const char* faults[][2] = {
        {"[output]\nname = \"X\"\n\ncolour = \"red\"\n", "4行目: output.colour"},
        {"[settings]\ntab-size = 40000\n", "2行目: settings.tab-size"},
        {"[source]\ndatabase = \"Gone.mdb\"\n", "source.database"},
    };
    for (auto [content, expected] : faults) {
        writeFile(project, content);
        messages.clear();
        FileDialogAnswerer answer(QString::fromStdString(project));
        pressShortcut(*w, Qt::Key_O);
        ASSERT_TRUE(answer.answered());
        ASSERT_EQ(messages.shown().size(), 1u) << content;
        EXPECT_EQ(messages.shown()[0].title, "Schemist for Access");
        EXPECT_TRUE(messages.shown()[0].text.contains(expected)) << messages.shown()[0].text.toStdString();
        EXPECT_TRUE(messages.shown()[0].text.contains("bad.toml"));
    }
    EXPECT_EQ(child<QLineEdit>(*w, "txtFileName")->text(), "Mine");
    EXPECT_EQ(selectedTables(*w), QStringList{"tblStaff"});
    EXPECT_EQ(w->logic().settings().TabSize, 4);
}

// The database in the folder the window shows already, one table of the list
// gone from it: the others are selected and the missing one is named.
TEST_F(ProjectWindowTest, ATableTheDatabaseLacksIsNamedAndTheOthersSelected)
{
    copyFile(dataFile("sample.mdb"), input.file("App.mdb"));
    copyFile(dataFile("edge_flags.mdb"), input.file("B.mdb"));
    auto w = openWindow();
    chooseFile(*w, "B.mdb");
    const std::string project = work.file("p.toml");
    writeFile(project, "[source]\ndatabase = \"" + input.file("App.mdb") + "\"\ntables = [\"tblStaff\", \"tblGone\"]\n");
    messages.clear();
    openProjectByMenu(*w, project);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->listedFile() == inputFile("App.mdb"); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown().empty(); }, 2000));
    EXPECT_TRUE(messages.shown()[0].text.contains("tblGone")) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(selectedTables(*w), QStringList{"tblStaff"});
    EXPECT_EQ(child<QLineEdit>(*w, "txtFileName")->text(), "App");
}

TEST_F(ProjectWindowTest, SavingWithoutAnOutputNameAsksForItFirst)
{
    copyFile(dataFile("sample.mdb"), input.file("App.mdb"));
    auto w = openWindow();
    typeOutputName(*w, " ");
    clickMenuEntry(*w, "ファイル", "プロジェクトを保存");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "出力ファイル名を入力してください");
    EXPECT_TRUE(QTest::qWaitFor([&] { return child<QLineEdit>(*w, "txtFileName")->hasFocus(); }, 1000));
    EXPECT_TRUE(filesBelow(work.path()).empty());
}

}  // namespace
}  // namespace schemist::test
