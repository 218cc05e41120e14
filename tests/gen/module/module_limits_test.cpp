// Standard modules Visual Basic would refuse to load or compile are written
// all the same, with a warning that says why and what to change.
#include "gen/module/standard_module.h"
#include "module_rows.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace schemist;
using namespace schemist::test;

namespace {

std::vector<std::string> warningsOf(ModuleWorld& world, const std::vector<DefinitionTable>& tables)
{
    GenerationContext ctx = world.context();
    MakeStandardModule(tables, "/out/Sample", "Sample", ctx);
    return world.warnings.messages();
}

bool anyContains(const std::vector<std::string>& texts, const std::string& part)
{
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

}  // namespace

TEST(ModuleLimits, ATypeWithoutMembersIsReportedOnlyWhereTypesAreDeclared)
{
    DefinitionTable nameless = tableOf(2, "Empty", false, std::nullopt, {{"", "Long"}, {"", "String"}});
    ModuleWorld world;
    auto warnings = warningsOf(world, {staffTable(), nameless});
    ASSERT_EQ(std::count_if(warnings.begin(), warnings.end(),
                            [](const std::string& w) { return w.find("ユーザー定義型にメンバーがありません") != std::string::npos; }),
              1);
    EXPECT_TRUE(anyContains(warnings, "テーブル Empty のユーザー定義型"));

    ModuleWorld withoutTypes;
    withoutTypes.settings.ModuleKind = ModuleKind::ModuleOnly;
    EXPECT_FALSE(anyContains(warningsOf(withoutTypes, {nameless}), "ユーザー定義型"));
}

TEST(ModuleLimits, TooManyLinesAndTooLongLinesSayWhatToDo)
{
    ModuleWorld world;
    EXPECT_FALSE(anyContains(warningsOf(world, {staffTable()}), "VB では読み込めません"));

    // About 60 lines per table of 14 fields: 1,200 tables pass 65,535 lines.
    std::vector<DefinitionTable> many;
    for (int t = 1; t <= 1200; ++t)
        many.push_back(staffTable(t));
    for (DefinitionTable& table : many)
        for (DefinitionRow& row : table.rows)
            row.TableName = "Staff" + std::to_string(table.TableNo);
    ModuleWorld big;
    auto warnings = warningsOf(big, many);
    EXPECT_TRUE(anyContains(warnings, "65535 行を超える")) << warnings.size();
    EXPECT_TRUE(anyContains(warnings, "クラスモジュールで出力する"));

    ModuleWorld wide;
    wide.settings.TabSize = 1100;
    warnings = warningsOf(wide, {staffTable()});
    EXPECT_TRUE(anyContains(warnings, "1023 バイトを超える行")) << warnings.size();
    EXPECT_TRUE(anyContains(warnings, "Tab文字数を小さく"));
}
