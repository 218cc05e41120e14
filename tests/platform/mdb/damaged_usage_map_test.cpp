// Usage-map pointers that name the wrong row. A table definition finds the
// pages of its rows through a usage map stored as a row elsewhere; a pointer
// to another row made the catalog scan look at other pages (a list with no
// tables and no word), and a pointer to an empty row made libmdb read through
// a null map while scanning the relationships (the reading process died).
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

using namespace schemist;

namespace {

constexpr std::size_t kPage = 4096;           // the samples used here are Jet4/ACE files
constexpr std::size_t kUsageMapPointerAt = 55;  // table definition page: (page << 8 | row) of its usage map
constexpr std::uint32_t kCatalogDefinition = 2;

std::uint32_t u32At(const std::string& bytes, std::size_t at)
{
    auto b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t mapPointer(const std::string& bytes, std::size_t page)
{
    return u32At(bytes, page * kPage + kUsageMapPointerAt);
}

// The pointer moved to other rows: the next one, the one before, the next
// page, and a row number past every row of its page (an empty row).
std::vector<std::uint32_t> wrongPointers(std::uint32_t pointer)
{
    std::uint32_t row = pointer & 0xFF;
    return {pointer + 1, row > 0 ? pointer - 1 : pointer + 2, pointer + 0x100, (pointer & ~0xFFu) | 200};
}

class DamagedUsageMap : public ::testing::Test {
protected:
    std::string write(const std::string& bytes) const
    {
        std::string path = scratch_.file("damaged.mdb");
        test::writeFile(path, bytes);
        return path;
    }

    test::ScratchDir scratch_;
};

// The catalog's rows are looked for on the pages of whatever row the pointer
// names. Either the read fails, or every table is listed, or the tables not
// found are reported.
TEST_F(DamagedUsageMap, CatalogMapNamingAnotherRowIsReported)
{
    for (const char* name : {"sample.mdb", "sample2007.accdb"}) {
        const std::string original = test::readFile(test::dataFile(name));
        const std::size_t sound = readSourceSchema(test::dataFile(name), {}).tables.size();
        for (std::uint32_t pointer : wrongPointers(mapPointer(original, kCatalogDefinition))) {
            std::string bytes = original;
            put32(bytes, kCatalogDefinition * kPage + kUsageMapPointerAt, pointer);
            const std::string path = write(bytes);
            using Reader = std::function<SourceSchema()>;
            for (const Reader& read : {Reader([&] { return readSourceSchema(path, {}); }),
                                       Reader([&] { return readSourceSchemaIsolated(path, {}); })}) {
                SCOPED_TRACE(std::string(name) + " pointer " + std::to_string(pointer));
                try {
                    SourceSchema schema = read();
                    if (schema.tables.size() < sound) {
                        ASSERT_FALSE(schema.warnings.empty()) << schema.tables.size() << " of " << sound;
                        EXPECT_NE(schema.warnings[0].find("テーブル一覧の"), std::string::npos) << schema.warnings[0];
                    }
                } catch (const Error& error) {
                    EXPECT_EQ(std::string(error.what()).rfind("データベースを読み込めません: " + path + ": ", 0), 0u)
                        << error.what();
                }
            }
        }
    }
}

// Every other table's map, the relationships' among them: read in this
// process, so that a fault of libmdb ends the test program. The tables stay
// listed; what cannot be read is an error or the relationships' problem.
TEST_F(DamagedUsageMap, TableMapNamingAnotherRowIsNoCrash)
{
    const std::string original = test::readFile(test::dataFile("sample.mdb"));
    const SourceSchema sound = readSourceSchema(test::dataFile("sample.mdb"), {});
    for (std::size_t page = 1; page < original.size() / kPage; ++page) {
        if (original[page * kPage] != 0x02 || page == kCatalogDefinition)
            continue;
        for (std::uint32_t pointer : wrongPointers(mapPointer(original, page))) {
            SCOPED_TRACE("definition page " + std::to_string(page) + " pointer " + std::to_string(pointer));
            std::string bytes = original;
            put32(bytes, page * kPage + kUsageMapPointerAt, pointer);
            const std::string path = write(bytes);
            try {
                SourceSchema schema = readSourceSchema(path, {});
                EXPECT_EQ(schema.tables.size(), sound.tables.size());
                if (schema.relationships.size() != sound.relationships.size()) {
                    EXPECT_TRUE(schema.relationshipsProblem.has_value());
                }
            } catch (const Error& error) {
                EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
            }
        }
    }
}

}  // namespace
