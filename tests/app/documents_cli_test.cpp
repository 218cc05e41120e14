// The definition documents from the command line: --doc writes them beside
// the other outputs, --check compares them, and the JSON carries the schema
// they are made of.
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace schemist;
using test::runCli;
using nlohmann::json;

namespace {

std::map<std::string, std::string> treeBytes(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[fs::relative(e.path(), dir).string()] = test::readFile(e.path().string());
    return files;
}

struct Documents : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    test::CommandResult cli(const std::string& database, std::vector<std::string> extra)
    {
        std::vector<std::string> args = {database, "--out", out.path(), "--name", "Doc"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args, home.path());
    }
};

}  // namespace

TEST_F(Documents, MarkdownFolderBesideTheOtherOutputsAndTheSameBytesTwice)
{
    auto first = cli(test::dataFile("edge_flags.mdb"), {"--doc", "md"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    auto files = treeBytes(out.path());
    EXPECT_TRUE(files.count("Doc.bas") && files.count("Doc.xls"));
    ASSERT_TRUE(files.count("Doc-doc/README.md"));
    EXPECT_TRUE(files.count("Doc-doc/tblDept.md") && files.count("Doc-doc/tblEmp.md"));
    EXPECT_NE(files["Doc-doc/README.md"].find("tblDept ||--o{ tblEmp : \"tblDepttblEmp (fldDeptID)\""),
              std::string::npos)
        << files["Doc-doc/README.md"];
    auto second = cli(test::dataFile("edge_flags.mdb"), {"--doc", "md"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(treeBytes(out.path()), files);
}

// The documents are something to produce on their own: a reviewer's run
// needs neither the source nor the workbook.
TEST_F(Documents, DocumentsAloneAreARun)
{
    auto run = cli(test::dataFile("edge_flags.mdb"), {"--no-vb", "--no-excel", "--doc", "xlsx"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto files = treeBytes(out.path());
    EXPECT_TRUE(files.count("Doc.xlsx"));
    EXPECT_FALSE(files.count("Doc.bas") || files.count("Doc.xls"));
}

TEST_F(Documents, WithoutDocNothingMore)
{
    ASSERT_EQ(cli(test::dataFile("sample.mdb"), {}).exitCode, 0);
    EXPECT_FALSE(fs::exists(out.file("Doc-doc")));
}

TEST_F(Documents, UnknownKindIsAUsageErrorAndWritesNothing)
{
    for (const std::string& kinds : {std::string("pdf"), std::string("md,html")}) {
        auto result = cli(test::dataFile("sample.mdb"), {"--doc", kinds});
        EXPECT_EQ(result.exitCode, 64) << kinds << ": " << result.err;
        EXPECT_NE(result.err.find("--doc"), std::string::npos) << result.err;
        EXPECT_TRUE(fs::is_empty(out.path())) << kinds;
    }
}

TEST_F(Documents, CheckComparesThePagesAsText)
{
    std::string database = test::dataFile("sample.mdb");
    ASSERT_EQ(cli(database, {"--doc", "md"}).exitCode, 0);
    auto current = cli(database, {"--doc", "md", "--check"});
    EXPECT_EQ(current.exitCode, 0) << current.out << current.err;

    std::string page = out.file("Doc-doc/tblStaff.md");
    std::string text = test::readFile(page);
    std::size_t at = text.find("社員マスタ");
    ASSERT_NE(at, std::string::npos);
    test::writeFile(page, text.substr(0, at) + "社員一覧" + text.substr(at + std::string("社員マスタ").size()));
    fs::remove(out.file("Doc-doc/Customer.md"));
    auto stale = cli(database, {"--doc", "md", "--check"});
    EXPECT_EQ(stale.exitCode, 1) << stale.err;
    EXPECT_NE(stale.out.find("変更: " + page + "\n"), std::string::npos) << stale.out;
    EXPECT_NE(stale.out.find("-| 説明 | 社員一覧 |\n+| 説明 | 社員マスタ |\n"), std::string::npos) << stale.out;
    EXPECT_NE(stale.out.find("未作成: " + out.file("Doc-doc/Customer.md")), std::string::npos) << stale.out;
}

TEST_F(Documents, DefinitionsJsonCarriesTheSchemaOfTheSelectedTables)
{
    auto result = cli(test::dataFile("edge_flags.mdb"),
                      {"--tables", "tblEmp", "--no-vb", "--no-excel", "--definitions-json", "-"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    json doc = json::parse(result.out);
    EXPECT_EQ(doc["format"], "schemist-definitions 2");
    const json& tables = doc["schema"]["tables"];
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0]["name"], "tblEmp");
    for (const json& field : tables[0]["fields"]) {
        for (const char* key : {"name", "type", "size", "precision", "scale", "required", "allowZeroLength",
                                "defaultValue", "caption", "description", "format", "inputMask", "validationRule",
                                "validationText", "decimalPlaces", "autoNumber", "rowSource"})
            EXPECT_TRUE(field.contains(key)) << key;
    }
    // The relationship touches the selected table; the referenced table was
    // not selected and has no entry of its own.
    const json& relationships = doc["schema"]["relationships"];
    ASSERT_EQ(relationships.size(), 1u);
    EXPECT_EQ(relationships[0]["table"], "tblEmp");
    EXPECT_EQ(relationships[0]["referencedTable"], "tblDept");
    EXPECT_EQ(relationships[0]["columns"], json::array({"fldDeptID"}));
    EXPECT_EQ(relationships[0]["enforced"], true);
}

// A page left in NAME-doc/ for a table that is no longer selected is
// reported as stale; Markdown files a team keeps there are not.
TEST_F(Documents, CheckReportsPagesOfTablesNoLongerSelected)
{
    std::string database = test::dataFile("sample.mdb");
    ASSERT_EQ(cli(database, {"--doc", "md", "--no-vb", "--no-excel"}).exitCode, 0);
    test::writeFile(out.file("Doc-doc/notes.md"), "# メモ\n\nレビューの記録\n");
    auto check = cli(database, {"--doc", "md", "--no-vb", "--no-excel", "--check", "--tables", "tblStaff,tblOrder"});
    EXPECT_EQ(check.exitCode, 1) << check.err;
    for (const char* page : {"Customer.md", "TBLProduct.md", "tblHistory.md", "商品.md"}) {
        std::string path = out.file(std::string("Doc-doc/") + page);
        EXPECT_NE(check.out.find("不要: " + path + "（このテーブルはもうありません）\n--- a/" + page + "\n+++ /dev/null\n"),
                  std::string::npos)
            << page << "\n" << check.out;
    }
    EXPECT_NE(check.out.find("変更: " + out.file("Doc-doc/README.md")), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("notes.md"), std::string::npos) << check.out;
    EXPECT_EQ(check.out.find("Doc-doc/tblStaff.md"), std::string::npos) << check.out;
}

// A write that fails after the document folder was made takes the folder
// away again: a failed run leaves no empty NAME-doc/ behind.
TEST_F(Documents, AFailedWriteLeavesNoEmptyDocumentFolder)
{
    fs::create_directory(out.file("Doc.xlsx"));  // the workbook cannot take its place
    auto run = cli(test::dataFile("sample.mdb"), {"--doc", "md,xlsx", "--no-vb", "--no-excel"});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("Doc.xlsx"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out.file("Doc-doc")));
    EXPECT_EQ(treeBytes(out.path()).size(), 0u);
}
