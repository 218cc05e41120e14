// The standard module as the command-line program writes it from real Access
// files: byte-for-byte golden files for the small fixtures, and structural
// soundness of every fixture and real file in every settings combination.
#include "module_structure.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

using namespace schemist::test;

namespace {

struct CliSettings {
    std::string name;
    int moduleKind;
    bool with;
    int fieldStyle, checkStyle, commentPos, tabSize;
};

// Every branch at least once: module kind 1 and 2, with blocks on and off,
// both field and check styles, comment column 0 and 40, indentation 4 and 0.
const CliSettings kGoldenSettings[] = {
    {"mk1_with_fs2_cs2_cp0_tab4", 1, true, 2, 2, 0, 4},
    {"mk1_nowith_fs1_cs1_cp40_tab4", 1, false, 1, 1, 40, 4},
    {"mk1_with_fs1_cs1_cp40_tab0", 1, true, 1, 1, 40, 0},
    {"mk1_nowith_fs2_cs2_cp40_tab4", 1, false, 2, 2, 40, 4},
    {"mk2_with_fs1_cs2_cp40_tab0", 2, true, 1, 2, 40, 0},
    {"mk2_nowith_fs2_cs1_cp0_tab4", 2, false, 2, 1, 0, 4},
};

struct ModuleRun {
    CommandResult result;
    std::string bytes;
};

ModuleRun runModule(const std::string& source, const CliSettings& s, const ScratchDir& dir)
{
    const std::string out = dir.file("out-" + s.name);
    std::filesystem::create_directories(out);
    ModuleRun run;
    run.result = runCli({source, "--out", out, "--name", "Sample", "--module-kind", std::to_string(s.moduleKind),
                         "--field-style", std::to_string(s.fieldStyle), "--check-style", std::to_string(s.checkStyle),
                         s.with ? "--with" : "--no-with", "--comment-pos", std::to_string(s.commentPos), "--tab-size",
                         std::to_string(s.tabSize), "--no-excel"},
                        dir.path());
    run.bytes = readFile(out + "/Sample.bas");
    return run;
}

std::string goldenPath(const std::string& name)
{
    return dataFile("../gen/golden/module/" + name + ".bas");
}

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

void compareWithGolden(const std::string& database, const std::string& stem)
{
    const bool update = std::getenv("SCHEMIST_UPDATE_GOLDEN") != nullptr;
    ScratchDir dir;
    for (const CliSettings& s : kGoldenSettings) {
        SCOPED_TRACE(s.name);
        ModuleRun run = runModule(dataFile(database), s, dir);
        ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
        const std::string path = goldenPath(stem + "_" + s.name);
        if (update)
            writeFile(path, run.bytes);
        const std::string expected = readFile(path);
        ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
        EXPECT_TRUE(expected == run.bytes) << firstDifference(expected, run.bytes);
    }
}

}  // namespace

TEST(CliModuleGolden, SampleDatabase)
{
    compareWithGolden("sample.mdb", "sample");
}

TEST(CliModuleGolden, EdgeFlagsDatabase)
{
    compareWithGolden("edge_flags.mdb", "edge_flags");
}

namespace {

// All 64 combinations of the six settings that shape a standard module.
std::vector<CliSettings> everyCombination()
{
    std::vector<CliSettings> all;
    for (int moduleKind : {1, 2})
        for (bool with : {true, false})
            for (int fieldStyle : {1, 2})
                for (int checkStyle : {1, 2})
                    for (int commentPos : {0, 40})
                        for (int tabSize : {4, 0})
                            all.push_back({"mk" + std::to_string(moduleKind) + (with ? "_with" : "_nowith") + "_fs" +
                                               std::to_string(fieldStyle) + "_cs" + std::to_string(checkStyle) +
                                               "_cp" + std::to_string(commentPos) + "_tab" + std::to_string(tabSize),
                                           moduleKind, with, fieldStyle, checkStyle, commentPos, tabSize});
    return all;
}

bool hasNoLocalTable(const std::string& path)
{
    return path.find("linkedonly") != std::string::npos || path.find("systemonly") != std::string::npos;
}

}  // namespace

// The files richest in shapes go through all 64 combinations. The others go
// through the 16 combinations of module kind, with blocks, field style and
// check style, with the comment column and indentation cycling through their
// four pairs (they change padding only); the uniform benchmark file through
// four of those.
bool takesCombination(const std::string& database, std::size_t index)
{
    const std::string name = std::filesystem::path(database).filename().string();
    if (name == "sample.mdb" || name == "edge_flags.mdb" || name == "nwind.mdb")
        return true;
    const bool cycled = index % 4 == (index / 4) % 4;
    if (name == "big.mdb")
        return cycled && (index / 16) == (index / 4) % 4;
    return cycled;
}

TEST(CliModuleStructure, EveryDatabaseInEverySettingsCombination)
{
    if (sharedReal("nwind.mdb").empty())
        std::printf("note: ../shared/real is absent; checking the fixtures only\n");
    const std::vector<CliSettings> combinations = everyCombination();
    std::set<std::string> seen;
    for (const std::string& database : allSampleDatabases()) {
        // The fixtures copied into tests/data stand in ../shared/fixtures as well.
        if (!seen.insert(std::filesystem::path(database).filename().string()).second)
            continue;
        SCOPED_TRACE(database);
        ScratchDir dir;
        for (std::size_t i = 0; i < combinations.size(); ++i) {
            if (!takesCombination(database, i))
                continue;
            const CliSettings& s = combinations[i];
            SCOPED_TRACE(s.name);
            ModuleRun run = runModule(database, s, dir);
            if (hasNoLocalTable(database)) {
                EXPECT_EQ(run.result.exitCode, 2);
                EXPECT_TRUE(run.bytes.empty());
                break;
            }
            ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
            StructureReport report = checkSourceStructure(run.bytes);
            for (const std::string& problem : report.problems)
                ADD_FAILURE() << problem;
            // A line left inside its string literal only where a key field's
            // type gave no value, and the user was told.
            if (!report.openLiteralLines.empty())
                EXPECT_NE(run.result.err.find("キーフィールド"), std::string::npos) << report.openLiteralLines.front();
            for (const std::string& line : report.openLiteralLines)
                EXPECT_NE(line.find("strSQL = strSQL & \""), std::string::npos) << line;
        }
    }
}
