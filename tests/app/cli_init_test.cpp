// schemist-cli --init over an existing store: the replaced stores are kept
// as the same three backups the desktop program's rebuild keeps.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace schemist;

namespace {

TEST(CliInit, KeepsTheLastThreeReplacedStores)
{
    test::ScratchDir home;
    const std::string store = home.file("SCHM.db");
    for (int generation = 1; generation <= 4; ++generation) {
        test::writeFile(store, "store " + std::to_string(generation));
        auto result = test::runCli({"--init", "--store", store}, home.path());
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    EXPECT_EQ(test::readFile(store + ".bak"), "store 4");
    EXPECT_EQ(test::readFile(store + ".bak.1"), "store 3");
    EXPECT_EQ(test::readFile(store + ".bak.2"), "store 2");
    EXPECT_FALSE(std::filesystem::exists(store + ".bak.3"));
}

}  // namespace
