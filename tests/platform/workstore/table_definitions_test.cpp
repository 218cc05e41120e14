// Table definitions read back through the layer as they were written, after
// a reopen; names with quote characters work like any other name; the
// layer's own tables cannot be touched through it.
#include "platform/error.h"
#include "platform/workstore/database.h"
#include "sample_table.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::dao;
using schemist::test::ScratchDir;

namespace {

struct NewStore : ::testing::Test {
    ScratchDir dir;
    std::string path = dir.file("store.db");
    Database db = Database::create(path);
};

void expectSameProperties(const std::vector<Property>& a, const std::vector<Property>& b, const std::string& where)
{
    ASSERT_EQ(a.size(), b.size()) << where;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].name, b[i].name) << where;
        EXPECT_EQ(a[i].type, b[i].type) << where;
        EXPECT_EQ(a[i].value, b[i].value) << where << " " << a[i].name;
    }
}

void expectSameDefinition(const TableDef& a, const TableDef& b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.attributes, b.attributes);
    expectSameProperties(a.properties, b.properties, a.name);
    ASSERT_EQ(a.fields.size(), b.fields.size());
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        EXPECT_EQ(a.fields[i].name, b.fields[i].name);
        EXPECT_EQ(a.fields[i].type, b.fields[i].type) << a.fields[i].name;
        EXPECT_EQ(a.fields[i].size, b.fields[i].size) << a.fields[i].name;
        EXPECT_EQ(a.fields[i].allowZeroLength, b.fields[i].allowZeroLength) << a.fields[i].name;
        expectSameProperties(a.fields[i].properties, b.fields[i].properties, a.fields[i].name);
    }
    ASSERT_EQ(a.indexes.size(), b.indexes.size());
    for (std::size_t i = 0; i < a.indexes.size(); ++i) {
        EXPECT_EQ(a.indexes[i].name, b.indexes[i].name);
        EXPECT_EQ(a.indexes[i].fields, b.indexes[i].fields);
        EXPECT_EQ(a.indexes[i].primary, b.indexes[i].primary);
        EXPECT_EQ(a.indexes[i].unique, b.indexes[i].unique);
        EXPECT_EQ(a.indexes[i].ignoreNulls, b.indexes[i].ignoreNulls);
    }
}

}  // namespace

TEST_F(NewStore, DefinitionsReadBackInCreationOrderAfterReopen)
{
    TableDef second = test::sampleTable("Zweite");
    second.attributes = 2;
    second.properties.push_back({"Count", dbLong, Value(std::int32_t{70000})});
    second.properties.push_back({"Small", dbInteger, Value(std::int16_t{-3})});
    second.properties.push_back({"Ratio", dbDouble, Value(0.25)});
    second.properties.push_back({"Nothing", dbText, Value()});
    db.createTableDef(test::sampleTable("b_first"));
    db.createTableDef(second);
    db.close();

    Database again = Database::open(path, OpenMode::Exclusive);
    ASSERT_EQ(again.tableDefCount(), 2);
    expectSameDefinition(again.tableDef(0), test::sampleTable("b_first"));
    expectSameDefinition(again.tableDef(1), second);
    EXPECT_EQ(again.findTableDef("Zweite")->property("Count")->value, Value(std::int32_t{70000}));
    EXPECT_EQ(again.findTableDef("Zweite")->field("Key")->property("Description")->value.toText(), "キー");
    EXPECT_FALSE(again.findTableDef("zweite"));  // table names are exact
    EXPECT_THROW(again.tableDef(2), std::out_of_range);
}

TEST_F(NewStore, DeletedTablesGoWithTheirDefinitionAndRows)
{
    db.createTableDef(test::sampleTable("A"));
    db.createTableDef(test::sampleTable("B"));
    db.deleteTableDef("A");
    EXPECT_FALSE(db.hasTable("A"));
    ASSERT_EQ(db.tableDefCount(), 1);
    EXPECT_EQ(db.tableDef(0).name, "B");
    db.createTableDef(test::sampleTable("A"));  // a table of the same name starts empty
    EXPECT_EQ(db.openRecordset("A").recordCount(), 0u);
    EXPECT_EQ(db.tableDef(1).name, "A");
}

TEST_F(NewStore, MissingTablesAndReservedNamesAreRefusedByName)
{
    for (auto attempt : {+[](Database& d) { d.openRecordset("Nowhere"); },
                         +[](Database& d) { d.openForAppend("Nowhere"); },
                         +[](Database& d) { d.deleteAllRows("Nowhere"); },
                         +[](Database& d) { d.deleteTableDef("Nowhere"); }}) {
        try {
            attempt(db);
            ADD_FAILURE();
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("Nowhere"), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(db.createTableDef(test::sampleTable("__schemist_catalog")), Error);
    EXPECT_THROW(db.createTableDef(test::sampleTable("")), Error);
    db.createTableDef(test::sampleTable("Dup"));
    EXPECT_THROW(db.createTableDef(test::sampleTable("Dup")), Error);
    EXPECT_EQ(db.tableDefCount(), 1);
}

TEST_F(NewStore, NamesWithQuotesWorkLikeAnyOtherName)
{
    TableDef def;
    def.name = "O'Brien \"社員\" [表]";
    def.fields = {{"Key \"K\"", dbText, 20, false, {}}, {"it's", dbInteger, 2, false, {}}, {"a;b", dbText, 10, false, {}}};
    def.indexes = {{"Primary \"Key\"", "+Key \"K\"", true, true, false}, {"u'q", "-it's", false, true, false}};
    db.createTableDef(def);
    Recordset rs = db.openRecordset(def.name);
    for (auto [key, number] : {std::pair{"x\"y", 1}, {"'; DROP TABLE \"x", 2}, {"z", 3}}) {
        rs.addNew();
        rs.setField("Key \"K\"", Value(key));
        rs.setField("it's", Value(std::int16_t(number)));
        rs.update();
    }
    // Keys with quotes collide like any others, in both unique indexes.
    rs.addNew();
    rs.setField("Key \"K\"", Value("X\"Y"));
    rs.setField("it's", Value(std::int16_t{9}));
    EXPECT_THROW(rs.update(), Error);
    rs.addNew();
    rs.setField("Key \"K\"", Value("w"));
    rs.setField("it's", Value(std::int16_t{2}));
    EXPECT_THROW(rs.update(), Error);

    db.close();
    Database again = Database::open(path, OpenMode::Exclusive);
    expectSameDefinition(*again.findTableDef(def.name), def);
    Recordset found = again.openRecordset(def.name, "Key \"K\"", Value("'; DROP TABLE \"x"));
    ASSERT_EQ(found.recordCount(), 1u);
    EXPECT_EQ(found.field("it's"), Value(std::int16_t{2}));
    std::vector<std::string> order;
    for (Recordset all = again.openOrdered(def.name, "it's", true); !all.eof(); all.moveNext())
        order.push_back(all.field("Key \"K\"").toText());
    EXPECT_EQ(order, (std::vector<std::string>{"z", "'; DROP TABLE \"x", "x\"y"}));
    again.deleteTableDef(def.name);
    EXPECT_EQ(again.tableDefCount(), 0);
}

TEST(IndexFieldsString, SplitsIntoSignedMembers)
{
    EXPECT_EQ(indexMembers("+A;-B b;C"),
              (std::vector<IndexMember>{{"A", false}, {"B b", true}, {"C", false}}));
    EXPECT_EQ(indexMembers(";+;-X;"), (std::vector<IndexMember>{{"X", true}}));
    EXPECT_TRUE(indexMembers("").empty());
}
