// Databases whose catalog was altered to carry names Access never allows: a
// line break that would turn the rest of a name into a line of code, a
// bracket that would end a bracketed name early. Each copy of a fixture has
// a name's UTF-16 bytes replaced by bytes of the same length.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace schemist;
using test::runCli;

namespace {

std::string utf16(const std::string& ascii)
{
    return test::utf16le(std::u16string(ascii.begin(), ascii.end()));
}

struct CraftedNames : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    // sample.mdb with every occurrence of `from` as UTF-16 replaced by `to`.
    std::string crafted(const std::string& from, const std::string& to)
    {
        EXPECT_EQ(from.size(), to.size());
        std::string bytes = test::readFile(test::dataFile("sample.mdb"));
        std::size_t replaced = 0;
        for (std::size_t at = 0; (at = bytes.find(utf16(from), at)) != std::string::npos; ++replaced)
            bytes.replace(at, from.size() * 2, utf16(to));
        EXPECT_GT(replaced, 0u) << from;
        std::string path = out.file("crafted.mdb");
        test::writeFile(path, bytes);
        return path;
    }
};

}  // namespace

TEST_F(CraftedNames, ALineBreakOrBracketInANameStopsTheRunBeforeAnythingIsWritten)
{
    struct Case {
        std::string from, to, named;
    };
    const Case cases[] = {
        {"tblStaff", "tbl\nBeep", "テーブル \"tbl\\x0ABeep\""},
        {"fldName", "f\r\nBeep", "フィールド \"f\\x0D\\x0ABeep\""},
        {"tblOrder", "tbl]rder", "テーブル \"tbl]rder\""},
    };
    for (const Case& c : cases) {
        std::string source = crafted(c.from, c.to);
        for (const char* kind : {"1", "3"}) {
            auto result = runCli({source, "--out", out.path(), "--name", "Crafted", "--module-kind", kind}, home.path());
            EXPECT_EQ(result.exitCode, 2) << c.to << ": " << result.err;
            EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
            EXPECT_NE(result.err.find("--tables"), std::string::npos) << result.err;
            std::vector<std::string> written;
            for (const auto& e : std::filesystem::directory_iterator(out.path()))
                if (e.path().filename() != "crafted.mdb")
                    written.push_back(e.path().filename().string());
            EXPECT_TRUE(written.empty()) << c.to << ": " << written.front();
        }
    }
}

TEST_F(CraftedNames, TheOtherTablesCanStillBeMade)
{
    std::string source = crafted("tblStaff", "tbl\nBeep");
    auto result = runCli({source, "--out", out.path(), "--name", "Crafted", "--tables", "tblOrder,Customer"},
                         home.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(test::readFile(out.file("Crafted.bas")).find("Beep"), std::string::npos);
}
