// schemist-cli with a project file: a saved project repeats its run byte for
// byte, the command line wins over the file, and faulty files stop the run
// before anything is written.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace schemist;
using test::runCli;
namespace fs = std::filesystem;

namespace {

struct ProjectCli : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir work;

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }
};

}  // namespace

TEST_F(ProjectCli, ASavedProjectRepeatsTheRunByteForByte)
{
    fs::create_directories(work.file("first"));
    fs::create_directories(work.file("project/db"));
    test::copyFile(test::dataFile("sample.mdb"), work.file("project/db/App.mdb"));
    std::vector<std::string> options = {work.file("project/db/App.mdb"), "--tables", "tblStaff,商品",
                                        "--name", "Staff", "--module-kind", "3", "--collection", "--no-with",
                                        "--tab-size", "2", "--comment-pos", "40", "--header-left", "2",
                                        "--footer-center", "0", "--field-style", "1", "--doc", "md,xlsx"};
    auto run = options;
    run.insert(run.end(), {"--out", work.file("first")});
    auto first = runCli(run, home.path());
    ASSERT_EQ(first.exitCode, 0) << first.err;

    auto save = options;
    save.insert(save.end(), {"--save-project", work.file("project/app.toml")});
    auto saved = runCli(save, home.path());
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    std::string text = test::readFile(work.file("project/app.toml"));
    EXPECT_NE(text.find("database = \"db/App.mdb\""), std::string::npos) << text;

    fs::create_directories(work.file("second"));
    auto second = runCli({"--project", work.file("project/app.toml"), "--out", work.file("second")}, home.path());
    ASSERT_EQ(second.exitCode, 0) << second.err;
    ASSERT_EQ(test::filesBelow(work.file("second")), test::filesBelow(work.file("first")));
    EXPECT_GT(test::filesBelow(work.file("first")).size(), 3u);
    for (const std::string& name : test::filesBelow(work.file("first")))
        EXPECT_EQ(test::readFile(work.file("second/" + name)), test::readFile(work.file("first/" + name))) << name;
}

TEST_F(ProjectCli, TheCommandLineOverridesTheFileAndSavingMergesBoth)
{
    test::writeFile(work.file("app.toml"), "[source]\ndatabase = \"db/App.mdb\"\ntables = [\"tblStaff\"]\n"
                                           "[output]\nname = \"Staff\"\nworkbook = false\n"
                                           "[settings]\ntab-size = 8\nmodule-kind = \"module-only\"\n");
    auto saved = runCli({"--project", work.file("app.toml"), "--tab-size", "2", "--name", "Other",
                         "--save-project", work.file("merged.toml")},
                        home.path());
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    std::string merged = test::readFile(work.file("merged.toml"));
    EXPECT_NE(merged.find("tab-size = 2\n"), std::string::npos) << merged;
    EXPECT_NE(merged.find("name = \"Other\"\n"), std::string::npos) << merged;
    EXPECT_NE(merged.find("module-kind = \"module-only\"\n"), std::string::npos) << merged;
    EXPECT_NE(merged.find("workbook = false\n"), std::string::npos) << merged;
    EXPECT_NE(merged.find("database = \"db/App.mdb\"\n"), std::string::npos) << merged;

    fs::create_directories(work.file("db"));
    fs::create_directories(work.file("out"));
    test::copyFile(test::dataFile("sample.mdb"), work.file("db/App.mdb"));
    auto run = runCli({"--project", work.file("app.toml"), "--out", work.file("out"), "--name", "Other"}, home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::filesBelow(work.file("out")), std::vector<std::string>{"Other.bas"});
}

TEST_F(ProjectCli, FaultyFilesStopWithAMessageAndWriteNothing)
{
    fs::create_directories(work.file("out"));
    test::writeFile(work.file("bad.toml"), "[settings]\nmodule-kind = \"classes\"\n");
    auto bad = runCli({"--project", work.file("bad.toml"), "--out", work.file("out")}, home.path());
    EXPECT_EQ(bad.exitCode, 64);
    EXPECT_NE(bad.err.find("2行目: settings.module-kind"), std::string::npos) << bad.err;

    test::writeFile(work.file("missing-db.toml"), "[source]\ndatabase = \"db/Gone.mdb\"\n");
    auto missing = runCli({"--project", work.file("missing-db.toml"), "--out", work.file("out")}, home.path());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find(work.file("db/Gone.mdb")), std::string::npos) << missing.err;

    auto absent = runCli({"--project", work.file("none.toml"), "--out", work.file("out")}, home.path());
    EXPECT_EQ(absent.exitCode, 2);
    EXPECT_NE(absent.err.find(work.file("none.toml")), std::string::npos) << absent.err;

    auto badNumber = runCli({"--tab-size", "x", "--save-project", work.file("never.toml")}, home.path());
    EXPECT_EQ(badNumber.exitCode, 64);
    EXPECT_FALSE(fs::exists(work.file("never.toml")));
    EXPECT_TRUE(test::filesBelow(work.file("out")).empty());
}
