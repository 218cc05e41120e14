// The window's project file without widgets: what is saved reads back as the
// same window, absent entries take the command line's values, and a faulty
// file is refused with a message naming the file, the key and the line.
#include "ui/project_logic.h"

#include "run/table_selection.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace schemist::test {
namespace {

using ui::DocumentChoice;
using ui::ProjectLogic;
using ui::WindowProject;
namespace fs = std::filesystem;

class ProjectLogicTest : public testing::Test {
protected:
    ScratchDir dir;
    const std::string defaultStore = dir.file("Documents/SCHM.db");
    ProjectLogic logic{defaultStore};

    void SetUp() override
    {
        fs::create_directories(dir.file("db"));
        fs::create_directories(dir.file("out"));
        fs::create_directories(dir.file("elsewhere"));
        writeFile(dir.file("db/App.mdb"), "");
        writeFile(dir.file("schema-1.0.json"), "{}");
    }

    // The window as it is right after start-up with a file listed and no
    // table selected yet.
    WindowProject started()
    {
        WindowProject w;
        w.database = dir.file("db/App.mdb");
        w.everyTable = true;
        w.outputFolder = dir.file("elsewhere");
        w.outputName = "FileName";
        w.settings = RunSettings::startValues();
        w.settings.WorkStorePath = defaultStore;
        return w;
    }

    // A window the user changed everywhere a project file records.
    WindowProject changed()
    {
        WindowProject w = started();
        w.everyTable = false;
        w.tables = {"tblStaff", "商品"};
        w.outputFolder = dir.file("out");
        w.outputName = "DataAccess";
        w.makeExcel = false;
        w.documents = {true, true, dir.file("schema-1.0.json"), "1.1"};
        w.settings.ModuleKind = ModuleKind::ClassModules;
        w.settings.CollectionFlag = kTrue;
        w.settings.FieldStyle = FieldStyle::FieldsValue;
        w.settings.CheckStyle = CheckStyle::InlineIf;
        w.settings.WithFlag = kFalse;
        w.settings.CommentPos = 40;
        w.settings.TabSize = 2;
        w.settings.HeaderLeft = 3;
        w.settings.FooterCenter = 0;
        w.settings.WorkStorePath = dir.file("team.db");
        w.jet3Charset = "CP1252";
        return w;
    }

