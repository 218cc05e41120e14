// Damage that libmdb's row scan passes over without a word: a catalog row it
// cannot find or decode, a catalog page that holds something else. The read
// must not come back as a sound database with fewer tables: it either names
// what it skipped in a warning or fails. Bytes after the last whole page are
// passed over with a warning.
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>

using namespace schemist;

namespace {

constexpr std::size_t kPage = 4096;         // sample.mdb is a Jet4 file
constexpr std::size_t kRowCountAt = 12;     // Jet4 data page: row count, then the row offsets
constexpr std::uint32_t kCatalogDefinition = 2;

std::uint32_t u32At(const std::string& bytes, std::size_t at)
{
    auto b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t u16At(const std::string& bytes, std::size_t at)
{
    auto b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

void put16(std::string& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// The first data page of the catalog table.
std::size_t catalogDataPage(const std::string& bytes)
{
    for (std::size_t page = 1; page < bytes.size() / kPage; ++page)
        if (bytes[page * kPage] == 0x01 && u32At(bytes, page * kPage + 4) == kCatalogDefinition)
            return page;
    ADD_FAILURE() << "no catalog data page";
    return 0;
}

// The slot of the catalog row that names `table` (its name is stored in
// compressed Unicode or UTF-16; the ASCII bytes are looked for in both).
std::size_t rowSlotNaming(const std::string& bytes, std::size_t page, const std::string& table)
{
    std::string wide;
    for (char c : table)
        wide += std::string{c, '\0'};
    std::size_t base = page * kPage;
    std::size_t rows = u16At(bytes, base + kRowCountAt);
    std::size_t end = kPage;
    for (std::size_t slot = 0; slot < rows; ++slot) {
        std::size_t start = u16At(bytes, base + kRowCountAt + 2 + 2 * slot) & 0x1FFF;
        std::string row = bytes.substr(base + start, end > start ? end - start : 0);
        if (row.find(table) != std::string::npos || row.find(wide) != std::string::npos)
            return slot;
        end = start;
    }
    ADD_FAILURE() << "no catalog row names " << table;
    return 0;
}

class DamagedCatalog : public ::testing::Test {
protected:
    void SetUp() override
    {
        original_ = test::readFile(test::dataFile("sample.mdb"));
        page_ = catalogDataPage(original_);
        sound_ = readSourceSchema(test::dataFile("sample.mdb"), {});
    }

    std::string write(const std::string& bytes) const
    {
        std::string path = scratch_.file("damaged.mdb");
        test::writeFile(path, bytes);
        return path;
    }

    std::size_t rowOffsetAt(std::size_t slot) const { return page_ * kPage + kRowCountAt + 2 + 2 * slot; }

    // Each of the two readers either fails with the file's message or
    // returns every table of the sound file, or fewer with a warning that
    // contains `warning`.
    void expectNoSilentLoss(const std::string& path, const std::string& warning) const
    {
        using Reader = std::function<SourceSchema()>;
        for (const Reader& read : {Reader([&] { return readSourceSchema(path, {}); }),
                                   Reader([&] { return readSourceSchemaIsolated(path, {}); })}) {
            SourceSchema schema;
            try {
                schema = read();
            } catch (const Error& error) {
                EXPECT_EQ(std::string(error.what()).rfind("データベースを読み込めません: " + path + ": ", 0), 0u)
                    << error.what();
                continue;
            }
            if (schema.tables.size() >= sound_.tables.size())
                continue;
            ASSERT_FALSE(schema.warnings.empty())
                << schema.tables.size() << " of " << sound_.tables.size() << " tables and no warning";
            EXPECT_NE(schema.warnings[0].find(warning), std::string::npos) << schema.warnings[0];
            EXPECT_NE(schema.warnings[0].find(path), std::string::npos) << schema.warnings[0];
        }
    }

    std::string original_;
    std::size_t page_ = 0;
    SourceSchema sound_;
    test::ScratchDir scratch_;
};

TEST_F(DamagedCatalog, SoundFilesReadWithoutWarnings)
{
    for (const std::string& path : test::allSampleDatabases()) {
        SourceReadOptions options;
        std::ifstream dump(path + ".schema.json");
        options.jet3Charset = nlohmann::json::parse(dump).value("jet3Charset", options.jet3Charset);
        EXPECT_TRUE(readSourceSchema(path, options).warnings.empty()) << path;
    }
}

TEST_F(DamagedCatalog, RowOffsetPastThePageIsReported)
{
    std::string bytes = original_;
    put16(bytes, rowOffsetAt(rowSlotNaming(bytes, page_, "tblOrder")), kPage + 100);
    // libmdb ends the next row at this offset too, and passes over both.
    expectNoSilentLoss(write(bytes), "テーブル一覧の 2 行を読めませんでした");
}

TEST_F(DamagedCatalog, ColumnCountOver255IsReported)
{
    std::string bytes = original_;
    std::size_t slot = rowSlotNaming(bytes, page_, "Customer");
    std::size_t start = u16At(bytes, rowOffsetAt(slot)) & 0x1FFF;
    put16(bytes, page_ * kPage + start, 300);
    expectNoSilentLoss(write(bytes), "テーブル一覧の 1 行を読めませんでした");
}

TEST_F(DamagedCatalog, CatalogPageReplacedByAnotherPageIsReported)
{
    std::string bytes = original_;
    std::size_t other = page_ + 3;
    bytes.replace(page_ * kPage, kPage, original_.substr(other * kPage, kPage));
    expectNoSilentLoss(write(bytes), "テーブル一覧のページ");
}

// Damage to a table row's Type would drop the table from the list like any
// row that is not a table's: a value that no kind of object has, or that of
// a query or relationship with a table's Id (a definition page, where other
// objects' Ids carry a high byte).
TEST_F(DamagedCatalog, DamagedObjectTypeIsReported)
{
    constexpr std::size_t kTypeAt = 2 + 8;  // after the column count: Id, ParentId, then Type
    for (std::uint16_t type : {0xF901, 5, 8}) {
        SCOPED_TRACE("Type " + std::to_string(type));
        std::string bytes = original_;
        std::size_t start = u16At(bytes, rowOffsetAt(rowSlotNaming(bytes, page_, "tblOrder"))) & 0x1FFF;
        ASSERT_EQ(u16At(bytes, page_ * kPage + start + kTypeAt), 1) << "not the Type of a local table";
        put16(bytes, page_ * kPage + start + kTypeAt, type);
        expectNoSilentLoss(write(bytes), "テーブル一覧の 1 行を読めませんでした");
    }
}

// libmdb passes over a Jet3 row whose first variable-length value ends past
// the row's end. The rows it returns cannot be counted against the live
// rows: it also returns the rows that overflowed rows point to, which made
// up for the row it skipped.
TEST_F(DamagedCatalog, Jet3RowThatLibmdbSkipsIsReported)
{
    const std::string nwind = test::sharedReal("nwind.mdb");
    if (nwind.empty())
        GTEST_SKIP() << "../shared/real is absent: no Jet3 file with overflowed catalog rows";
    constexpr std::size_t kJet3Page = 2048;
    constexpr std::size_t kJet3RowCountAt = 8;
    constexpr std::size_t kNullMask = 3;  // the catalog's 17 columns
    std::string bytes = test::readFile(nwind);
    std::size_t damaged = 0;
    for (std::size_t page = 1; page < bytes.size() / kJet3Page && !damaged; ++page) {
        std::size_t base = page * kJet3Page;
        if (bytes[base] != 0x01 || u32At(bytes, base + 4) != kCatalogDefinition)
            continue;
        std::size_t end = kJet3Page;
        for (std::size_t slot = 0; slot < u16At(bytes, base + kJet3RowCountAt); ++slot) {
            std::uint16_t offset = u16At(bytes, base + kJet3RowCountAt + 2 + 2 * slot);
            std::size_t start = offset & 0x1FFF;
            std::string row = bytes.substr(base + start, end > start ? end - start : 0);
            if ((offset & 0xC000) == 0 && row.size() < 256 && row.find("Ums") != std::string::npos) {
                // Before the variable-value count: where the first value starts, then
                // where it ends.
                damaged = base + end - kNullMask - 3;
                bytes[damaged] = static_cast<char>(0xFF);
                break;
            }
            end = std::min(end, start);
        }
    }
    ASSERT_NE(damaged, 0u) << "no catalog row of the table Umsätze";
    sound_ = readSourceSchema(nwind, {});
    expectNoSilentLoss(write(bytes), "テーブル一覧の 1 行を読めませんでした");
}

TEST_F(DamagedCatalog, TrailingBytesAreIgnoredWithAWarning)
{
    for (std::size_t extra : {std::size_t(1), kPage - 1}) {
        std::string path = write(original_ + std::string(extra, '\x5A'));
        for (const SourceSchema& schema : {readSourceSchema(path, {}), readSourceSchemaIsolated(path, {})}) {
            EXPECT_EQ(schema.tables.size(), sound_.tables.size());
            ASSERT_EQ(schema.warnings.size(), 1u);
            EXPECT_NE(schema.warnings[0].find("末尾の " + std::to_string(extra) + " バイト"), std::string::npos)
                << schema.warnings[0];
        }
    }
}

// A cut inside a page the catalog maps is damage, not a tail.
TEST_F(DamagedCatalog, CutInsideACatalogPageIsAnError)
{
    std::string path = write(original_.substr(0, page_ * kPage + kPage / 2));
    EXPECT_THROW(readSourceSchema(path, {}), Error);
    EXPECT_THROW(readSourceSchemaIsolated(path, {}), Error);
}

}  // namespace
