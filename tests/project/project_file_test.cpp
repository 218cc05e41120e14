// The project file model: what a saved file reads back as, where its relative
// paths point, how the command line is laid over it, and the message every
// faulty file gets.
#include "project/project_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace schemist;

namespace {

Project everySetting()
{
    Project project;
    project.database = "/data/app/db/App.mdb";
    project.tables = std::vector<std::string>{"tblStaff", "商品", "with \"quote\""};
    project.outputFolder = "/data/app/out";
    project.outputName = "AppData";
    project.makeVB = true;
    project.makeWorkbook = false;
    project.documents = std::vector<std::string>{"md", "xlsx"};
    project.historyFrom = "/data/app/schema/v1.0.json";
    project.historyLabel = "1.1";
    for (const ProjectNumberSetting& setting : projectNumberSettings())
        project.numbers[setting.key] = static_cast<std::int16_t>(setting.range().max);
    project.numbers["tab-size"] = 2;
    project.with = false;
    project.collection = true;
    project.jet3Charset = "CP1252";
    project.workStore = "/data/store/SCHM.db";
    return project;
}

std::string messageOf(const std::string& text)
{
    try {
        parseProjectText(text, "/p/app.toml");
    } catch (const ProjectError& e) {
        EXPECT_TRUE(e.usage);
        return e.what();
    }
    ADD_FAILURE() << "accepted: " << text;
    return {};
}

}  // namespace

TEST(ProjectFile, SavedTextReadsBackAsTheSameProjectAndSavesToTheSameBytes)
{
    Project project = everySetting();
    std::string text = projectFileText(project, "/data/app/app.toml");
    EXPECT_EQ(parseProjectText(text, "/data/app/app.toml"), project) << text;
    EXPECT_EQ(projectFileText(parseProjectText(text, "/data/app/app.toml"), "/data/app/app.toml"), text);
    EXPECT_NE(text.find("database = \"db/App.mdb\""), std::string::npos) << text;
    EXPECT_NE(text.find("module-kind = \"class\""), std::string::npos) << text;
    EXPECT_NE(text.find("header-left = \"page-number\""), std::string::npos) << text;
    EXPECT_NE(text.find("history-from = \"schema/v1.0.json\""), std::string::npos) << text;

    Project empty;
    EXPECT_EQ(parseProjectText(projectFileText(empty, "a.toml"), "a.toml"), empty);
}

TEST(ProjectFile, RelativePathsAreTheFileFoldersAndAreWrittenSo)
{
    Project read = parseProjectText("[source]\ndatabase = \"db/App.mdb\"\n[output]\nfolder = \"../out\"\n"
                                    "[settings]\nwork-store = \"/abs/SCHM.db\"\n",
                                    "/team/project/app.toml");
    EXPECT_EQ(read.database, "/team/project/db/App.mdb");
    EXPECT_EQ(read.outputFolder, "/team/out");
    EXPECT_EQ(read.workStore, "/abs/SCHM.db");
    EXPECT_EQ(parseProjectText("[source]\ndatabase = \"App.mdb\"\n", "app.toml").database, "App.mdb");

    Project project;
    project.database = "/team/db/App.mdb";
    project.outputFolder = "/team/project";
    std::string text = projectFileText(project, "/team/project/app.toml");
    EXPECT_NE(text.find("database = \"../db/App.mdb\""), std::string::npos) << text;
    EXPECT_NE(text.find("folder = \".\""), std::string::npos) << text;
}

TEST(ProjectFile, ChoicesAreReadByNameOrNumber)
{
    Project project = parseProjectText("[settings]\nmodule-kind = 2\nfield-style = \"fields-value\"\n"
                                       "check-style = \"if-then-else\"\nfooter-right = \"table-name\"\n",
                                       "a.toml");
    EXPECT_EQ(project.numbers.at("module-kind"), 2);
    EXPECT_EQ(project.numbers.at("field-style"), 1);
    EXPECT_EQ(project.numbers.at("check-style"), 1);
    EXPECT_EQ(project.numbers.at("footer-right"), 1);
}

TEST(ProjectFile, TheCommandLineWinsOverTheFileEntryByEntry)
{
    Project file = everySetting();
    Project given;
    given.outputFolder = "/elsewhere";
    given.numbers["tab-size"] = 8;
    given.makeWorkbook = true;
    Project merged = mergeProjects(file, given);
    EXPECT_EQ(merged.outputFolder, "/elsewhere");
    EXPECT_EQ(merged.numbers.at("tab-size"), 8);
    EXPECT_EQ(merged.makeWorkbook, true);
    EXPECT_EQ(merged.database, file.database);
    EXPECT_EQ(merged.numbers.at("module-kind"), 3);
    EXPECT_EQ(merged.tables, file.tables);
}

