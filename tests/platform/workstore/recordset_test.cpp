// Rows through recordsets: values converted to their field's type on
// assignment and refused when they do not fit, Null kept, the cursor and the
// edit buffer as the store's users rely on them.
#include "platform/error.h"
#include "platform/workstore/database.h"
#include "sample_table.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace schemist;
using namespace schemist::dao;
using schemist::test::ScratchDir;

namespace {

struct SampleRows : ::testing::Test {
    ScratchDir dir;
    std::string path = dir.file("store.db");
    Database db = Database::create(path);
    void SetUp() override { db.createTableDef(test::sampleTable("T")); }

    Recordset newRow(const char* key)
    {
        Recordset rs = db.openRecordset("T");
        rs.addNew();
        rs.setField("Key", Value(key));
        return rs;
    }
};

}  // namespace

TEST_F(SampleRows, IntegerFieldsTakeTheirWholeRangeAndRefuseOneBeyond)
{
    struct Range { const char* field; double lo, hi; };
    for (Range r : {Range{"Small", -32768, 32767}, Range{"Tiny", 0, 255}, Range{"Big", -2147483648.0, 2147483647.0}}) {
        Recordset rs = newRow("k");
        for (double inRange : {r.lo, r.hi}) {
            rs.setField(r.field, Value(inRange));
            EXPECT_EQ(rs.field(r.field).toDouble(), inRange) << r.field;
        }
        for (double outside : {r.lo - 1, r.hi + 1}) {
            std::string message = test::errorMessageOf([&] { rs.setField(r.field, Value(outside)); });
            EXPECT_NE(message.find("範囲外"), std::string::npos) << r.field << " " << outside << ": " << message;
            EXPECT_NE(message.find(std::string("フィールド ") + r.field), std::string::npos) << message;
            EXPECT_NE(message.find("テーブル T"), std::string::npos) << message;
        }
        // The refused value left the buffer as it was.
        EXPECT_EQ(rs.field(r.field).toDouble(), r.hi) << r.field;
    }
    Recordset rs = newRow("k");
    EXPECT_THROW(rs.setField("Small", Value("32768")), Error);
    EXPECT_THROW(rs.setField("Small", Value(std::int32_t{-32769})), Error);
    rs.setField("Small", Value("-32768"));
    rs.update();
    EXPECT_EQ(db.openRecordset("T").field("Small"), Value(std::int16_t{-32768}));
}

TEST_F(SampleRows, AssignmentConvertsAsTheEngineDoes)
{
    Recordset rs = newRow("k");
    rs.setField("Small", Value("2.5"));  // half to even
    EXPECT_EQ(rs.field("Small"), Value(std::int16_t{2}));
    rs.setField("Small", Value(3.5));
    EXPECT_EQ(rs.field("Small"), Value(std::int16_t{4}));
    rs.setField("Small", Value(true));
    EXPECT_EQ(rs.field("Small"), Value(std::int16_t{-1}));
    rs.setField("Big", Value(std::int16_t{7}));
    EXPECT_EQ(rs.field("Big"), Value(std::int32_t{7}));
    rs.setField("Flag", Value("False"));
    EXPECT_EQ(rs.field("Flag"), Value(false));
    rs.setField("Flag", Value(std::int16_t{5}));
    EXPECT_EQ(rs.field("Flag"), Value(true));
    rs.setField("Note", Value(std::int32_t{12}));
    EXPECT_EQ(rs.field("Note"), Value("12"));
    rs.setField("Amount", Value("1e3"));
    EXPECT_EQ(rs.field("Amount"), Value(1000.0));
    for (const char* bad : {"", "abc", "1x", "inf"})
        EXPECT_NE(test::errorMessageOf([&] { rs.setField("Amount", Value(bad)); }).find("型が一致しません"), std::string::npos)
            << bad;
    rs.update();
    Recordset back = db.openRecordset("T");
    EXPECT_EQ(back.field("Flag"), Value(true));
    EXPECT_EQ(back.field("Note"), Value("12"));
    EXPECT_EQ(back.field("Amount"), Value(1000.0));
}

