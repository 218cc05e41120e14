// How a run puts its files into the output folder: names that must not reach
// the generated source, files left alone when unchanged, what a killed run
// left behind, names at the file system's limit, a work store that fills up
// after the outputs are in place, and a check that does not read a huge file.
#include "run/run_driver.h"

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "run/output_check.h"
#include "store/default_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace schemist;

namespace {

SourceTable tableOf(const std::string& name, std::vector<std::string> fieldNames)
{
    SourceTable table;
    table.name = name;
    table.definitionsRead = true;
    for (const std::string& field : fieldNames)
        table.fields.push_back({field, 10, 50, "説明", std::nullopt, false});
    table.indexes = {{"PrimaryKey", true, true, false, "+" + table.fields[0].name}};
    return table;
}

SourceSchema schemaOf(std::vector<SourceTable> tables) { return {std::move(tables)}; }

struct FileState {
    ino_t inode;
    struct timespec modified;
    bool operator==(const FileState& o) const
    {
        return inode == o.inode && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

std::map<std::string, FileState> folderState(const std::string& dir)
{
    std::map<std::string, FileState> files;
    for (const auto& e : fs::directory_iterator(dir)) {
        struct stat st {};
        ::stat(e.path().c_str(), &st);
        files[e.path().filename().string()] = {st.st_ino, st.st_mtim};
    }
    return files;
}

std::vector<std::string> namesIn(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct OutputFiles : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;
    RunSettings settings = RunSettings::startValues();
    Progress progress;
    SourceSchema schema = schemaOf({tableOf("tblStaff", {"fldId", "fldName"}), tableOf("tblOrder", {"fldNo"})});

    void SetUp() override
    {
        settings.WorkStorePath = home.file("SCHM.db");
        RebuildWorkStore(settings.WorkStorePath, false);
    }

    RunRequest request(const std::string& name = "Sample")
    {
        RunRequest r;
        r.sourcePath = home.file("sample.mdb");
        for (const SourceTable& table : schema.tables)
            r.tables.push_back(table.name);
        r.outputFolder = out.path();
        r.outputName = name;
        return r;
    }

    RunOutcome run(const RunRequest& r, WriteMode mode = WriteMode::Write)
    {
        RunDriver driver(settings, [this](const std::string&, const SourceReadOptions&) { return schema; });
        return driver.start(r, progress, mode);
    }
    RunOutcome run(WriteMode mode = WriteMode::Write) { return run(request(), mode); }
};

}  // namespace

TEST_F(OutputFiles, NamesThatWouldBreakOutOfTheSourceAreRefusedBeforeAnythingIsWritten)
{
    ASSERT_TRUE(run().succeeded);
    std::map<std::string, FileState> before = folderState(out.path());
    struct Case {
        SourceTable table;
        std::string named;  // what the message must show
    };
    std::vector<Case> cases = {
        {tableOf("tblStaff\r\n    Beep", {"fldId"}), "テーブル \"tblStaff\\x0D\\x0A    Beep\""},
        {tableOf("tbl]Staff", {"fldId"}), "テーブル \"tbl]Staff\""},
        {tableOf("tbl[Staff", {"fldId"}), "テーブル \"tbl[Staff\""},
        {tableOf(std::string("tbl\0x", 5), {"fldId"}), "テーブル \"tbl\\x00x\""},
        {tableOf("tbl\x7f", {"fldId"}), "テーブル \"tbl\\x7F\""},
        {tableOf("tblStaff", {"fldId", "fld\")\nBeep"}), "フィールド \"fld\")\\x0ABeep\""},
        {tableOf("tblStaff", {"fldId", "fld]Name"}), "フィールド \"fld]Name\""},
        {tableOf("", {"fldId"}), "名前が空のテーブル"},
        {tableOf("tblStaff", {"fldId", ""}), "テーブル \"tblStaff\" に名前が空のフィールド"},
    };
    for (const Case& c : cases) {
        schema = schemaOf({c.table, tableOf("tblOrder", {"fldNo"})});
        RunOutcome outcome = run();
        EXPECT_FALSE(outcome.succeeded) << c.named;
        EXPECT_NE(outcome.error.find(c.named), std::string::npos) << outcome.error;
        EXPECT_NE(outcome.error.find("--tables"), std::string::npos) << outcome.error;
        EXPECT_NE(outcome.error.find("テーブル一覧"), std::string::npos) << outcome.error;
        EXPECT_EQ(folderState(out.path()), before) << c.named;
    }
}

TEST_F(OutputFiles, ATableNamedOnlyByItsPrefixStillWorks)
{
    // "tbl" loses its whole name to the prefix cutting; the source name is
    // sound, so the run goes on as before.
    schema = schemaOf({tableOf("tbl", {"fldId"})});
    RunOutcome outcome = run(WriteMode::InMemory);
    EXPECT_TRUE(outcome.succeeded) << outcome.error;
}

TEST_F(OutputFiles, ASecondRunLeavesUnchangedFilesAloneAndRewritesOnlyWhatChanged)
{
    RunOutcome first = run();
    ASSERT_TRUE(first.succeeded) << first.error;
    EXPECT_EQ(first.writtenFiles, (std::vector<std::string>{out.file("Sample.bas"), out.file("Sample.xls")}));
    std::map<std::string, FileState> before = folderState(out.path());
    ::usleep(20000);  // a rewrite would show in the time

    RunOutcome second = run();
    ASSERT_TRUE(second.succeeded) << second.error;
    EXPECT_TRUE(second.writtenFiles.empty());
    EXPECT_EQ(second.unchangedFiles, first.writtenFiles);
    EXPECT_EQ(folderState(out.path()), before);

    settings.FieldStyle = FieldStyle::FieldsValue;  // changes the data-access routines only
    RunOutcome third = run();
    ASSERT_TRUE(third.succeeded) << third.error;
    EXPECT_EQ(third.writtenFiles, (std::vector<std::string>{out.file("Sample.bas")}));
    EXPECT_EQ(third.unchangedFiles, (std::vector<std::string>{out.file("Sample.xls")}));
    std::map<std::string, FileState> after = folderState(out.path());
    EXPECT_EQ(after["Sample.xls"], before["Sample.xls"]);
    EXPECT_FALSE(after["Sample.bas"] == before["Sample.bas"]);
    EXPECT_EQ(namesIn(out.path()), (std::vector<std::string>{"Sample.bas", "Sample.xls"}));
}

TEST_F(OutputFiles, AFileOfTheSameSizeButOtherBytesIsRewritten)
{
    ASSERT_TRUE(run().succeeded);
    std::string bytes = test::readFile(out.file("Sample.bas"));
    std::string damaged = bytes;
    damaged[damaged.size() / 2] ^= 1;
    test::writeFile(out.file("Sample.bas"), damaged);
    RunOutcome outcome = run();
    ASSERT_TRUE(outcome.succeeded) << outcome.error;
    EXPECT_EQ(outcome.writtenFiles, (std::vector<std::string>{out.file("Sample.bas")}));
    EXPECT_EQ(test::readFile(out.file("Sample.bas")), bytes);
}

TEST_F(OutputFiles, WhatAKilledRunLeftIsCompletedOrRemovedAndCheckReportsIt)
{
    settings.ModuleKind = ModuleKind::ClassModules;
    ASSERT_TRUE(run().succeeded);
    std::vector<std::string> complete = namesIn(out.path());
    std::string staffClass = test::readFile(out.file("clsStaff.cls"));

    // A run killed among its renames: the record lists two files, one of
    // them already renamed, the other still in its temporary file.
    test::writeFile(out.file("clsStaff.cls"), "old class\r\n");
    std::string pendingTemp = out.file(".clsStaff.cls.schemist-tmp-Ab12Cd");
    test::writeFile(pendingTemp, staffClass);
    std::string record = renameRecordPath(out.path(), "Sample");
    test::writeFile(record, pendingTemp + std::string(1, '\0') + out.file("clsStaff.cls") + std::string(1, '\0') +
                                out.file(".clsOrder.cls.schemist-tmp-Zz9Yy8") + std::string(1, '\0') +
                                out.file("clsOrder.cls") + std::string(1, '\0'));
    // Temporary files of a run killed while writing them, and another
    // program's file that only looks alike.
    test::writeFile(out.file(".Sample.xls.schemist-tmp-Qw3Er4"), std::string(1000, 'x'));
    test::writeFile(out.file(".clsGone.cls.schemist-tmp-Ty5Ui6"), "half");
    test::writeFile(out.file(".Other.bas.schemist-tmp-Op7As8"), "not this run's");

    RunOutcome check = run(WriteMode::InMemory);
    ASSERT_TRUE(check.succeeded) << check.error;
    std::vector<OutputDifference> differences =
        compareWithFolder(check.outputs, out.path(), check.outputs.classPrefixes);
    ASSERT_FALSE(differences.empty());
    EXPECT_EQ(differences.back().kind, OutputDifference::Kind::Interrupted);
    EXPECT_NE(describeDifferences(differences).find("中断: " + record), std::string::npos);
    EXPECT_NE(differences.back().detail.find("2 件中 1 件が未完了"), std::string::npos) << differences.back().detail;

    RunOutcome next = run();
    ASSERT_TRUE(next.succeeded) << next.error;
    EXPECT_EQ(test::readFile(out.file("clsStaff.cls")), staffClass);
    std::vector<std::string> expected = complete;
    expected.push_back(".Other.bas.schemist-tmp-Op7As8");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(out.path()), expected);
    ASSERT_FALSE(next.warnings.empty());
    EXPECT_NE(next.warnings.back().find("前回中断された書き込みを完了しました"), std::string::npos) << next.warnings.back();
}

TEST_F(OutputFiles, TemporaryNamesAreOfThisProgramAndFitBesideTheLongestFinalName)
{
    for (std::size_t length : {241u, 248u, 251u}) {
        std::string name(length, 'L');
        RunOutcome outcome = run(request(name));
        ASSERT_TRUE(outcome.succeeded) << length << ": " << outcome.error;
        EXPECT_TRUE(fs::exists(out.file(name + ".bas")));
        EXPECT_TRUE(fs::exists(out.file(name + ".xls")));
    }
    EXPECT_EQ(temporaryFileTarget(".Sample.bas.schemist-tmp-Ab12Cd"), std::optional<std::string>("Sample.bas"));
    EXPECT_EQ(temporaryFileTarget(".Sample.bas.tmpAb12Cd"), std::nullopt);
    EXPECT_EQ(temporaryFileTarget("Sample.bas"), std::nullopt);
}

TEST_F(OutputFiles, NamesThatCannotFitAreReportedBeforeAnythingIsWritten)
{
    RunOutcome outcome = run(request(std::string(252, 'L')));
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("ファイル名が長すぎます"), std::string::npos) << outcome.error;
    EXPECT_TRUE(namesIn(out.path()).empty());