TEST(ProjectFile, EveryFaultNamesTheFileTheKeyAndTheLine)
{
    struct Case {
        std::string text;
        std::string words;
    };
    const Case cases[] = {
        {"[source]\ndatabase = \"a.mdb\"\ndatabse = \"b.mdb\"\n", "不明なキーがあります: /p/app.toml 3行目: source.databse"},
        {"[source]\n[outputs]\nfolder = \".\"\n", "不明なキーがあります: /p/app.toml 2行目: outputs"},
        {"[output]\n\nvba = true\n", "不明なキーがあります: /p/app.toml 3行目: output.vba"},
        {"[settings]\ntab = 4\n", "不明なキーがあります: /p/app.toml 2行目: settings.tab"},
        {"[settings]\ntab-size = \"4\"\n", "型が正しくありません: /p/app.toml 2行目: settings.tab-size (整数を指定してください)"},
        {"[settings]\ntab-size = 32768\n", "範囲外です: /p/app.toml 2行目: settings.tab-size = 32768 (0から32767までの整数"},
        {"[settings]\ncomment-column = -1\n", "範囲外です: /p/app.toml 2行目: settings.comment-column = -1"},
        {"[settings]\nmodule-kind = 4\n", "範囲外です: /p/app.toml 2行目: settings.module-kind = 4 (1から3までの整数"},
        {"[settings]\n\nmodule-kind = \"classes\"\n",
         "値が正しくありません: /p/app.toml 3行目: settings.module-kind = \"classes\" (\"user-type\"、\"module-only\"、\"class\" のいずれか"},
        {"[settings]\nheader-left = 1.5\n", "型が正しくありません: /p/app.toml 2行目: settings.header-left (選択肢の名前または整数"},
        {"[settings]\nwith = \"yes\"\n", "型が正しくありません: /p/app.toml 2行目: settings.with (true または false"},
        {"[output]\nworkbook = 1\n", "型が正しくありません: /p/app.toml 2行目: output.workbook"},
        {"[source]\ndatabase = 1\n", "型が正しくありません: /p/app.toml 2行目: source.database (文字列"},
        {"[source]\ndatabase = \"\"\n", "値が正しくありません: /p/app.toml 2行目: source.database (空にはできません)"},
        {"[output]\nname = \"../Up\"\n", "値が正しくありません: /p/app.toml 2行目: output.name ("},
        {"[output]\ndocuments = [\"md\", \"pdf\"]\n", "値が正しくありません: /p/app.toml 2行目: output.documents = \"pdf\""},
        {"[output]\ndocuments = \"md\"\n", "型が正しくありません: /p/app.toml 2行目: output.documents (文字列の配列"},
        {"[source]\n\ntables = []\n", "値が正しくありません: /p/app.toml 3行目: source.tables (テーブル名を 1 つ以上"},
        {"[source]\ntables = \"tblStaff\"\n", "型が正しくありません: /p/app.toml 2行目: source.tables (文字列の配列"},
        {"[source]\ntables = [\n  \"tblStaff\",\n  3,\n]\n", "型が正しくありません: /p/app.toml 4行目: source.tables (文字列"},
        {"source = \"a.mdb\"\n", "型が正しくありません: /p/app.toml 1行目: source (セクション"},
        {"[output]\nname = \"x\"\nname = \"y\"\n", "書式が正しくありません: /p/app.toml 3行目"},
        {"[source\n", "書式が正しくありません: /p/app.toml 1行目"},
    };
    for (const Case& c : cases)
        EXPECT_NE(messageOf(c.text).find(c.words), std::string::npos) << c.text << "\n" << messageOf(c.text);
}

TEST(ProjectFile, AFileThatCannotBeReadIsNamedAndNotAUsageFault)
{
    test::ScratchDir dir;
    try {
        readProjectFile(dir.file("missing.toml"));
        FAIL();
    } catch (const ProjectError& e) {
        EXPECT_FALSE(e.usage);
        EXPECT_NE(std::string(e.what()).find(dir.file("missing.toml")), std::string::npos) << e.what();
    }
}

TEST(ProjectFile, TheReadmeExampleIsAProjectFileTheProgramTakes)
{
    std::string readme = test::readFile(std::string(SCHEMIST_TEST_DATA) + "/../../README.md");
    std::size_t begin = readme.find("may hold:\n\n");
    std::size_t end = readme.find("\n\nEvery entry", begin);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    std::istringstream block(readme.substr(begin + 11, end - begin - 11));
    std::string example;
    for (std::string line; std::getline(block, line);)
        example += (line.size() > 4 ? line.substr(4) : std::string()) + "\n";
    Project project = parseProjectText(example, "/team/app.toml");
    EXPECT_EQ(project.database, "/team/db/App.mdb");
    // Every setting but header-right and footer-right, which the example leaves out.
    EXPECT_EQ(project.numbers.size(), projectNumberSettings().size() - 2);
    EXPECT_EQ(project.collection, true);
}
