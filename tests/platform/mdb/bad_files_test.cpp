// Files that are not sound Access databases: each read ends in the one Error
// with a reason, in this process and in the isolated child, never a crash or
// a hang.
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace schemist;

namespace {

constexpr std::size_t kJet4Page = 4096;

class BadFiles : public ::testing::Test {
protected:
    std::string sample() const { return test::readFile(test::dataFile("sample.mdb")); }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::string path = scratch_.file(name);
        test::writeFile(path, bytes);
        return path;
    }

    // Both readers must fail with the message naming the file and `reason`.
    void expectFailure(const std::string& path, const std::string& reason) const
    {
        std::string prefix = "データベースを読み込めません: " + path + ": ";
        using Reader = std::function<SourceSchema()>;
        for (const Reader& read : {Reader([&] { return readSourceSchema(path, {}); }),
                                   Reader([&] { return readSourceSchemaIsolated(path, {}); })}) {
            try {
                read();
                ADD_FAILURE() << path << " was read without error";
            } catch (const Error& error) {
                std::string message = error.what();
                EXPECT_EQ(message.rfind(prefix, 0), 0u) << message;
                EXPECT_NE(message.find(reason), std::string::npos) << message;
            }
        }
    }

    test::ScratchDir scratch_;
};

TEST_F(BadFiles, MissingFile)
{
    expectFailure(scratch_.file("nothing.mdb"), "ファイルがありません");
}

TEST_F(BadFiles, Folder)
{
    expectFailure(scratch_.path(), "通常のファイルではありません");
}

TEST_F(BadFiles, EmptyFile)
{
    expectFailure(write("empty.mdb", ""), "Access のデータベースではありません");
}

TEST_F(BadFiles, TextFile)
{
    expectFailure(write("notes.mdb", "Standard notes, not a database\r\n"), "Access のデータベースではありません");
}

TEST_F(BadFiles, HeaderPageOnly)
{
    expectFailure(write("header.mdb", sample().substr(0, kJet4Page)), "壊れています");
}

TEST_F(BadFiles, TruncatedAfterTheCatalog)
{
    std::string bytes = sample();
    expectFailure(write("half.mdb", bytes.substr(0, bytes.size() / 4)), "壊れています");
}

TEST_F(BadFiles, ZeroedCatalogDefinition)
{
    std::string bytes = sample();
    std::fill(bytes.begin() + 2 * kJet4Page, bytes.begin() + 3 * kJet4Page, '\0');
    expectFailure(write("zeroed-catalog.mdb", bytes), "テーブル一覧を読めません");
}

// Zeroing every page after the catalog leaves a catalog that points at table
// definitions which are no longer there.
TEST_F(BadFiles, ZeroedTableDefinitions)
{
    std::string bytes = sample();
    std::fill(bytes.begin() + 8 * kJet4Page, bytes.end(), '\0');
    expectFailure(write("zeroed-tables.mdb", bytes), "壊れています");
}

TEST_F(BadFiles, UnknownJet3Charset)
{
    std::string nwind = test::sharedReal("nwind.mdb");
    if (nwind.empty())
        GTEST_SKIP() << "../shared/real is absent: no Jet3 file to read";
    SourceReadOptions options;
    options.jet3Charset = "NO-SUCH-CHARSET";
    EXPECT_THROW(readSourceSchema(nwind, options), Error);
}

TEST_F(BadFiles, TimeLimitEndsTheChild)
{
    std::string big = test::sharedFixture("big.mdb");
    if (big.empty())
        GTEST_SKIP() << "../shared/fixtures/big.mdb is absent";
    try {
        readSourceSchemaIsolated(big, {}, std::chrono::milliseconds(1));
        ADD_FAILURE() << "a 1 ms limit was not enforced";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("秒以内に終わりませんでした"), std::string::npos) << error.what();
    }
}

}  // namespace
