// Names and texts at Access's own limits, and far beyond them as a damaged
// file may hold them: every run ends as a complete set of outputs or a clear
// message, never a crash.
#include "run/run_driver.h"

#include "platform/text.h"
#include "store/default_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace schemist;

namespace {

std::string repeat(const std::string& piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// `tables` tables of `fields` fields, names of `nameLength` characters and
// descriptions of `descriptionLength` double-byte characters.
SourceSchema schemaOf(int tables, int fields, std::size_t nameLength, std::size_t descriptionLength)
{
    SourceSchema schema;
    const int types[] = {4, 10, 8, 5, 1, 3, 2, 7, 6, 12, 11, 15, 20};
    for (int t = 1; t <= tables; ++t) {
        SourceTable table;
        std::string number = std::to_string(t);
        table.name = "tbl" + number + repeat("T", nameLength > number.size() + 3 ? nameLength - number.size() - 3 : 0);
        table.description = repeat("表", descriptionLength);
        for (int f = 1; f <= fields; ++f) {
            std::string fieldNumber = std::to_string(f);
            SourceField field;
            field.name = "fld" + fieldNumber + repeat("F", nameLength > fieldNumber.size() + 3 ? nameLength - fieldNumber.size() - 3 : 0);
            field.daoType = types[f % 13];
            field.size = field.daoType == 10 ? 255 : 4;
            field.description = repeat("説", descriptionLength);
            table.fields.push_back(field);
        }
        table.indexes = {{"PrimaryKey", true, true, false, "+" + table.fields[0].name}};
        schema.tables.push_back(std::move(table));
    }
    return schema;
}

struct Limits : ::testing::Test {
    test::ScratchDir dir;
    RunSettings settings = RunSettings::startValues();
    Progress progress;

    void SetUp() override
    {
        settings.WorkStorePath = dir.file("SCHM.db");
        RebuildWorkStore(settings.WorkStorePath, false);
    }

    RunOutcome run(const SourceSchema& schema, int moduleKind, bool collection)
    {
        settings.ModuleKind = static_cast<ModuleKind>(moduleKind);
        settings.CollectionFlag = collection ? kTrue : kFalse;
        RunDriver driver(settings, [&](const std::string&, const SourceReadOptions&) { return schema; });
        RunRequest request;
        request.sourcePath = dir.file("limits.mdb");
        for (const SourceTable& table : schema.tables)
            request.tables.push_back(table.name);
        request.outputFolder = dir.path();
        request.outputName = "Limits";
        request.keepRows = true;
        return driver.start(request, progress, WriteMode::InMemory);
    }
};

}  // namespace

TEST_F(Limits, AccessLimitsGiveCompleteOutputs)
{
    // 64-character names, 255-character descriptions, 255 fields.
    SourceSchema wide = schemaOf(2, 255, 64, 255);
    for (int kind : {1, 2, 3}) {
        RunOutcome outcome = run(wide, kind, kind == 3);
        ASSERT_TRUE(outcome.succeeded) << outcome.error;
        ASSERT_FALSE(outcome.outputs.sources.empty());
        EXPECT_EQ(outcome.outputs.accessRows.size(), 2u * 255u);
        for (const OutputFile& file : outcome.outputs.sources)
            for (const std::string& line : file.lines)
                ASSERT_LE(cp932ByteCount(line), 1023u) << file.path;
        EXPECT_FALSE(outcome.outputs.workbookBytes.empty());
    }
}

TEST_F(Limits, ManyTables)
{
    RunOutcome outcome = run(schemaOf(450, 8, 20, 10), 3, true);
    ASSERT_TRUE(outcome.succeeded) << outcome.error;
    EXPECT_EQ(outcome.outputs.sources.size(), 900u);
}

TEST_F(Limits, FarBeyondTheLimitsEndsInOutputsOrAMessage)
{
    // Only a damaged file holds such names: 2,000-character names and a
    // description of 20,000 characters.
    RunOutcome outcome = run(schemaOf(2, 3, 2000, 20000), 1, false);
    if (outcome.succeeded) {
        EXPECT_FALSE(outcome.outputs.sources.empty());
        EXPECT_FALSE(outcome.warnings.empty()) << "over-long lines are reported";
    } else {
        EXPECT_NE(outcome.error.find("テーブル 1TTT"), std::string::npos) << "the message names the table";
    }
}
