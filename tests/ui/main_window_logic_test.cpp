// The main window's rules, without the window.
#include "ui/main_window_logic.h"

#include "platform/error.h"
#include "run/startup.h"
#include "platform/workstore/database.h"
#include "store/default_data.h"
#include "store/default_rows.h"
#include "store/table_editing.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace schemist::test {
namespace {

using ui::MainWindowLogic;

RunSettings settingsFor(const FreshStore& store)
{
    RunSettings s = RunSettings::startValues();
    s.WorkStorePath = store.path();
    return s;
}

RunRequest sampleRequest(const std::string& outputFolder)
{
    RunRequest r;
    r.sourcePath = dataFile("sample.mdb");
    r.outputFolder = outputFolder;
    r.outputName = "Sample";
    return r;
}

TEST(MainWindowLogic, StartIsDisabledAtLoadAfterAFileChangeAndWhenTheFileListLosesFocus)
{
    FreshStore store;
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    logic.load();
    EXPECT_FALSE(logic.startEnabled());
    logic.fileChosen(dataFile("sample.mdb"));
    EXPECT_FALSE(logic.tables().empty());
    EXPECT_FALSE(logic.startEnabled());
    logic.tableListSettled(1);
    EXPECT_TRUE(logic.startEnabled());
    logic.fileChosen(dataFile("one_field.mdb"));
    EXPECT_FALSE(logic.startEnabled());
    logic.tableListSettled(1);
    logic.fileListLostFocus();
    EXPECT_FALSE(logic.startEnabled());
    logic.tableListSettled(0);
    EXPECT_FALSE(logic.startEnabled());
}

// A project naming another store: made when missing, its problem answering
// the editors when it is not a store, and the window's own store usable again.
TEST(MainWindowLogic, AnotherWorkStoreIsMadeOrCheckedAsAtStartUp)
{
    FreshStore store;
    RunSettings settings = settingsFor(store);
    MainWindowLogic logic(settings, std::nullopt);
    const std::string team = store.dir().file("team.db");
    EXPECT_FALSE(logic.useWorkStore(team));
    EXPECT_EQ(settings.WorkStorePath, team);
    EXPECT_TRUE(dao::Database::open(team, dao::OpenMode::Shared).hasTable(kDefaultTypeTable));

    const std::string broken = store.dir().file("broken.db");
    writeFile(broken, "not a store");
    auto problem = logic.useWorkStore(broken);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("broken.db"), std::string::npos) << *problem;
    EXPECT_EQ(logic.storeMessage(), problem);
    EXPECT_FALSE(logic.useWorkStore(store.path()));
    EXPECT_FALSE(logic.storeMessage());
}

TEST(MainWindowLogic, SystemOnlyDatabaseListsNoTables)
{
    FreshStore store;
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    logic.fileChosen(dataFile("systemonly.mdb"));
    EXPECT_TRUE(logic.tables().empty());
    EXPECT_TRUE(logic.listProblem().empty());
}

TEST(MainWindowLogic, UnreadableFileLeavesTheListEmptyWithItsReason)
{
    FreshStore store;
    writeFile(store.dir().file("broken.mdb"), std::string(4096, '\x5a'));
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    logic.fileChosen(dataFile("sample.mdb"));
    logic.tableListSettled(1);
    logic.fileChosen(store.dir().file("broken.mdb"));
    EXPECT_TRUE(logic.tables().empty());
    EXPECT_FALSE(logic.startEnabled());
    EXPECT_NE(logic.listProblem().find("broken.mdb"), std::string::npos) << logic.listProblem();
}

TEST(MainWindowLogic, OnlyTheFirstMissingInputIsAnswered)
{
    FreshStore store;
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    RunRequest nothing;
    nothing.outputName = "   ";
    ui::StartAnswer answer = logic.start(nothing);
    ASSERT_TRUE(answer.message);
    EXPECT_EQ(*answer.message, "出力ファイル名を入力してください");
    EXPECT_TRUE(answer.focusOutputName);
    EXPECT_FALSE(answer.ran);

    nothing.outputName = "Out";
    answer = logic.start(nothing);
    EXPECT_EQ(*answer.message, "処理対象のデータベースを選択してください");
    EXPECT_FALSE(answer.focusOutputName);
    nothing.sourcePath = dataFile("sample.mdb");
    EXPECT_EQ(*logic.start(nothing).message, "処理対象のテーブルを選択してください");
}

