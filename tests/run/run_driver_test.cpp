// The road of a run with a reader and generators of the test's own: input
// messages, progress values, step failures and the work store afterwards.
#include "run/run_driver.h"

#include "platform/workstore/database.h"
#include "platform/error.h"
#include "store/default_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace schemist;

namespace {

SourceSchema twoTables()
{
    SourceTable staff;
    staff.name = "tblStaff";
    staff.fields = {{"fldId", 4, 4, std::nullopt, std::nullopt, false}, {"fldName", 10, 50, "氏名", std::nullopt, false}};
    staff.indexes = {{"PrimaryKey", true, true, false, "+fldId"}};
    SourceTable linked;
    linked.name = "Linked";
    linked.attributes = 0x40000000;
    linked.fields = staff.fields;
    return {{linked, staff}, {}};
}

struct Driver : ::testing::Test {
    test::ScratchDir dir;
    RunSettings settings = RunSettings::startValues();
    std::vector<int> progressValues;
    Progress progress{[this](int v) { progressValues.push_back(v); }};
    GeneratorSlots generators;
    std::vector<DefinitionTable> seenVB;

    void SetUp() override
    {
        settings.WorkStorePath = dir.file("SCHM.db");
        RebuildWorkStore(settings.WorkStorePath, false);
        generators.standardModule = [this](const std::vector<DefinitionTable>& tables, const std::string& stem,
                                           const std::string& name, GenerationContext& ctx) {
            seenVB = tables;
            return OutputFile{stem + ".bas", {"Attribute VB_Name = \"" + ctx.ids.ModuleNamePrefix + name + "\""}};
        };
        generators.classModules = [](const std::vector<DefinitionTable>& tables, const std::string& folder,
                                     GenerationContext&) {
            return std::vector<OutputFile>{{folder + "/cls" + tables[0].tableName() + ".cls", {"VERSION 1.0 CLASS"}}};
        };
        generators.workbook = [](const std::vector<DefinitionTable>&, const RunSettings&, const std::string& file,
                                 Progress& p, Warnings&) {
            p.set(70);
            p.set(100);
            return "workbook of " + file;
        };
    }

    RunRequest request()
    {
        RunRequest r;
        r.sourcePath = dir.file("sample.mdb");
        r.tables = {"tblStaff"};
        r.outputFolder = dir.path();
        r.outputName = "  Sample ";
        return r;
    }

    RunDriver driver(SchemaReader reader = [](const std::string&, const SourceReadOptions&) { return twoTables(); })
    {
        return RunDriver(settings, std::move(reader), generators);
    }

    int storeTableCount()
    {
        dao::Database db = dao::Database::open(settings.WorkStorePath, dao::OpenMode::Exclusive);
        return db.tableDefCount();
    }
};

}  // namespace

TEST_F(Driver, OnlyTheFirstMissingInputIsReportedAndNothingHappens)
{
    RunRequest r = request();
    r.outputName = "   ";
    r.tables.clear();
    RunOutcome outcome = driver().start(r, progress);
    EXPECT_EQ(outcome.inputMessage, std::optional<std::string>("出力ファイル名を入力してください"));
    r.outputName = "x";
    r.sourcePath.clear();
    EXPECT_EQ(driver().start(r, progress).inputMessage, std::optional<std::string>("処理対象のデータベースを選択してください"));
    r.sourcePath = "a.mdb";
    EXPECT_EQ(driver().start(r, progress).inputMessage, std::optional<std::string>("処理対象のテーブルを選択してください"));
    EXPECT_TRUE(progressValues.empty());
}

TEST_F(Driver, StandardModuleRunWritesBothFilesWithTheSpecifiedProgress)
{
    RunDriver d = driver();
    RunOutcome outcome = d.start(request(), progress);
    ASSERT_TRUE(outcome.succeeded) << outcome.error;
    EXPECT_EQ(progressValues, (std::vector<int>{10, 20, 30, 40, 70, 100, 80, 60, 0}));
    EXPECT_EQ(test::readFile(dir.file("Sample.bas")), "Attribute VB_Name = \"mdlSample\"\r\n");
    EXPECT_EQ(test::readFile(dir.file("Sample.xls")), "workbook of sample.mdb");
    EXPECT_EQ(d.sourceFileName(), "sample.mdb");
    ASSERT_EQ(seenVB.size(), 1u);
    EXPECT_EQ(seenVB[0].tableName(), "Staff");
    EXPECT_EQ(seenVB[0].rows[1].Type, "String");
    EXPECT_EQ(storeTableCount(), 4) << "work tables are removed after the run";
}

