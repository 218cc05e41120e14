// Rows added through a RowAppender: stored exactly as a recordset stores the
// same values, and refused where a recordset refuses them, with its message.
#include "platform/error.h"
#include "platform/workstore/database.h"
#include "platform/workstore/row_appender.h"
#include "sample_table.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace schemist;
using namespace schemist::dao;
using schemist::test::ScratchDir;

namespace {

struct Appending : ::testing::Test {
    ScratchDir dir;
    Database db = Database::create(dir.file("store.db"));
    void SetUp() override
    {
        db.createTableDef(test::sampleTable("ByAppender"));
        db.createTableDef(test::sampleTable("ByRecordset"));
    }

    std::vector<std::vector<Value>> rowsOf(const char* table)
    {
        std::vector<std::vector<Value>> rows;
        for (Recordset rs = db.openRecordset(table); !rs.eof(); rs.moveNext()) {
            std::vector<Value> row;
            for (const std::string& name : rs.fieldNames())
                row.push_back(rs.field(name));
            rows.push_back(row);
        }
        return rows;
    }
};

}  // namespace

TEST_F(Appending, StoresWhatARecordsetStoresForTheSameValues)
{
    // Key (Text 10), Flag, Small, Tiny, Big (Long), Amount, Note (Memo).
    std::string tenKanji = "社員名社員名社員名社";  // 10 characters, 30 bytes
    std::optional<std::string> none;
    {
        RowAppender rows(db, "ByAppender");
        rows.append({"a", true, std::int32_t{7}, std::int32_t{255}, std::int32_t{-2147483647 - 1}, std::int32_t{3},
                     std::string(70000, 'x')});
        rows.append({tenKanji, false, std::int32_t{-32768}, Cell(), std::int32_t{2147483647}, Cell(), none});
        rows.append({"c", std::optional<bool>()});  // the rest Null
    }
    Recordset rs = db.openRecordset("ByRecordset");
    auto add = [&](std::vector<Value> values) {
        rs.addNew();
        for (std::size_t i = 0; i < values.size(); ++i)
            rs.setField(static_cast<int>(i), values[i]);
        rs.update();
    };
    add({Value("a"), Value(true), Value(std::int32_t{7}), Value(std::int32_t{255}), Value(std::int32_t{-2147483647 - 1}),
         Value(std::int32_t{3}), Value(std::string(70000, 'x'))});
    add({Value(tenKanji), Value(false), Value(std::int32_t{-32768}), Value(), Value(std::int32_t{2147483647}), Value(),
         Value()});
    add({Value("c"), Value()});
    EXPECT_EQ(rowsOf("ByAppender"), rowsOf("ByRecordset"));
}

TEST_F(Appending, RefusesWhatARecordsetRefusesWithItsMessage)
{
    RowAppender rows(db, "ByAppender");
    Recordset rs = db.openRecordset("ByRecordset");
    struct Case { int column; Cell cell; Value value; };
    const Case cases[] = {
        {0, Cell(std::string_view("社員名社員名社員名社員")), Value("社員名社員名社員名社員")},  // 11 characters
        {2, Cell(std::int32_t{32768}), Value(std::int32_t{32768})},
        {3, Cell(std::int32_t{-1}), Value(std::int32_t{-1})},
        {1, Cell(std::string_view("maybe")), Value("maybe")},
        {4, Cell(std::string_view("12a")), Value("12a")},
    };
    for (const Case& c : cases) {
        std::string expected = test::errorMessageOf([&] {
            rs.addNew();
            rs.setField(c.column, c.value);
        });
        std::vector<Cell> cells(7);
        cells[0] = Cell(std::string_view("k"));
        cells[static_cast<std::size_t>(c.column)] = c.cell;
        std::string got = test::errorMessageOf([&] { rows.append({cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6]}); });
        EXPECT_NE(expected, "<no error>") << c.column;
        expected.replace(expected.find("ByRecordset"), 11, "ByAppender");
        EXPECT_EQ(got, expected) << c.column;
    }
    // A key taken already is refused by the table's constraint.
    rows.append({"k"});
    std::string duplicate = test::errorMessageOf([&] { rows.append({"K"}); });
    EXPECT_NE(duplicate.find("テーブル ByAppender に行を追加できません（キーの重複または値の制約違反）"), std::string::npos)
        << duplicate;
    EXPECT_EQ(rowsOf("ByAppender").size(), 1u);
    EXPECT_THROW(RowAppender(db, "Missing"), Error);
}
