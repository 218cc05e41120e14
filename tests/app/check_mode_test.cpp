// Check mode and machine-readable definitions: generated files kept in step
// with the database, as a build script relies on.
#include "platform/workstore/database.h"
#include "run/line_diff.h"
#include "store/default_rows.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace schemist;
using test::runCli;

namespace {

std::map<std::string, std::string> folderBytes(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir))
        files[e.path().filename().string()] = test::readFile(e.path().string());
    return files;
}

struct CheckMode : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;
    std::string sample = test::dataFile("sample.mdb");

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    test::CommandResult cli(std::vector<std::string> extra)
    {
        std::vector<std::string> args = {sample, "--out", out.path(), "--name", "Sample"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCli(args, home.path());
    }
};

}  // namespace

TEST_F(CheckMode, CurrentFolderPassesAndNothingIsWritten)
{
    ASSERT_EQ(cli({}).exitCode, 0);
    auto before = folderBytes(out.path());
    ASSERT_EQ(before.size(), 2u);
    auto result = cli({"--check"});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(folderBytes(out.path()), before);
}

TEST_F(CheckMode, ConversionTableEditShowsExactlyThatChange)
{
    ASSERT_EQ(cli({}).exitCode, 0);
    auto before = folderBytes(out.path());
    {
        dao::Database db = dao::Database::open(home.file("SCHM.db"), dao::OpenMode::Exclusive);
        dao::Recordset rs = db.openRecordset(kDefaultTopNameTable, "ConvertType", Value("RecordSet"));
        rs.edit();
        rs.setField("ConvertName", Value("rec"));
        rs.update();
    }
    auto result = cli({"--check", "--no-excel"});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_NE(result.out.find("変更: " + out.file("Sample.bas")), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("-    dim rstStaff as recordset"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("+    dim recStaff as recordset"), std::string::npos) << result.out;
    for (const std::string& line : splitLines(result.out))
        if (line.rfind("+", 0) == 0 && line.rfind("+++", 0) != 0)
            EXPECT_NE(line.find("rec"), std::string::npos) << "only the prefix changes: " << line;
    EXPECT_EQ(folderBytes(out.path()), before);
}

TEST_F(CheckMode, SettingChangeMissingFileAndResavedWorkbook)
{
    ASSERT_EQ(cli({}).exitCode, 0);
    auto result = cli({"--check", "--tab-size", "2"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("Sample.bas"), std::string::npos);
    EXPECT_EQ(result.out.find("Sample.xls"), std::string::npos) << "the workbook does not depend on the tab size";

    fs::remove(out.file("Sample.bas"));
    result = cli({"--check"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("未作成: " + out.file("Sample.bas")), std::string::npos) << result.out;

    ASSERT_EQ(cli({}).exitCode, 0);
    std::string xls = test::readFile(out.file("Sample.xls"));
    xls[xls.size() - 1] ^= 1;
    test::writeFile(out.file("Sample.xls"), xls);
    result = cli({"--check"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("変更: " + out.file("Sample.xls")), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("保存し直した"), std::string::npos) << result.out;

    result = runCli({test::dataFile("nosuch.mdb"), "--check", "--out", out.path()}, home.path());
    EXPECT_EQ(result.exitCode, 2);
}

TEST_F(CheckMode, EveryOutputKindIsTheSameTwice)
{
    for (const std::string& db : test::allSampleDatabases()) {
        if (db.find("big.mdb") != std::string::npos)
            continue;  // covered by the benchmark; too slow to run twice per setting here
        for (const std::vector<std::string>& settings :
             {std::vector<std::string>{}, {"--module-kind", "3", "--collection"}}) {
            test::ScratchDir a, b;
            std::vector<std::string> args = {db, "--name", "Out"};
            args.insert(args.end(), settings.begin(), settings.end());
            auto first = args, second = args;
            first.insert(first.end(), {"--out", a.path()});
            second.insert(second.end(), {"--out", b.path()});
            int rc = runCli(first, home.path()).exitCode;
            ASSERT_EQ(runCli(second, home.path()).exitCode, rc) << db;
            EXPECT_EQ(folderBytes(a.path()), folderBytes(b.path())) << db;
        }
    }
}

TEST_F(CheckMode, DefinitionsJsonHoldsTheRowsOfShowDefinitions)
{
    auto json = cli({"--tables", "tblStaff,tblOrder", "--definitions-json", out.file("defs.json"), "--no-excel"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    auto shown = cli({"--tables", "tblStaff,tblOrder", "--show-definitions"});
    ASSERT_EQ(shown.exitCode, 0);
    test::writeFile(out.file("shown.tsv"), shown.out);
    // An independent reader turns the JSON back into the same tab-separated lines.
    std::string script = R"PY(
import json, sys
doc = json.load(open(sys.argv[1], encoding='utf-8'))
assert doc['format'] == 'schemist-definitions 2'
cols = ['TableNo','TableName','TableNameChange','TableComment','FieldNo','FieldName','FieldNameChange','Type',
        'LengthFlag','LengthInteger','LengthDecimal','Comment','Primary','Unique','Null','AllowZeroLength',
        'DefaultFlag','DefaultValue']
def cell(v):
    if v is None: return ''
    if v is True: return 'True'
    if v is False: return 'False'
    return str(v)
lines = []
for table in ('Access_Table', 'VB_Table'):
    for row in doc[table]:
        lines.append('\t'.join([table] + [cell(row[c]) for c in cols]))
expected = open(sys.argv[2], encoding='utf-8').read().splitlines()
sys.exit(0 if lines == expected else 1)
)PY";
    test::writeFile(out.file("check.py"), script);
    std::string command = "python3 " + out.file("check.py") + " " + out.file("defs.json") + " " + out.file("shown.tsv");
    EXPECT_EQ(std::system(command.c_str()), 0);
}
