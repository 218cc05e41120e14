// Golden files of generated classes: the expected bytes as written (CP932,
// CR LF) under tests/gen/golden/class. With SCHEMIST_UPDATE_GOLDEN=1 in the
// environment a missing or differing golden file is written instead of
// compared, for review before it is committed.
#pragma once

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Own namespace: the module generator tests link into the same program.
namespace schemist::test::classes {

inline std::string goldenPath(const std::string& relative)
{
    return std::string(SCHEMIST_TEST_DATA) + "/../gen/golden/class/" + relative;
}

inline void expectGolden(const std::string& relative, const std::string& bytes)
{
    std::string path = goldenPath(relative);
    const char* update = std::getenv("SCHEMIST_UPDATE_GOLDEN");
    bool exists = std::filesystem::exists(path);
    if (update != nullptr && std::string(update) == "1") {
        if (!exists || readFile(path) != bytes) {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            writeFile(path, bytes);
        }
        return;
    }
    ASSERT_TRUE(exists) << "golden file missing: " << path;
    std::string expected = readFile(path);
    if (expected == bytes)
        return;
    std::size_t at = 0;
    while (at < expected.size() && at < bytes.size() && expected[at] == bytes[at])
        ++at;
    std::size_t line = 1 + static_cast<std::size_t>(std::count(expected.begin(), expected.begin() + static_cast<long>(at), '\n'));
    FAIL() << path << " differs from the generated text at byte " << at << " (line " << line << ")";
}

}  // namespace schemist::test::classes
