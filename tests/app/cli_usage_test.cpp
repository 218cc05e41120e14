// schemist-cli's command line as a user types it: table names as Access
// compares them, Japanese messages for every mistake (CLI11's own too),
// requests that cannot be carried out refused as usage, output names that
// stay inside the output folder, and names that cannot drive the terminal.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using namespace schemist;
using test::runCli;

namespace {

constexpr int kUsage = 64;

struct CliUsage : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    test::CommandResult sample(std::vector<std::string> args)
    {
        args.insert(args.begin(), test::dataFile("sample.mdb"));
        args.insert(args.end(), {"--out", out.path()});
        return runCli(args, home.path());
    }
};

// No word of CLI11's English survives in a message.
void expectJapaneseOnly(const std::string& err)
{
    static const std::regex english("[A-Za-z]{4,}");
    std::string words = std::regex_replace(err, std::regex("(--?[A-Za-z0-9-]+|schemist-cli|[^ ]*\\.mdb)"), "");
    EXPECT_FALSE(std::regex_search(words, english)) << err;
}

}  // namespace

TEST_F(CliUsage, TableNamesIgnoreTheCaseOfAsciiLettersAndBlanksAroundThem)
{
    auto result = sample({"--tables", "tblstaff, TBLORDER ", "--name", "Two", "--no-excel", "--show-definitions"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Numbered in the database's own order, spelled as the database spells them.
    EXPECT_NE(result.out.find("Access_Table\t1\tOrder\t"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Access_Table\t2\tStaff\t"), std::string::npos) << result.out;

    result = sample({"--tables", "tblStaff, NoSuchTable"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("NoSuchTable"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("--list"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

TEST_F(CliUsage, ParseErrorsAreJapaneseUsageErrorsNamingTheirCulprit)
{
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    for (const Case& c : {Case{{"x.mdb", "--no-such-option"}, "--no-such-option"},
                          Case{{"x.mdb", "--tab-size"}, "--tab-size"},
                          Case{{"x.mdb", "y.mdb"}, "y.mdb"},
                          Case{{"x.mdb", "--out"}, "--out"}}) {
        auto result = runCli(c.args, home.path());
        EXPECT_EQ(result.exitCode, kUsage) << c.named;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
        expectJapaneseOnly(result.err);
    }
}

TEST_F(CliUsage, HelpIsJapaneseWithNumberPlaceholders)
{
    auto result = runCli({"--help"}, home.path());
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("使い方"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("--tab-size 数値"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("TEXT"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("Usage"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("--check"), std::string::npos);
    EXPECT_NE(result.out.find("併用できない"), std::string::npos) << "the help says --check and - exclude each other";
}

TEST_F(CliUsage, RequestsThatCannotBeCarriedOutAreRefusedBeforeAnythingIsRead)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--no-vb", "--no-excel"}, {"--no-vb", "--no-excel", "--check"},
          {"--check", "--definitions-json", "-"}, {"--show-definitions", "--definitions-json", "-"},
          {"--list", "--check"}}) {
        auto result = sample(args);
        EXPECT_EQ(result.exitCode, kUsage) << args[0] << " " << args[1] << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
        expectJapaneseOnly(result.err);
    }
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));

    // Something else to produce makes the pair a valid request.
    auto result = sample({"--no-vb", "--no-excel", "--definitions-json", "-", "--tables", "tblStaff"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\"Access_Table\""), std::string::npos);
    EXPECT_EQ(sample({"--no-vb", "--no-excel", "--list"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

TEST_F(CliUsage, OutputNamesStayOnePlainFileInTheOutputFolder)
{
    std::filesystem::create_directory(out.file("sub"));
    for (const std::string& name : {std::string("../x"), std::string("sub/x"), std::string("a\nb"), std::string("."),
                                    std::string(".."), std::string("x\x1b[2J")}) {
        auto result = sample({"--name", name, "--tables", "tblStaff"});
        EXPECT_EQ(result.exitCode, kUsage) << name;
        EXPECT_NE(result.err.find("出力ファイル名"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\x1b'), std::string::npos) << "the message shows ESC, it does not send it";
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(out.path()).parent_path() / "x.bas"));
    EXPECT_TRUE(std::filesystem::is_empty(out.file("sub")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 1);
}

TEST_F(CliUsage, ControlCharactersOfNamesAreShownNotSentToTheTerminal)
{
    auto result = sample({"--tables", "tbl\x1b]0;title\x07Staff"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.find_first_of("\x1b\x07"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("tbl\\x1B]0;title\\x07Staff"), std::string::npos) << result.err;
}

TEST_F(CliUsage, FieldsWithoutAVisualBasicTypeAreWarnedAboutEverywhere)
{
    auto result = sample({"--tables", "tblStaff", "--no-excel", "--definitions-json", out.file("defs.json")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* field : {"Photo", "Guid"}) {
        std::string warning = std::string("テーブル Staff のフィールド ") + field;
        EXPECT_NE(result.err.find("警告: " + warning), std::string::npos) << result.err;
        EXPECT_NE(test::readFile(out.file("defs.json")).find(warning), std::string::npos) << field;
    }
}
