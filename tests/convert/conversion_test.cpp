// Name lookups, the identifier set and the type conversion, on a real work
// store: edits of the conversion tables must reach every run.
#include "convert/definition_conversion.h"
#include "convert/name_lookup.h"
#include "platform/error.h"
#include "store/default_data.h"
#include "store/default_rows.h"
#include "store/work_tables.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::dao;

namespace {

struct Store : ::testing::Test {
    test::ScratchDir dir;
    std::string path = dir.file("SCHM.db");
    void SetUp() override { RebuildWorkStore(path, false); }

    void setName(const char* table, const std::string& key, const Value& name)
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        Recordset rs = db.openRecordset(table, "ConvertType", Value(key));
        rs.edit();
        rs.setField("ConvertName", name);
        rs.update();
    }
};

DefinitionRow accessRow(const std::string& type, std::int32_t length)
{
    DefinitionRow row;
    row.TableNo = 1;
    row.TableName = "Staff";
    row.TableNameChange = true;
    row.TableComment = "社員";
    row.FieldNo = 1;
    row.FieldName = "Name";
    row.Type = type;
    row.LengthFlag = true;
    row.LengthInteger = length;
    row.Comment = std::nullopt;
    row.Primary = true;
    row.DefaultValue = "";
    return row;
}

}  // namespace

TEST_F(Store, IdentifierSetWithDefaultRows)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    IdentifierSet ids = BuildIdentifierSet(db);
    EXPECT_EQ(ids, identifiersFromRows(defaultTopNames(), defaultEndNames(), defaultFullNames()));
    EXPECT_EQ(ids.ModuleNamePrefix, "mdl");
    EXPECT_EQ(ids.DeleteSuffix, "_Delete");
    EXPECT_EQ(ids.SqlVariable, "strSQL");
    EXPECT_EQ(ids.TablePrefix, "tbl");
    EXPECT_EQ(ids.FlagVariable, "bolFlag");
    EXPECT_EQ(LookupTopName(db, "String"), "str");
    EXPECT_EQ(LookupTopName(db, "NoSuchType"), "");
    EXPECT_EQ(LoadTypePrefixes(db).prefixFor("Long"), "lng");
}

TEST_F(Store, DeletedAndNullNamesGiveEmptyText)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        Recordset rs = db.openRecordset(kDefaultTopNameTable, "ConvertType", Value("RecordSet"));
        rs.edit();
        rs.setField("ConvertType", Value("Gone"));
        rs.update();
    }
    setName(kDefaultFullNameTable, "SQL変数", Value());
    Database db = Database::open(path, OpenMode::Exclusive);
    IdentifierSet ids = BuildIdentifierSet(db);
    EXPECT_EQ(ids.RecordsetPrefix, "");
    EXPECT_EQ(ids.SqlVariable, "");
    EXPECT_EQ(ids.LoopVariable, "intLoop");
}

TEST_F(Store, KeysWithQuotesAreLookedUpAsPlainText)
{
    {
        Database db = Database::open(path, OpenMode::Exclusive);
        Recordset rs = db.openForAppend(kDefaultTopNameTable);
        rs.addNew();
        rs.setField("ConvertType", Value("O'Brien\" OR '1'='1"));
        rs.setField("ConvertName", Value("obr"));
        rs.update();
    }
    Database db = Database::open(path, OpenMode::Exclusive);
    EXPECT_EQ(LookupTopName(db, "O'Brien\" OR '1'='1"), "obr");
    EXPECT_EQ(LookupTopName(db, "' OR '1'='1"), "");
    EXPECT_EQ(LookupEndName(db, "'"), "");
}

TEST(NullConversions, OnlyNullIsReplaced)
{
    EXPECT_EQ(NullToZero(Value()), Value(std::int16_t{0}));
    EXPECT_EQ(NullToZero(Value("abc")), Value("abc"));
    EXPECT_EQ(NullToEmpty(Value(std::int16_t{0})), Value(std::int16_t{0}));
    EXPECT_EQ(NullToEmpty(Value()), Value(std::string()));
}

TEST(ConvertedRow, LengthRules)
{
    DefinitionRow in = accessRow("Text", 50);
    ConvertedType fixed{std::string("String"), true, 10, 2};
    DefinitionRow out = WriteConvertedRow(in, fixed);
    EXPECT_EQ(out.Type, "String");
    EXPECT_EQ(out.LengthInteger, 10);
    EXPECT_EQ(out.LengthDecimal, 2);

    out = WriteConvertedRow(in, ConvertedType{std::string("String"), true, 0, 7});
    EXPECT_EQ(out.LengthInteger, 50);
    EXPECT_EQ(out.LengthDecimal, 0);

    out = WriteConvertedRow(in, ConvertedType{std::string("String"), false, 10, 2});
    EXPECT_FALSE(out.LengthFlag);
    EXPECT_EQ(out.LengthInteger, 0);
    EXPECT_EQ(out.LengthDecimal, 0);

    EXPECT_EQ(WriteConvertedRow(in, ConvertedType{std::nullopt}).Type, "未定義");
    EXPECT_EQ(WriteConvertedRow(in, ConvertedType{std::string()}).Type, "未定義");

    // Everything but type and lengths is copied unchanged, Null included.
    out = WriteConvertedRow(in, fixed);
    out.Type = in.Type;
    out.LengthInteger = in.LengthInteger;
    out.LengthDecimal = in.LengthDecimal;
    EXPECT_EQ(out, in);
}