    std::string open(const std::string& text, const WindowProject& current)
    {
        writeFile(dir.file("app.toml"), text);
        try {
            logic.open(dir.file("app.toml"), current);
        } catch (const ProjectError& e) {
            return e.what();
        }
        return "";
    }
};

TEST_F(ProjectLogicTest, WhatIsSavedOpensAsTheSameWindowWithPathsRelativeToTheFile)
{
    for (const WindowProject& window : {started(), changed()}) {
        logic.save(dir.file("app.toml"), window);
        WindowProject other = started();
        other.outputFolder = dir.file("db");
        WindowProject opened = logic.open(dir.file("app.toml"), other);
        EXPECT_TRUE(opened == window) << readFile(dir.file("app.toml"));
    }
    const std::string text = readFile(dir.file("app.toml"));
    for (const char* line :
         {"database = \"db/App.mdb\"\n", "tables = [\"tblStaff\", \"商品\"]\n", "jet3-charset = \"CP1252\"\n",
          "folder = \"out\"\n", "name = \"DataAccess\"\n", "vb = true\n", "workbook = false\n",
          "documents = [\"md\", \"xlsx\"]\n", "history-from = \"schema-1.0.json\"\n", "history-label = \"1.1\"\n", "module-kind = \"class\"\n", "field-style = \"fields-value\"\n",
          "check-style = \"if-then-else\"\n", "comment-column = 40\n", "tab-size = 2\n",
          "header-left = \"page-number\"\n", "footer-center = \"none\"\n", "with = false\n", "collection = true\n",
          "work-store = \"team.db\"\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(logic.lastPath(), dir.file("app.toml"));
}

TEST_F(ProjectLogicTest, TheWindowsOwnDefaultsAreSavedAsTheCommandLineReadsThem)
{
    WindowProject w = started();  // every table selected, or none
    w.settings.CollectionFlag = kTrue;  // left over from class modules, not in force
    w.outputName = "  Spaced  ";
    const Project p = logic.projectOf(w);
    EXPECT_FALSE(p.tables.has_value());
    EXPECT_EQ(p.collection, false);
    EXPECT_FALSE(p.workStore.has_value());  // the store every run uses unless told
    EXPECT_FALSE(p.jet3Charset.has_value());
    EXPECT_EQ(p.outputName, "Spaced");      // the name a run uses
    EXPECT_EQ(p.documents, std::vector<std::string>{});
    EXPECT_EQ(p.numbers.size(), projectNumberSettings().size());
}

TEST_F(ProjectLogicTest, EntriesTheFileLacksTakeTheCommandLinesValuesButKeepTheOutputFolder)
{
    const WindowProject current = changed();
    writeFile(dir.file("app.toml"), "[source]\ndatabase = \"db/App.mdb\"\n");
    const WindowProject w = logic.open(dir.file("app.toml"), current);
    EXPECT_EQ(w.database, dir.file("db/App.mdb"));
    EXPECT_TRUE(w.everyTable);
    EXPECT_TRUE(w.tables.empty());
    EXPECT_EQ(w.outputName, "App");  // the database's name, as --name defaults
    EXPECT_EQ(w.outputFolder, current.outputFolder);
    EXPECT_TRUE(w.makeVB && w.makeExcel);
    EXPECT_EQ(w.documents, DocumentChoice{});
    WindowProject expected = started();
    expected.outputName = "App";
    expected.outputFolder = current.outputFolder;
    EXPECT_TRUE(w == expected);  // start values, the default store, CP932

    // No database in the file: the window's file stays, and so does its name.
    writeFile(dir.file("bare.toml"), "[settings]\ntab-size = 8\n");
    const WindowProject bare = logic.open(dir.file("bare.toml"), current);
    EXPECT_EQ(bare.database, current.database);
    EXPECT_EQ(bare.outputName, current.outputName);
    EXPECT_EQ(bare.settings.TabSize, 8);
    EXPECT_EQ(bare.settings.ModuleKind, RunSettings::startValues().ModuleKind);
}

TEST_F(ProjectLogicTest, FaultyFilesAreRefusedNamingFileKeyAndLine)
{
    const WindowProject current = started();
    const std::string path = dir.file("app.toml");
    struct Case {
        const char* text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"[output]\nname = \"A\"\ncolour = 3\n", {"不明なキー", path, "3行目", "output.colour"}},
        {"[settings]\n\ntab-size = \"4\"\n", {"型が正しくありません", "3行目", "settings.tab-size"}},
        {"[settings]\nmodule-kind = 4\n", {"範囲外", "2行目", "settings.module-kind"}},
        {"[output]\ndocuments = [\"pdf\"]\n", {"2行目", "output.documents", "pdf"}},
        {"[source\n", {"書式が正しくありません", "1行目"}},
        {"[source]\ndatabase = \"db/Gone.mdb\"\n", {"入力データが見つかりません", "source.database", dir.file("db/Gone.mdb")}},
        {"[output]\nfolder = \"gone\"\n", {"出力先フォルダが見つかりません", "output.folder", dir.file("gone")}},
        {"[settings]\ncollection = true\n", {"settings.collection", "class"}},
        {"[output]\nhistory-from = \"old.json\"\ndocuments = [\"md\"]\n", {"比較元が見つかりません", dir.file("old.json")}},
        {"[output]\nhistory-from = \"schema-1.0.json\"\n", {"output.history-from", "定義書"}},
        {"[output]\nhistory-label = \"1.1\"\ndocuments = [\"md\"]\n", {"output.history-label"}},
    };
    for (const Case& c : cases) {
        const std::string message = open(c.text, current);
        ASSERT_FALSE(message.empty()) << c.text;
        for (const std::string& part : c.expected)
            EXPECT_NE(message.find(part), std::string::npos) << part << " in " << message;
    }
    EXPECT_TRUE(logic.lastPath().empty());  // nothing was opened
    EXPECT_EQ(open("[settings]\nmodule-kind = \"class\"\ncollection = true\n", current), "");
}

TEST_F(ProjectLogicTest, OnlyNamesAProjectFileCanHoldAreSaved)
{
    WindowProject w = started();
    for (const char* name : {"", "   ", "a/b", "..", "x\ny"}) {
        w.outputName = name;
        EXPECT_TRUE(ProjectLogic::saveProblem(w).has_value()) << name;
    }
    w.outputName = "  データ  ";
    EXPECT_FALSE(ProjectLogic::saveProblem(w).has_value());
    EXPECT_EQ(ProjectLogic::saveProblem(WindowProject{}), "出力ファイル名を入力してください");
}

TEST(ProjectTables, NamesAreFoundAsAccessComparesThem)
{
    const std::vector<std::string> listed = {"tblStaff", "商品", "Orders"};
    std::vector<std::string> unknown;
    EXPECT_EQ(tablesAsSpelled({" ORDERS ", "TBLstaff", "orders", "商品", "Gone", ""}, listed, unknown),
              (std::vector<std::string>{"Orders", "tblStaff", "商品"}));
    EXPECT_EQ(unknown, std::vector<std::string>{"Gone"});
}

}  // namespace
}  // namespace schemist::test
