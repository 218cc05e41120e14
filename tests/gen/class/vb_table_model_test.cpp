// The model both generators print from: one table's names and per-field
// texts under the settings that change them, and the reports made while it
// is built.
#include "class_fixture.h"
#include "gen/class/class_table.h"
#include "gen/common/vb_table_model.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::test::classes;

namespace {

DefinitionTable ordersTable()
{
    return TableBuilder(1, "Order Lines", true, "明細")
        .field("Order ID", "Long", FieldSpec().asKey())
        .field("Code", "String", FieldSpec().asKey().prefixed())
        .field("Note", "Memo", FieldSpec().zeroLength(std::nullopt))
        .field("Name", " String ", FieldSpec().zeroLength(false))
        .field("Kana", "String", FieldSpec().zeroLength(true))
        .field("Skipped", "")
        .build();
}

}  // namespace

TEST(VbTableModel, NamesFollowTheSourceDatabaseAndTheIdentifierRules)
{
    ClassFixture f;
    DefinitionTable source = ordersTable();
    VbTable t = buildVbTable(source, f.ctx);
    EXPECT_EQ(t.databaseName, "tblOrder Lines");
    EXPECT_EQ(t.sqlTable, "tblOrder Lines");
    EXPECT_EQ(t.routineBase, "tblOrder_Lines");
    EXPECT_EQ(t.databaseParameter, "dboOrder_Lines");
    EXPECT_EQ(t.structureType, "defOrder_Lines");
    EXPECT_EQ(t.collectionClass, "conOrder_Lines");
    ASSERT_EQ(t.fields.size(), 5u) << "a field without a type takes no part";
    EXPECT_EQ(t.keyFields().size(), 2u);
    EXPECT_EQ(t.otherFields().size(), 3u);

    const VbField& id = t.fields[0];
    EXPECT_EQ(id.typedName, "lngOrder_ID");
    EXPECT_EQ(id.memberVariable, "mvarOrder_ID");
    EXPECT_EQ(id.keyName, "[Order ID]");
    EXPECT_EQ(keyConditionText("strSQL", id, true, "x"), R"(strSQL = strSQL & "[Order ID]=" & cstr(x) & " ")");
    const VbField& code = t.fields[1];
    EXPECT_EQ(code.databaseName, "fldCode");
    EXPECT_EQ(keyConditionText("strSQL", code, false, "y"), R"(strSQL = strSQL & "AND fldCode='" & y & "' ")");
    EXPECT_EQ(f.warnings.messages().size(), 2u) << "the renamed table and field";
}

TEST(VbTableModel, ReferencesFollowFieldStyleAndTheWithStatement)
{
    ClassFixture f;
    DefinitionTable source = ordersTable();
    VbTable with = buildVbTable(source, f.ctx);
    EXPECT_EQ(with.fields[2].reference, "![Note]");
    EXPECT_EQ(with.fields[2].checkedReference, "fncStringNullCheck(![Note])") << "long text is checked as text";
    EXPECT_EQ(with.fields[0].checkedReference, "fncNumericNullCheck(![Order ID])");
    EXPECT_EQ(with.fields[3].checkedReference, "![Name]") << "\" String \" is no text type class";

    f.settings.WithFlag = kFalse;
    f.settings.FieldStyle = FieldStyle::FieldsValue;
    VbTable without = buildVbTable(source, f.ctx);
    EXPECT_EQ(without.fields[1].reference, R"(rstOrder_Lines.fields("fldCode").value)");
}

TEST(VbTableModel, OnlyTextColumnsThatRefuseEmptyStringsAreGuarded)
{
    ClassFixture f;
    DefinitionTable source = ordersTable();
    VbTable t = buildVbTable(source, f.ctx);
    EXPECT_TRUE(t.fields[1].writeGuarded) << "String, zero length not allowed";
    EXPECT_FALSE(t.fields[2].writeGuarded) << "Memo";
    EXPECT_TRUE(t.fields[3].writeGuarded) << "the guard trims the type";
    EXPECT_FALSE(t.fields[4].writeGuarded) << "zero length allowed";
    EXPECT_EQ(t.fields[3].initialValue, "") << "but the type class does not";
    EXPECT_EQ(t.fields[4].initialValue, R"( = "")");
}

TEST(VbTableModel, ClassWarningsNameTheTableAsTheSourceDatabaseHasIt)
{
    ClassFixture f;
    DefinitionTable source =
        TableBuilder(1, "Staff", true).field("Photo", "未定義", FieldSpec().asKey()).field("A", "未定義").field("mvarA", "未定義").build();
    describeClassTable(source, f.ctx);
    ASSERT_EQ(f.warnings.messages().size(), 2u);
    EXPECT_NE(f.warnings.messages()[0].find("tblStaff"), std::string::npos) << f.warnings.messages()[0];
    // The property mvarA of the third field meets the member variable of the second.
    EXPECT_NE(f.warnings.messages()[1].find("mvarA"), std::string::npos) << f.warnings.messages()[1];
    EXPECT_EQ(f.warnings.messages()[1].find('\x1F'), std::string::npos);
}