TEST_F(Driver, TheOutcomeHoldsTheRowsTheGeneratorsWereGivenInTheirOrder)
{
    std::vector<DefinitionTable> seenAccess;
    generators.workbook = [&seenAccess](const std::vector<DefinitionTable>& tables, const RunSettings&,
                                        const std::string&, Progress&, Warnings&) {
        seenAccess = tables;
        return std::string("xls");
    };
    SchemaReader reader = [](const std::string&, const SourceReadOptions&) {
        SourceSchema schema = twoTables();
        SourceTable other = schema.tables[1];
        other.name = "tblOther";
        schema.tables.push_back(other);
        return schema;
    };
    RunRequest r = request();
    r.tables = {"tblOther", "tblStaff"};
    RunOutcome unkept = driver(reader).start(r, progress, WriteMode::InMemory);
    ASSERT_TRUE(unkept.succeeded) << unkept.error;
    EXPECT_TRUE(unkept.outputs.accessRows.empty() && unkept.outputs.vbRows.empty())
        << "the rows are let go once the outputs are made, unless asked for";

    seenAccess.clear();
    seenVB.clear();
    r.keepRows = true;
    RunOutcome outcome = driver(reader).start(r, progress, WriteMode::InMemory);
    ASSERT_TRUE(outcome.succeeded) << outcome.error;

    auto flat = [](const std::vector<DefinitionTable>& tables) {
        std::vector<DefinitionRow> rows;
        for (const DefinitionTable& table : tables)
            rows.insert(rows.end(), table.rows.begin(), table.rows.end());
        return rows;
    };
    ASSERT_EQ(outcome.outputs.accessRows.size(), 4u);
    EXPECT_EQ(outcome.outputs.accessRows, flat(seenAccess));
    EXPECT_EQ(outcome.outputs.vbRows, flat(seenVB));
    EXPECT_EQ(outcome.outputs.accessRows[0].TableName, "Staff");
    EXPECT_EQ(outcome.outputs.accessRows[3].TableName, "Other");
    EXPECT_EQ(outcome.outputs.accessRows[3].FieldNo, 2);
    EXPECT_EQ(outcome.outputs.vbRows[3].Type, "String");
}

TEST_F(Driver, ClassRunAndRunWithoutOutputs)
{
    settings.ModuleKind = ModuleKind::ClassModules;
    RunRequest r = request();
    r.makeExcel = false;
    ASSERT_TRUE(driver().start(r, progress).succeeded);
    EXPECT_EQ(progressValues, (std::vector<int>{10, 20, 30, 60, 0}));
    EXPECT_TRUE(std::filesystem::exists(dir.file("clsStaff.cls")));

    progressValues.clear();
    r.makeVB = false;
    RunOutcome outcome = driver().start(r, progress);
    ASSERT_TRUE(outcome.succeeded);
    EXPECT_EQ(progressValues, (std::vector<int>{10, 20, 60, 0}));
    EXPECT_TRUE(outcome.outputs.vbRows.empty()) << "no conversion without VB source";
}

TEST_F(Driver, FailuresNameTheStepWriteNothingAndLeaveTheStoreClean)
{
    test::writeFile(dir.file("Sample.bas"), "earlier run");
    generators.workbook = [](const std::vector<DefinitionTable>&, const RunSettings&, const std::string&, Progress&,
                             Warnings&) -> std::string { throw Error("Excel 定義書を作れません"); };
    RunOutcome outcome = driver().start(request(), progress);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("Excel定義書の作成に失敗しました"), std::string::npos) << outcome.error;
    EXPECT_EQ(test::readFile(dir.file("Sample.bas")), "earlier run") << "nothing is written when a step fails";
    EXPECT_EQ(progressValues.back(), 0);
    EXPECT_EQ(storeTableCount(), 4);

    RunOutcome reader = driver([](const std::string& path, const SourceReadOptions&) -> SourceSchema {
        throw Error("データベースを読み込めません: " + path + ": 壊れています");
    }).start(request(), progress);
    EXPECT_NE(reader.error.find("データベースの読み込みに失敗しました: データベースを読み込めません"), std::string::npos)
        << reader.error;
    EXPECT_EQ(storeTableCount(), 4);
}

TEST_F(Driver, AnOutputThatCannotBeWrittenLeavesTheEarlierOutputsInPlace)
{
    test::writeFile(dir.file("Sample.bas"), "earlier run");
    std::filesystem::create_directory(dir.file("Sample.xls"));  // in the workbook's way
    RunOutcome outcome = driver().start(request(), progress);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("Sample.xls"), std::string::npos) << outcome.error;
    EXPECT_TRUE(outcome.writtenFiles.empty());
    EXPECT_EQ(test::readFile(dir.file("Sample.bas")), "earlier run") << "not half the new outputs";
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".schemist-tmp-"), std::string::npos) << entry.path();

    std::filesystem::remove(dir.file("Sample.xls"));
    outcome = driver().start(request(), progress);
    ASSERT_TRUE(outcome.succeeded) << outcome.error;
    EXPECT_EQ(outcome.writtenFiles, (std::vector<std::string>{dir.file("Sample.bas"), dir.file("Sample.xls")}));
    EXPECT_EQ(test::readFile(dir.file("Sample.xls")), "workbook of sample.mdb");
}

TEST_F(Driver, SelectedTablesThatAreNotLocalTablesAreRefused)
{
    RunRequest r = request();
    r.tables = {"tblStaff", "Linked", "Nope"};
    RunOutcome outcome = driver().start(r, progress);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("Linked, Nope"), std::string::npos) << outcome.error;
    EXPECT_FALSE(std::filesystem::exists(dir.file("Sample.bas")));
}

TEST_F(Driver, MissingOutputFolderIsReportedBeforeAnythingIsRead)
{
    bool read = false;
    RunRequest r = request();
    r.outputFolder = dir.file("no/such/folder");
    RunOutcome outcome = driver([&](const std::string&, const SourceReadOptions&) {
        read = true;
        return twoTables();
    }).start(r, progress);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("出力先フォルダがありません"), std::string::npos) << outcome.error;
    EXPECT_FALSE(read);
}

TEST_F(Driver, StoreInUseEndsTheRunWithAClearMessage)
{
    // Another connection within the process is a programming error; it still
    // ends as a failed run, never as success.
    dao::Database held = dao::Database::open(settings.WorkStorePath, dao::OpenMode::Shared);
    RunOutcome outcome = driver().start(request(), progress);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("作業用データベースのオープンに失敗しました"), std::string::npos) << outcome.error;
}