TEST(MainWindowLogic, AnOutputNameThatIsNoPlainFileNameIsRefusedBeforeTheRun)
{
    FreshStore store;
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    logic.fileChosen(dataFile("sample.mdb"));
    ScratchDir out;
    for (const char* name : {"../escaped", "sub/x", "two\nlines", ".."}) {
        RunRequest request = sampleRequest(out.path());
        request.tables = logic.tables();
        request.outputName = name;
        ui::StartAnswer answer = logic.start(request);
        ASSERT_TRUE(answer.message) << name;
        EXPECT_NE(answer.message->find("出力ファイル名"), std::string::npos) << *answer.message;
        EXPECT_TRUE(answer.focusOutputName);
        EXPECT_FALSE(answer.ran);
        EXPECT_TRUE(logic.controlsEnabled());
    }
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(out.path()).parent_path() / "escaped.bas"));
}

TEST(MainWindowLogic, RunPassesThroughTheProgressValuesAndEndsUsable)
{
    FreshStore store;
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    logic.fileChosen(dataFile("sample.mdb"));
    std::vector<int> seen;
    std::vector<bool> enabledDuring;
    logic.setStateObserver([&] {
        if (seen.empty() || seen.back() != logic.progress())
            seen.push_back(logic.progress());
        enabledDuring.push_back(logic.controlsEnabled());
    });
    RunRequest request = sampleRequest(store.dir().path());
    request.tables = logic.tables();
    ui::StartAnswer answer = logic.start(request);
    ASSERT_TRUE(answer.ran);
    EXPECT_TRUE(answer.outcome.succeeded) << answer.outcome.error;
    EXPECT_FALSE(answer.message);
    ASSERT_GE(seen.size(), 4u);
    // Controls go off (progress still 0), then 10, 20, ...
    EXPECT_EQ(seen[0], 0);
    EXPECT_EQ(seen[1], 10);
    EXPECT_EQ(seen[2], 20);
    EXPECT_EQ(seen.back(), 0);
    EXPECT_TRUE(std::find(enabledDuring.begin(), enabledDuring.end(), false) != enabledDuring.end());
    EXPECT_TRUE(logic.controlsEnabled());
    EXPECT_TRUE(logic.startEnabled());
    EXPECT_EQ(logic.progress(), 0);
}

TEST(MainWindowLogic, FailedRunAnswersWithTheErrorAndEndsUsable)
{
    FreshStore store;
    std::string broken = store.dir().file("broken.mdb");
    writeFile(broken, std::string(8192, '\x01'));
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    RunRequest request = sampleRequest(store.dir().path());
    request.sourcePath = broken;
    request.tables = {"T"};
    ui::StartAnswer answer = logic.start(request);
    EXPECT_TRUE(answer.ran);
    ASSERT_TRUE(answer.message);
    EXPECT_FALSE(answer.outcome.succeeded);
    EXPECT_TRUE(logic.controlsEnabled());
    EXPECT_EQ(logic.progress(), 0);
    // No work tables are left behind.
    dao::Database db = dao::Database::open(store.path(), dao::OpenMode::Shared);
    EXPECT_FALSE(db.hasTable("Access_Table"));
}

TEST(MainWindowLogic, UnusableStoreAnswersUntilRebuiltAndTheRebuildKeepsABackup)
{
    ScratchDir dir;
    const std::string path = dir.file("SCHM.db");
    writeFile(path, "this is not a work store");
    StartupState state = Startup(processEnvironment(), path);
    ASSERT_TRUE(state.storeProblem);
    MainWindowLogic logic(state.settings, state.storeProblem);
    RunRequest request = sampleRequest(dir.path());
    request.tables = {"x"};
    ui::StartAnswer answer = logic.start(request);
    EXPECT_FALSE(answer.ran);
    EXPECT_EQ(answer.message, state.storeProblem);
    EXPECT_EQ(logic.storeMessage(), state.storeProblem);

    EXPECT_FALSE(logic.rebuildDefaultData());
    EXPECT_FALSE(logic.storeMessage());
    EXPECT_EQ(readFile(path + ".bak"), "this is not a work store");
    EXPECT_TRUE(logic.controlsEnabled());
    EXPECT_EQ(logic.progress(), 0);
}

TEST(MainWindowLogic, RebuildReplacesEditsAndKeepsThePreviousStore)
{
    FreshStore store;
    SaveNameTable(store.path(), kDefaultEndNameTable, {});
    RunSettings s = settingsFor(store);
    MainWindowLogic logic(s, std::nullopt);
    EXPECT_FALSE(logic.rebuildDefaultData());
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultEndNameTable).size(), 5u);
    EXPECT_TRUE(LoadNameTable(store.path() + ".bak", kDefaultEndNameTable).empty());
}

TEST(MainWindowLogic, WarningsBecomeOneMessage)
{
    EXPECT_EQ(ui::warningsMessage({"a", "b"}), "a\nb");
}

}  // namespace
}  // namespace schemist::test
