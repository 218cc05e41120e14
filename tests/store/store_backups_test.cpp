// Backups of the work store kept by a rebuild of the default data: the last
// three replaced stores, newest first, and a rebuild that cannot make room
// for its backup leaves the store where it was.
#include "platform/error.h"
#include "store/default_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace schemist;
using schemist::test::ScratchDir;
using schemist::test::readFile;
using schemist::test::writeFile;

namespace {

TEST(StoreBackups, TheLastThreeReplacedStoresAreKeptNewestFirst)
{
    ScratchDir dir;
    const std::string path = dir.file("SCHM.db");
    for (int generation = 1; generation <= 4; ++generation) {
        // Whatever the store held is what the backup must hold.
        writeFile(path, "store " + std::to_string(generation));
        RebuildWorkStore(path, true);
    }
    EXPECT_EQ(readFile(path + ".bak"), "store 4");
    EXPECT_EQ(readFile(path + ".bak.1"), "store 3");
    EXPECT_EQ(readFile(path + ".bak.2"), "store 2");
    EXPECT_FALSE(std::filesystem::exists(path + ".bak.3"));
    EXPECT_NO_THROW(ValidateWorkStore(path));
}

TEST(StoreBackups, WithoutBackupNothingIsRotated)
{
    ScratchDir dir;
    const std::string path = dir.file("SCHM.db");
    writeFile(path + ".bak", "older");
    writeFile(path, "store");
    RebuildWorkStore(path, false);
    EXPECT_EQ(readFile(path + ".bak"), "older");
    EXPECT_FALSE(std::filesystem::exists(path + ".bak.1"));
}

TEST(StoreBackups, ABackupThatCannotBeMovedStopsTheRebuildAndKeepsTheStore)
{
    ScratchDir dir;
    const std::string path = dir.file("SCHM.db");
    writeFile(path, "current store");
    writeFile(path + ".bak", "previous store");
    // A folder where the older backup must go.
    std::filesystem::create_directory(path + ".bak.1");
    writeFile(path + ".bak.1/keep", "x");
    try {
        RebuildWorkStore(path, true);
        ADD_FAILURE() << "the rebuild went on without room for its backup";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(path + ".bak.1"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readFile(path), "current store");
    EXPECT_EQ(readFile(path + ".bak"), "previous store");
    EXPECT_EQ(readFile(path + ".bak.1/keep"), "x");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

}  // namespace
