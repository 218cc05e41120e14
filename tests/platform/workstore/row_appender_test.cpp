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
    std::string longNote(70000, 'x');
    std::optional<std::string> none;
    {
        RowAppender rows(db, "ByAppender");
        rows.append({"a", true, std::int32_t{7}, std::int32_t{255}, std::int32_t{-2147483647 - 1}, std::int32_t{3},
                     longNote});
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

TEST_F(Appending, RowsRepeatingTheirPredecessorsValuesAreStoredWhole)
{
    // Values equal to the row before (texts equal but held apart, converted
    // numbers, Nulls) and values that change back and forth, around a
    // refused row that stopped halfway through its fields.
    std::vector<std::string> notes = {"memo", "memo", std::string("memo"), "other"};
    std::vector<std::vector<Value>> expected;
    {
        RowAppender rows(db, "ByAppender");
        rows.append({"k1", true, std::int32_t{1}, std::int32_t{9}, std::int32_t{5}, Cell(), notes[0]});
        rows.append({"k2", true, std::int32_t{1}, std::int32_t{9}, std::int32_t{5}, Cell(), notes[1]});
        for (int twice = 0; twice < 2; ++twice)
            EXPECT_THROW(rows.append({"k3", false, std::int32_t{2}, std::int32_t{256}, std::int32_t{6}}), Error);
        rows.append({"k4", true, std::int32_t{1}, std::int32_t{9}, std::int32_t{5}, std::int32_t{4}, notes[2]});
        rows.append({"k5", false, std::int32_t{1}, std::int32_t{9}, std::int32_t{6}, std::int32_t{4}, notes[3]});
        rows.append({"k6", true, std::int32_t{2}, Cell(), std::int32_t{6}});
    }
    auto row = [](const char* key, bool flag, std::int16_t small, std::optional<std::int16_t> tiny, std::int32_t big,
                  std::optional<double> amount, std::optional<std::string> note) {
        return std::vector<Value>{Value(key), Value(flag), Value(small), tiny ? Value(*tiny) : Value(), Value(big),
                                  amount ? Value(*amount) : Value(), note ? Value(*note) : Value()};
    };
    expected.push_back(row("k1", true, 1, 9, 5, std::nullopt, "memo"));
    expected.push_back(row("k2", true, 1, 9, 5, std::nullopt, "memo"));
    expected.push_back(row("k4", true, 1, 9, 5, 4.0, "memo"));
    expected.push_back(row("k5", false, 1, 9, 6, 4.0, "other"));
    expected.push_back(row("k6", true, 2, std::nullopt, 6, std::nullopt, std::nullopt));
    EXPECT_EQ(rowsOf("ByAppender"), expected);
}

TEST_F(Appending, RowsOfATableWithoutKeysAreAllWrittenOnceFinished)
{
    // More rows than one statement takes, and not a multiple of it, with
    // values repeating and changing, and refused rows among them.
    for (const char* name : {"Unkeyed", "UnkeyedByRecordset"}) {
        TableDef def = test::sampleTable(name);
        def.indexes.clear();
        db.createTableDef(def);
    }
    std::vector<std::string> keys;
    for (int i = 0; i < 75; ++i)
        keys.push_back("k" + std::to_string(i % 7));
    // The appender borrows the texts until it is destroyed, as the run's
    // rows lend theirs.
    std::vector<std::optional<std::string>> texts;
    for (int i = 0; i < 75; ++i)
        texts.push_back(i % 5 == 0 ? std::nullopt : std::optional<std::string>("備考"));
    Recordset rs = db.openRecordset("UnkeyedByRecordset");
    {
        RowAppender rows(db, "Unkeyed");
        for (int i = 0; i < 75; ++i) {
            std::int32_t small = i % 3 == 0 ? 1 : i;
            const std::optional<std::string>& text = texts[static_cast<std::size_t>(i)];
            rows.append({keys[static_cast<std::size_t>(i)], i % 2 == 0, small, std::int32_t{i % 4}, std::int32_t{i},
                         std::int32_t{i % 2}, text});
            rs.addNew();
            rs.setField(0, Value(keys[static_cast<std::size_t>(i)]));
            rs.setField(1, Value(i % 2 == 0));
            rs.setField(2, Value(small));
            rs.setField(3, Value(std::int32_t{i % 4}));
            rs.setField(4, Value(std::int32_t{i}));
            rs.setField(5, Value(std::int32_t{i % 2}));
            rs.setField(6, text ? Value(*text) : Value());
            rs.update();
            if (i % 20 == 0) {
                EXPECT_THROW(rows.append({"bad", true, std::int32_t{1}, std::int32_t{300}}), Error);
            }
        }
        rows.finish();
    }
    EXPECT_EQ(rowsOf("Unkeyed"), rowsOf("UnkeyedByRecordset"));
    EXPECT_EQ(rowsOf("Unkeyed").size(), 75u);
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
