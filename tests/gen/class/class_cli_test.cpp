// Class modules made by schemist-cli from the sample databases: whole files
// compared with reviewed golden files, and a structural check of the source
// made from every fixture and real file in every combination of the
// settings that shape it.
#include "golden.h"
#include "vb_structure.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;
namespace fs = std::filesystem;

namespace {

struct ClassSettings {
    bool collection;
    int fieldStyle;
    int checkStyle;
    bool with;
    int tabSize;
    int commentPos;

    std::string folder() const
    {
        return std::string(collection ? "collection" : "item") + "_fs" + std::to_string(fieldStyle) + "_cs" +
               std::to_string(checkStyle) + (with ? "_with" : "_nowith") + "_tab" + std::to_string(tabSize) +
               "_col" + std::to_string(commentPos);
    }

    std::vector<std::string> arguments() const
    {
        std::vector<std::string> args = {"--module-kind", "3",
                                         "--field-style", std::to_string(fieldStyle),
                                         "--check-style", std::to_string(checkStyle),
                                         with ? "--with" : "--no-with",
                                         "--tab-size", std::to_string(tabSize),
                                         "--comment-pos", std::to_string(commentPos),
                                         "--no-excel"};
        if (collection)
            args.push_back("--collection");
        return args;
    }
};

struct ClassRun {
    CommandResult result;
    std::vector<std::pair<std::string, std::string>> files;  // name and bytes, by name
};

ClassRun runClasses(const std::string& database, const ClassSettings& settings)
{
    ScratchDir home;
    std::string out = home.file("out");
    fs::create_directory(out);
    std::vector<std::string> args = {database, "--out", out, "--name", "out"};
    for (const std::string& a : settings.arguments())
        args.push_back(a);
    ClassRun run;
    run.result = runCli(args, home.path());
    for (const auto& entry : fs::directory_iterator(out))
        run.files.emplace_back(entry.path().filename().string(), readFile(entry.path().string()));
    std::sort(run.files.begin(), run.files.end());
    return run;
}

void expectGoldenRun(const std::string& database, const ClassSettings& settings)
{
    ClassRun run = runClasses(dataFile(database), settings);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    ASSERT_FALSE(run.files.empty()) << "no class file made: " << run.result.err;
    std::string folder = "cli/" + database + "/" + settings.folder();
    std::vector<std::string> names;
    for (const auto& [name, bytes] : run.files) {
        names.push_back(name);
        expectGolden(folder + "/" + name, bytes);
    }
    if (std::getenv("SCHEMIST_UPDATE_GOLDEN") == nullptr) {
        std::vector<std::string> expected;
        for (const auto& entry : fs::directory_iterator(goldenPath(folder)))
            expected.push_back(entry.path().filename().string());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected);
    }
}

const ClassSettings kItemDefaults{false, 2, 2, true, 4, 40};
const ClassSettings kCollectionPlain{true, 1, 1, false, 0, 0};
const ClassSettings kCollectionDefaults{true, 2, 2, true, 4, 40};
const ClassSettings kItemMixed{false, 1, 2, false, 4, 0};

}  // namespace

TEST(ClassCliGolden, SampleItemClassesWithDefaults) { expectGoldenRun("sample.mdb", kItemDefaults); }
TEST(ClassCliGolden, SampleCollectionsPlain) { expectGoldenRun("sample.mdb", kCollectionPlain); }
TEST(ClassCliGolden, SampleCollectionsWithDefaults) { expectGoldenRun("sample.mdb", kCollectionDefaults); }
TEST(ClassCliGolden, SampleItemClassesMixed) { expectGoldenRun("sample.mdb", kItemMixed); }
TEST(ClassCliGolden, EdgeFlagsItemClassesWithDefaults) { expectGoldenRun("edge_flags.mdb", kItemDefaults); }
TEST(ClassCliGolden, EdgeFlagsCollectionsPlain) { expectGoldenRun("edge_flags.mdb", kCollectionPlain); }

// Every database the tests know, in the 32 combinations of collection, field
// style, check style, with-statements and indentation (the comment column
// goes along with the indentation). The 400-table benchmark file is read
// in two combinations only: reading it takes seconds.
class ClassCliStructure : public ::testing::TestWithParam<std::string> {};

TEST_P(ClassCliStructure, SourceIsWellFormedInEveryCombination)
{
    const std::string database = GetParam();
    bool big = fs::path(database).filename() == "big.mdb";
    for (int bits = 0; bits < 32; ++bits) {
        if (big && bits != 0 && bits != 31)
            continue;
        ClassSettings settings{(bits & 1) != 0, (bits & 2) ? 2 : 1, (bits & 4) ? 2 : 1, (bits & 8) != 0,
                               (bits & 16) ? 4 : 0, (bits & 16) ? 40 : 0};
        ClassRun run = runClasses(database, settings);
        if (run.result.exitCode != 0) {
            // Databases without a table to read end with a message, not a crash.
            EXPECT_EQ(run.result.exitCode, 2) << run.result.err;
            EXPECT_TRUE(run.files.empty());
            continue;
        }
        EXPECT_FALSE(run.files.empty()) << database << ": no class file made (" << settings.folder() << ")";
        bool keyTypeReported = run.result.err.find("キー条件に値を書けない") != std::string::npos;
        for (const auto& [name, bytes] : run.files) {
            StructureReport report = checkVbStructure(bytes, name + " (" + settings.folder() + ")");
            for (const std::string& problem : report.problems)
                ADD_FAILURE() << database << ": " << problem;
            if (!keyTypeReported)
                for (const std::string& open : report.openLiterals)
                    ADD_FAILURE() << database << ": unreported open literal " << open;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllDatabases, ClassCliStructure, ::testing::ValuesIn(allSampleDatabases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = fs::path(info.param).parent_path().filename().string() + "_" +
                                                fs::path(info.param).filename().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });
