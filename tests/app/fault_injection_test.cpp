// Faults around a run: a full disk under the store or the outputs, folders
// and files the user may not write, a store held by another process or
// replaced by garbage, a missing documents folder. Each ends with a clear
// message, the conversion tables unchanged, no half-written output, and the
// next run working.
#include "platform/workstore/database.h"
#include "platform/error.h"
#include "store/default_rows.h"
#include "store/table_editing.h"
#include "support/store_contents.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace schemist;
using test::runCli;

namespace {


std::vector<std::string> filesIn(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Faults : ::testing::Test {
    test::ScratchDir scratch;
    std::string home = scratch.file("home");
    std::string out = scratch.file("out");
    std::string store = home + "/SCHM.db";
    std::string sample = test::dataFile("sample.mdb");

    void SetUp() override
    {
        fs::create_directories(home);
        fs::create_directories(out);
    }
    test::CommandResult run(const std::string& outFolder, int uid = -1)
    {
        return runCli({sample, "--out", outFolder, "--name", "Sample"}, home, uid);
    }
};

}  // namespace

TEST_F(Faults, DiskFullUnderTheStore)
{
    test::SmallFileSystem disk(home, "400k");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    ASSERT_EQ(runCli({"--init"}, home).exitCode, 0);
    std::string tables = test::conversionTablesText(store);
    disk.fill(8 * 1024);
    auto result = run(out);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_NE(result.err.find("ディスクの空きが足りない"), std::string::npos) << result.err;
    EXPECT_TRUE(filesIn(out).empty());
    disk.release();
    EXPECT_EQ(test::conversionTablesText(store), tables);
    result = run(out);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(test::conversionTablesText(store), tables) << "no work tables left behind";
}

TEST_F(Faults, DiskFullDuringAnEditorSave)
{
    test::SmallFileSystem disk(home, "400k");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    ASSERT_EQ(runCli({"--init"}, home).exitCode, 0);
    std::string tables = test::conversionTablesText(store);
    // A save that needs far more room than is left: many long names.
    std::vector<NameCells> rows = LoadNameTable(store, kDefaultTopNameTable);
    for (int i = 0; i < 3000; ++i)
        rows.push_back({"追加キー" + std::to_string(i) + std::string(200, 'k'), std::string(200, 'n')});
    disk.fill(8 * 1024);
    try {
        SaveNameTable(store, kDefaultTopNameTable, rows);
        ADD_FAILURE() << "the save fitted on a full disk";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("ディスクの空きが足りない"), std::string::npos) << e.what();
    }
    disk.release();
    EXPECT_EQ(test::conversionTablesText(store), tables) << "the table keeps its earlier rows";
    EXPECT_EQ(run(out).exitCode, 0);
}

TEST_F(Faults, DiskFullUnderTheOutputs)
{
    test::SmallFileSystem disk(out, "200k");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    ASSERT_EQ(runCli({"--init"}, home).exitCode, 0);
    test::writeFile(out + "/Sample.bas", "earlier run\r\n");
    disk.fill(2 * 1024);
    auto result = run(out);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_NE(result.err.find(out), std::string::npos) << result.err;
    EXPECT_EQ(test::readFile(out + "/Sample.bas"), "earlier run\r\n");
    EXPECT_EQ(filesIn(out), (std::vector<std::string>{"Sample.bas", "filler"})) << "no temporary file left";
    disk.release();
    EXPECT_EQ(run(out).exitCode, 0);
}

TEST_F(Faults, ReadOnlyOutputFolderAndFile)
{
    int nobody = test::unprivilegedUid();
    if (nobody < 0)
        GTEST_SKIP() << "needs root to run the program as an unprivileged user";
    fs::permissions(scratch.path(), fs::perms::all);
    fs::permissions(home, fs::perms::all);
    ASSERT_EQ(runCli({"--init"}, home, nobody).exitCode, 0);
    fs::permissions(out, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    auto result = run(out, nobody);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_NE(result.err.find("出力先フォルダに書き込めません"), std::string::npos) << result.err;

    fs::permissions(out, fs::perms::all);
    test::writeFile(out + "/Sample.xls", "kept");
    fs::permissions(out + "/Sample.xls", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    result = run(out, nobody);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_NE(result.err.find("Sample.xls"), std::string::npos) << result.err;
    EXPECT_EQ(test::readFile(out + "/Sample.xls"), "kept");
}

TEST_F(Faults, StoreHeldByAnotherProcess)
{
    ASSERT_EQ(runCli({"--init"}, home).exitCode, 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t holder = ::fork();
    if (holder == 0) {
        dao::Database held = dao::Database::open(store, dao::OpenMode::Exclusive);
        char c = 'x';
        (void)!::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    auto result = run(out);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("使用中"), std::string::npos) << result.err;
    EXPECT_TRUE(filesIn(out).empty());
    EXPECT_EQ(run(out).exitCode, 0);
}

TEST_F(Faults, StoreReplacedByGarbageAndMissingDocumentsFolder)
{
    test::writeFile(store, std::string(4096, '\x5a'));
    auto result = run(out);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(store), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("--init"), std::string::npos) << result.err;
    EXPECT_EQ(test::readFile(store), std::string(4096, '\x5a')) << "a foreign file is never overwritten silently";
    EXPECT_EQ(runCli({"--init"}, home).exitCode, 0);
    EXPECT_EQ(run(out).exitCode, 0);

    result = runCli({sample, "--out", out}, scratch.file("no/such/documents"));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("no/such/documents"), std::string::npos) << result.err;
}
