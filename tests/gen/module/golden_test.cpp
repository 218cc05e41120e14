// Whole standard modules compared byte for byte with reviewed golden files,
// one per settings combination, so that every branch of the line tables is
// fixed at least once. SCHEMIST_UPDATE_GOLDEN=1 rewrites the files (review
// them before committing).
#include "gen/module/standard_module.h"
#include "module_rows.h"
#include "module_structure.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

using namespace schemist;
using namespace schemist::test;

namespace {

struct Combination {
    const char* name;
    std::int16_t moduleKind, withFlag, fieldStyle, checkStyle, commentPos, tabSize;
};

// Together these take every branch: module kind 1 and 2, with blocks on and
// off, both field styles and both check styles, comment column 0 and 40,
// indentation 4 and 0.
const Combination kCombinations[] = {
    {"mk1_with_fs2_cs2_cp0_tab4", 1, kTrue, 2, 2, 0, 4},
    {"mk1_nowith_fs1_cs1_cp40_tab4", 1, kFalse, 1, 1, 40, 4},
    {"mk1_with_fs1_cs1_cp40_tab0", 1, kTrue, 1, 1, 40, 0},
    {"mk1_nowith_fs2_cs2_cp40_tab4", 1, kFalse, 2, 2, 40, 4},
    {"mk2_with_fs1_cs2_cp40_tab0", 2, kTrue, 1, 2, 40, 0},
    {"mk2_nowith_fs2_cs1_cp0_tab4", 2, kFalse, 2, 1, 0, 4},
};

std::string goldenPath(const std::string& name)
{
    return dataFile("../gen/golden/module/" + name + ".bas");
}

void apply(RunSettings& settings, const Combination& c)
{
    settings.ModuleKind = static_cast<ModuleKind>(c.moduleKind);
    settings.WithFlag = c.withFlag;
    settings.FieldStyle = static_cast<FieldStyle>(c.fieldStyle);
    settings.CheckStyle = static_cast<CheckStyle>(c.checkStyle);
    settings.CommentPos = c.commentPos;
    settings.TabSize = c.tabSize;
}

// The first differing line, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual)
{
    std::size_t line = 1, i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
        if (expected[i] == '\n')
            ++line;
        ++i;
    }
    return "first difference in line " + std::to_string(line);
}

}  // namespace

TEST(StandardModuleGolden, SampleTablesInEverySettingsCombination)
{
    const bool update = std::getenv("SCHEMIST_UPDATE_GOLDEN") != nullptr;
    for (const Combination& c : kCombinations) {
        SCOPED_TRACE(c.name);
        ModuleWorld world;
        apply(world.settings, c);
        GenerationContext ctx = world.context();
        OutputFile file = MakeStandardModule(sampleTables(), "/out/Sample", "Sample", ctx);
        EXPECT_EQ(file.path, "/out/Sample.bas");
        EXPECT_TRUE(world.warnings.empty());
        const std::string bytes = file.bytes();
        const std::string path = goldenPath(std::string("sample_") + c.name);
        if (update)
            writeFile(path, bytes);
        const std::string expected = readFile(path);
        ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
        EXPECT_TRUE(expected == bytes) << firstDifference(expected, bytes);
    }
}

TEST(StandardModuleStructure, SampleTablesAreSoundInEveryCombination)
{
    for (const Combination& c : kCombinations) {
        SCOPED_TRACE(c.name);
        ModuleWorld world;
        apply(world.settings, c);
        GenerationContext ctx = world.context();
        StructureReport report =
            checkSourceStructure(MakeStandardModule(sampleTables(), "/out/S", "S", ctx).bytes());
        EXPECT_TRUE(report.problems.empty()) << report.problems.front();
        EXPECT_TRUE(report.openLiteralLines.empty());
    }
}

TEST(StandardModuleStructure, CheckerFindsBrokenSource)
{
    auto problems = [](const std::string& text) { return checkSourceStructure(text).problems.size(); };
    EXPECT_EQ(problems("with x\r\nif a then\r\nend if\r\nend with\r\n"), 0u);
    // end with closes nothing open; with and if stay open.
    EXPECT_EQ(problems("with x\r\nif a then\r\nend with\r\n"), 3u);
    // No CR before the line feed, and the sub is never closed.
    EXPECT_EQ(problems("public sub a()\n"), 3u);
    EXPECT_EQ(problems("\tx\r\n"), 1u);
    EXPECT_EQ(checkSourceStructure("a = \"b ' c\r\nd = \"e\" ' \"\r\n").openLiteralLines.size(), 1u);
}

TEST(StandardModulePerformance, FourHundredTablesOfThirtyFields)
{
    const char* types[] = {"Long", "String", "Date", "Currency", "Boolean", "Integer", "Double", "Memo", "未定義", "Byte"};
    std::vector<DefinitionTable> tables;
    for (int t = 1; t <= 400; ++t) {
        std::vector<FieldSpec> fields;
        for (int f = 1; f <= 30; ++f)
            fields.push_back({"Field" + std::to_string(f), types[(f - 1) % 10], true, f == 1, "フィールド説明" + std::to_string(f),
                              f % 10 == 2, 50});
        tables.push_back(tableOf(t, "T" + std::to_string(t), true, "テーブル説明", fields));
    }
    ModuleWorld world;
    world.settings.CommentPos = 40;
    const auto start = std::chrono::steady_clock::now();
    GenerationContext ctx = world.context();
    OutputFile file = MakeStandardModule(tables, "/out/Big", "Big", ctx);
    const std::string bytes = file.bytes();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(file.lines.size(), 400u * 100u);
    EXPECT_GT(bytes.size(), file.lines.size() * 2);
    std::printf("400 x 30 fields: %zu lines, encoded, in %.3f s\n", file.lines.size(), seconds);
}
