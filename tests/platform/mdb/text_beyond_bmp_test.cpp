// Text outside the Basic Multilingual Plane (emoji, rare kanji such as 𠮷)
// is stored as a surrogate pair; names, descriptions and text in compressed
// Unicode must come out as the one character, not as two "?".
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace schemist;

namespace {


// Replaces every occurrence of `from` by `to` (of the same length).
int replaceAll(std::string& bytes, const std::string& from, const std::string& to)
{
    int count = 0;
    for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size())) {
        bytes.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

const SourceTable* tableNamed(const SourceSchema& schema, const std::string& name)
{
    for (const SourceTable& table : schema.tables)
        if (table.name == name)
            return &table;
    return nullptr;
}

class TextBeyondBmp : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string bytes = test::readFile(test::dataFile("sample.mdb"));
        // 商品 (table, field names, descriptions; plain UTF-16) becomes 𠮷,
        // the description 氏名 becomes 🍣: two code units for two.
        ASSERT_GT(replaceAll(bytes, test::utf16le(u"商品"), test::utf16le(u"𠮷")), 3);
        ASSERT_EQ(replaceAll(bytes, test::utf16le(u"氏名"), test::utf16le(u"🍣")), 1);
        // The catalog row's name "tblStaff" (sixteen bytes of UTF-16) is
        // rewritten in compressed Unicode: FF FE, one byte per character, a
        // zero byte switching to two-byte units for 𠮷 and back.
        std::string changed = std::string("\xFF\xFE", 2) + "tbl" + std::string(1, '\0') + test::utf16le(u"𠮷") +
                              std::string(1, '\0') + "Staff";
        ASSERT_EQ(changed.size(), test::utf16le(u"tblStaff").size());
        ASSERT_EQ(replaceAll(bytes, test::utf16le(u"tblStaff"), changed), 1);
        path_ = scratch_.file("beyond-bmp.mdb");
        test::writeFile(path_, bytes);
    }

    void expectDecoded(const SourceSchema& schema) const
    {
        const SourceTable* product = tableNamed(schema, "𠮷");
        ASSERT_NE(product, nullptr) << "the table 𠮷 (was 商品) is not listed";
        EXPECT_EQ(product->description, "𠮷マスタ");
        ASSERT_FALSE(product->fields.empty());
        EXPECT_EQ(product->fields[0].name, "𠮷コード");
        EXPECT_EQ(product->fields[0].description, "𠮷コード");

        const SourceTable* staff = tableNamed(schema, "tbl𠮷Staff");
        ASSERT_NE(staff, nullptr) << "the table tbl𠮷Staff (was tblStaff) is not listed";
        bool found = false;
        for (const SourceField& field : staff->fields)
            if (field.name == "fldName") {
                EXPECT_EQ(field.description, "🍣");
                found = true;
            }
        EXPECT_TRUE(found);
    }

    test::ScratchDir scratch_;
    std::string path_;
};

TEST_F(TextBeyondBmp, SurrogatePairsAreOneCharacterInNamesAndDescriptions)
{
    expectDecoded(readSourceSchema(path_, {}));
}

TEST_F(TextBeyondBmp, SurrogatePairsSurviveTheIsolatedRead)
{
    expectDecoded(readSourceSchemaIsolated(path_, {}));
}

}  // namespace
