// The conversion tables as the editors read and save them.
#include "store/table_editing.h"

#include "platform/workstore/database.h"
#include "platform/error.h"
#include "store/default_rows.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

namespace schemist::test {
namespace {

TypeCells typeRow(const std::string& key, const std::string& vbType = "String", const std::string& length = "10")
{
    return {key, "True", length, "0", vbType, "False", "0", "0", "Text", "True", "50", "0"};
}

TEST(TableEditing, ReadsTheDefaultRowsAsTexts)
{
    FreshStore store;
    std::vector<TypeCells> rows = LoadTypeTable(store.path());
    ASSERT_EQ(rows.size(), 22u);
    for (const TypeCells& row : rows) {
        EXPECT_TRUE(row[1] == "True" || row[1] == "False");
        EXPECT_FALSE(row[2].empty());  // a Null length reads as "0"
    }
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultTopNameTable).size(), 40u);
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultEndNameTable).size(), 5u);
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultFullNameTable).size(), 11u);
}

TEST(TableEditing, LaterDuplicateKeyWinsAndBlankKeysAreDropped)
{
    FreshStore store;
    SaveTypeTable(store.path(), {typeRow("Long", "Long", "1"), typeRow("  "), typeRow("Long", "Integer", "2")});
    std::vector<TypeCells> rows = LoadTypeTable(store.path());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][4], "Integer");
    EXPECT_EQ(rows[0][2], "2");
}

TEST(TableEditing, KeysArePlainText)
{
    FreshStore store;
    const std::vector<std::string> keys = {"O'Brien", "a\"b", "R&D", "日本語型", "x' OR '1'='1"};
    std::vector<TypeCells> rows;
    for (const std::string& k : keys)
        rows.push_back(typeRow(k));
    SaveTypeTable(store.path(), rows);
    std::vector<TypeCells> read = LoadTypeTable(store.path());
    ASSERT_EQ(read.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(read[i][0], keys[i]);
}

TEST(TableEditing, LengthTextIsStoredAsARoundedInteger)
{
    FreshStore store;
    SaveTypeTable(store.path(), {typeRow("Single", "Single", "3.5")});
    EXPECT_EQ(LoadTypeTable(store.path())[0][2], "4");
}

TEST(TableEditing, EmptyVbTypeIsStoredAsEmptyText)
{
    FreshStore store;
    SaveTypeTable(store.path(), {typeRow("Memo", "")});
    dao::Database db = dao::Database::open(store.path(), dao::OpenMode::Shared);
    dao::Recordset rs = db.openRecordset(kDefaultTypeTable);
    ASSERT_FALSE(rs.eof());
    EXPECT_TRUE(rs.field("VB_Type").isText());
    EXPECT_EQ(rs.field("VB_Type").text(), "");
}

TEST(TableEditing, FailureHalfwayLeavesTheTableAsItWas)
{
    FreshStore store;
    std::vector<TypeCells> before = LoadTypeTable(store.path());
    // The second row cannot be stored: the table keeps its 22 rows.
    EXPECT_THROW(SaveTypeTable(store.path(), {typeRow("A"), typeRow("B", "String", "99999"), typeRow("C")}), Error);
    EXPECT_EQ(LoadTypeTable(store.path()), before);

    std::vector<NameCells> names = LoadNameTable(store.path(), kDefaultFullNameTable);
    std::vector<NameCells> changed = names;
    changed[0][1] = "x";
    changed[3][1] = std::string(300, 'y');
    EXPECT_THROW(SaveNameTable(store.path(), kDefaultFullNameTable, changed), Error);
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultFullNameTable), names);
}

TEST(TableEditing, NameSaveKeepsTheRowsAndStoresEmptyReplacements)
{
    FreshStore store;
    std::vector<NameCells> names = LoadNameTable(store.path(), kDefaultEndNameTable);
    names[1][1] = "";
    names[2][1] = "接尾&'\"";
    SaveNameTable(store.path(), kDefaultEndNameTable, names);
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultEndNameTable), names);
}

TEST(TableEditing, MissingTableIsNamedWithTheWayOut)
{
    ScratchDir dir;
    std::string path = dir.file("SCHM.db");
    dao::Database::create(path).close();
    try {
        LoadTypeTable(path);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Default_Type_Table"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("初期データ作成"), std::string::npos);
    }
}

}  // namespace
}  // namespace schemist::test