TEST_F(SampleRows, TextSizeCountsCharactersNotBytes)
{
    Recordset rs = newRow("漢字漢字漢字漢字漢字");  // 10 characters, 30 bytes
    EXPECT_NE(test::errorMessageOf([&] { rs.setField("Key", Value("12345678901")); }).find("10 文字まで"), std::string::npos);
    rs.update();
    EXPECT_EQ(db.openRecordset("T").field("Key"), Value("漢字漢字漢字漢字漢字"));
}

TEST_F(SampleRows, NullStaysNullAndEveryTypeReadsBackAsItsOwn)
{
    Recordset rs = newRow("k");
    rs.setField("Tiny", Value(std::int16_t{200}));
    rs.setField("Big", Value(std::int32_t{-5}));
    rs.setField("Flag", Value(false));
    rs.update();
    Recordset back = db.openRecordset("T");
    EXPECT_TRUE(back.field("Small").isNull());
    EXPECT_TRUE(back.field("Note").isNull());
    EXPECT_TRUE(back.field("Amount").isNull());
    EXPECT_EQ(back.field("Tiny"), Value(std::int16_t{200}));
    EXPECT_EQ(back.field("Big"), Value(std::int32_t{-5}));
    EXPECT_EQ(back.field("Flag"), Value(false));
}

TEST_F(SampleRows, EditChangesTheCurrentRowOnly)
{
    for (const char* key : {"a", "b", "c"}) {
        Recordset rs = newRow(key);
        rs.update();
    }
    Recordset rs = db.openRecordset("T");
    rs.moveNext();
    rs.edit();
    rs.setField("Note", Value("edited"));
    EXPECT_EQ(rs.field("Note"), Value("edited"));  // the buffer is what the field shows while editing
    rs.update();
    EXPECT_EQ(rs.field("Note"), Value("edited"));
    std::vector<std::string> notes;
    for (Recordset all = db.openRecordset("T"); !all.eof(); all.moveNext())
        notes.push_back(all.field("Note").toText());
    EXPECT_EQ(notes, (std::vector<std::string>{"", "edited", ""}));

    // An edit that breaks the key is refused and the stored row is kept.
    rs.moveFirst();
    rs.edit();
    rs.setField("Key", Value("B"));
    EXPECT_NE(test::errorMessageOf([&] { rs.update(); }).find("キーの重複"), std::string::npos);
    EXPECT_EQ(db.openRecordset("T", "Key", Value("a")).recordCount(), 1u);
}

TEST_F(SampleRows, CursorAndFieldMistakesAreReported)
{
    Recordset rs = db.openRecordset("T");
    EXPECT_TRUE(rs.eof());
    EXPECT_NE(test::errorMessageOf([&] { rs.field("Key"); }).find("カレント レコードがありません"), std::string::npos);
    EXPECT_THROW(rs.edit(), Error);
    EXPECT_THROW(rs.setField("Key", Value("x")), std::logic_error);
    EXPECT_THROW(rs.update(), std::logic_error);
    rs.addNew();
    EXPECT_NE(test::errorMessageOf([&] { rs.setField("Nope", Value("x")); }).find("Nope"), std::string::npos);
    EXPECT_EQ(rs.fieldNames().front(), "Key");
    rs.moveNext();  // past the end stays at the end
    EXPECT_TRUE(rs.eof());
}

TEST_F(SampleRows, AppendOnlyRecordsetsAddWithoutKeepingRows)
{
    Recordset append = db.openForAppend("T");
    for (int i = 0; i < 3; ++i) {
        append.addNew();
        append.setField(0, Value("k" + std::to_string(i)));
        append.update();
    }
    EXPECT_EQ(append.recordCount(), 0u);
    EXPECT_EQ(db.openRecordset("T").recordCount(), 3u);
}