// The type table loaded from the store, each row converted, both work tables
// written: the steps of a run, checked through what lands in the store.
TEST_F(Store, ConversionFillsBothTablesAndFallsBackForUnknownTypes)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    CreateWorkTables(db);
    std::vector<DefinitionRow> rows = {accessRow("Text", 50), accessRow("Memo", 0), accessRow("Integer", 2),
                                       accessRow("Guid", 16), accessRow("", 0)};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].FieldNo = static_cast<std::int32_t>(i + 1);
    rows[2].LengthFlag = false;
    writeDefinitionRows(db, kAccessTable, rows);
    Warnings warnings;
    WriteConvertedRows(db, ConvertRows(LoadTypeConversions(db), readDefinitionRows(db, kAccessTable), warnings));
    auto vb = readDefinitionRows(db, kVBTable);
    auto inside = readDefinitionRows(db, kInsideTable);
    ASSERT_EQ(vb.size(), 5u);
    ASSERT_EQ(inside.size(), 5u);
    EXPECT_EQ(vb[0].Type, "String");
    EXPECT_EQ(vb[0].LengthInteger, 50);
    EXPECT_EQ(vb[1].Type, "String");
    EXPECT_FALSE(vb[1].LengthFlag);
    EXPECT_EQ(inside[2].Type, "Short");
    EXPECT_EQ(vb[2].Type, "Integer");
    EXPECT_EQ(vb[3].Type, "未定義");
    EXPECT_EQ(inside[3].Type, "Guid");
    EXPECT_EQ(vb[4].Type, "未定義");
    // One warning for the type without a VB side, one for the type without a row.
    ASSERT_EQ(warnings.messages().size(), 2u);
    for (const std::string& warning : warnings.messages())
        EXPECT_NE(warning.find("Staff"), std::string::npos) << warning;
    EXPECT_NE(warnings.messages()[0].find("\"Guid\" には VB の型がない"), std::string::npos) << warnings.messages()[0];
    EXPECT_NE(warnings.messages()[1].find("デフォルト宣言にない"), std::string::npos) << warnings.messages()[1];
}

// The conversion reads nothing but its arguments: the same rows through the
// same table give the same result, whatever the store holds by then.
TEST(Conversion, IsAFunctionOfTheTypeTableAndTheRows)
{
    TypeConversions types;
    types["Text"] = {ConvertedType{std::string("String"), true, 0, 0}, ConvertedType{std::string("String"), true, 0, 0}};
    types["Long"] = {ConvertedType{std::string("Long"), false, 0, 0}, ConvertedType{std::nullopt, false, 0, 0}};
    std::vector<DefinitionRow> rows = {accessRow("Text", 20), accessRow("Long", 4), accessRow("Money", 8)};
    Warnings warnings;
    ConvertedRows converted = ConvertRows(types, rows, warnings);
    ASSERT_EQ(converted.inside.size(), 3u);
    ASSERT_EQ(converted.vb.size(), 3u);
    EXPECT_EQ(converted.vb[0].Type, "String");
    EXPECT_EQ(converted.vb[0].LengthInteger, 20);
    EXPECT_EQ(converted.inside[1].Type, "Long");
    EXPECT_EQ(converted.inside[1].LengthInteger, 0);
    EXPECT_EQ(converted.vb[1].Type, "未定義");
    EXPECT_EQ(converted.vb[2].Type, "未定義");
    ASSERT_EQ(warnings.messages().size(), 2u);
    EXPECT_NE(warnings.messages()[0].find("\"Long\" には VB の型がない"), std::string::npos);
    EXPECT_NE(warnings.messages()[1].find("\"Money\" はデフォルト宣言にない"), std::string::npos);
    Warnings again;
    EXPECT_EQ(ConvertRows(types, rows, again).vb, converted.vb);
}

// Of several type rows naming one Access type the first one counts, as a
// lookup of that type would find it.
TEST_F(Store, FirstTypeRowOfAnAccessTypeCounts)
{
    Database db = Database::open(path, OpenMode::Exclusive);
    Recordset rs = db.openForAppend(kDefaultTypeTable);
    rs.addNew();
    rs.setField("Inside_Type", Value(std::string("ZText")));
    rs.setField("Access_Type", Value(std::string("Text")));
    rs.setField("VB_Type", Value(std::string("Variant")));
    rs.update();
    TypeConversions types = LoadTypeConversions(db);
    ASSERT_TRUE(types.count("Text"));
    EXPECT_EQ(types.at("Text").vb.type, "String");
}
