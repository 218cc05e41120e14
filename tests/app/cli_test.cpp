// schemist-cli as a user or a build script meets it: exit statuses, messages
// on standard error, and a work store left intact by every failure.
#include "support/store_contents.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

using namespace schemist;
using test::runCli;

namespace {

struct Cli : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;
    std::string store = home.file("SCHM.db");

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    std::string conversionTables() { return test::conversionTablesText(store); }
};

}  // namespace

TEST_F(Cli, InitCreatesTheStoreAndLaterStartsLeaveItUntouched)
{
    ASSERT_TRUE(std::filesystem::exists(store));
    std::string before = test::readFile(store);
    auto result = runCli({test::dataFile("sample.mdb"), "--list"}, home.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(test::readFile(store), before);
    EXPECT_EQ(result.out, "Customer\ntblHistory\ntblOrder\nTBLProduct\ntblStaff\n商品\n");
}

TEST_F(Cli, BadSourceFilesFailWithAMessageAndTheStoreIntact)
{
    std::string tables = conversionTables();
    test::writeFile(out.file("text.mdb"), "not an access database\n");
    test::writeFile(out.file("empty.mdb"), "");
    std::string sample = test::readFile(test::dataFile("sample.mdb"));
    test::writeFile(out.file("truncated.mdb"), sample.substr(0, sample.size() / 3));
    for (const std::string& name : {std::string("missing.mdb"), std::string("text.mdb"), std::string("empty.mdb"),
                                    std::string("truncated.mdb")}) {
        auto result = runCli({out.file(name), "--out", out.path(), "--name", "X"}, home.path());
        EXPECT_EQ(result.exitCode, 2) << name << ": " << result.err;
        EXPECT_EQ(result.signal, 0) << name;
        EXPECT_NE(result.err.find(name), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out.file("X.bas"))) << name;
    }
    EXPECT_EQ(conversionTables(), tables);
}

TEST_F(Cli, UnknownTableAndMissingOutputFolderAreRefused)
{
    auto result = runCli({test::dataFile("sample.mdb"), "--tables", "tblStaff,NoSuchTable", "--out", out.path()},
                         home.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("NoSuchTable"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));

    result = runCli({test::dataFile("sample.mdb"), "--out", out.file("nowhere")}, home.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("出力先フォルダがありません"), std::string::npos) << result.err;
}

TEST_F(Cli, DatabasesWithoutLocalTablesSaySo)
{
    for (const char* name : {"linkedonly.mdb", "systemonly.mdb"}) {
        auto result = runCli({test::dataFile(name), "--out", out.path()}, home.path());
        EXPECT_EQ(result.exitCode, 2) << name;
        EXPECT_NE(result.err.find("処理できるテーブルがありません"), std::string::npos) << result.err;
        EXPECT_TRUE(std::filesystem::is_empty(out.path()));
    }
}

TEST_F(Cli, BadNumbersAndOptionsAreUsageErrors)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"x.mdb", "--tab-size", "40000"}, {"x.mdb", "--tab-size", "4a"},
          {"x.mdb", "--comment-pos", "-1"}, {"x.mdb", "--module-kind", "4"}, {"x.mdb", "--collection"},
          {"x.mdb", "--no-such-option"}}) {
        auto result = runCli(args, home.path());
        EXPECT_EQ(result.exitCode, 64) << args[1];
        EXPECT_FALSE(result.err.empty());
    }
}

// The command line reads number settings as the options dialog does: an empty
// value is 0 and leading zeros do not count, on both sides of the range.
TEST_F(Cli, NumberSettingsReadAsTheOptionsDialogReadsThem)
{
    auto module = [&](const std::string& tabSize, const std::string& commentPos, const std::string& name) {
        const std::string folder = out.file(name);
        std::filesystem::create_directories(folder);
        auto result = runCli({test::dataFile("sample.mdb"), "--out", folder, "--name", "Sample", "--tab-size", tabSize,
                              "--comment-pos", commentPos, "--no-excel"},
                             home.path());
        EXPECT_EQ(result.exitCode, 0) << tabSize << result.err;
        return test::readFile(folder + "/Sample.bas");
    };
    EXPECT_EQ(module("", "", "empty"), module("0", "0", "zero"));
    EXPECT_EQ(module("0000000000008", "0040", "padded"), module("8", "40", "eight"));
    EXPECT_NE(module("8", "40", "other"), module("4", "40", "four"));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"x.mdb", "--tab-size", "0032768"}, {"x.mdb", "--comment-pos", "01000"},
          {"x.mdb", "--module-kind", ""}}) {
        auto result = runCli(args, home.path());
        EXPECT_EQ(result.exitCode, 64) << args[1] << " " << args[2];
    }
}

TEST_F(Cli, StandardOutputThatCannotBeWrittenIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is missing";
    for (std::string options : {"--list", "--show-definitions --no-excel", "--definitions-json - --no-excel"}) {
        std::string command = "HOME='" + home.path() + "' XDG_DOCUMENTS_DIR='" + home.path() + "' '" +
                              SCHEMIST_CLI_PATH + "' '" + test::dataFile("sample.mdb") + "' --out '" + out.path() +
                              "' " + options + " >/dev/full 2>" + out.file("err");
        int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << options;
        EXPECT_EQ(WEXITSTATUS(status), 2) << options;
        EXPECT_NE(test::readFile(out.file("err")).find("標準出力に書き込めません"), std::string::npos) << options;
    }
}

TEST_F(Cli, ShowDefinitionsPrintsBothWorkTablesAndWritesNothing)
{
    auto result = runCli({test::dataFile("sample.mdb"), "--tables", "tblStaff", "--show-definitions", "--out",
                          out.path()},
                         home.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));
    EXPECT_NE(result.out.find("Access_Table\t1\tStaff\tTrue\t社員マスタ\t1\tID\tTrue\tLong\tFalse\t4\t0\t\tTrue"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("VB_Table\t1\tStaff\tTrue\t社員マスタ\t13\tGuid\tTrue\t未定義\tFalse\t0\t0\t"),
              std::string::npos)
        << result.out;
}