    // Class file names come from the tables; one too long stops them all.
    settings.ModuleKind = ModuleKind::ClassModules;
    schema = schemaOf({tableOf("tblStaff", {"fldId"}), tableOf("tbl" + std::string(252, 'T'), {"fldId"})});
    outcome = run();
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.error.find("ファイル名が長すぎます"), std::string::npos) << outcome.error;
    EXPECT_TRUE(namesIn(out.path()).empty());
}

TEST_F(OutputFiles, CheckCountsAHugeFileAsChangedWithoutReadingIt)
{
    RunOutcome outcome = run(WriteMode::InMemory);
    ASSERT_TRUE(outcome.succeeded) << outcome.error;
    // A sparse file of 3 GB: reading it whole would take long or fail.
    {
        test::writeFile(out.file("Sample.bas"), "");
        fs::resize_file(out.file("Sample.bas"), 3ull << 30);
    }
    std::vector<OutputDifference> differences = compareWithFolder(outcome.outputs, out.path(), {});
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].kind, OutputDifference::Kind::Changed);
    EXPECT_NE(differences[0].detail.find("大きすぎる"), std::string::npos) << differences[0].detail.substr(0, 200);
    EXPECT_EQ(differences[1].kind, OutputDifference::Kind::Missing);
}

// A tmpfs of a few hundred KiB: the disk that fills up. Needs root.
TEST_F(OutputFiles, AWorkStoreThatFillsUpAfterTheOutputsAreMadeIsAWarningNamingTheCause)
{
    std::string where = home.file("small");
    test::SmallFileSystem disk(where, "600k");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    settings.WorkStorePath = where + "/SCHM.db";
    RebuildWorkStore(settings.WorkStorePath, false);
    // When the outputs are made (progress 80), the store's disk fills up.
    progress = Progress([&](int value) {
        if (value != 80)
            return;
        disk.fill();
    });
    RunOutcome outcome = run();
    EXPECT_TRUE(outcome.succeeded) << outcome.error;
    EXPECT_EQ(namesIn(out.path()), (std::vector<std::string>{"Sample.bas", "Sample.xls"}));
    bool named = false;
    for (const std::string& warning : outcome.warnings)
        named = named || warning.find("ディスクの空きが足りない") != std::string::npos;
    EXPECT_TRUE(named) << (outcome.warnings.empty() ? "no warning" : outcome.warnings.back());
}
