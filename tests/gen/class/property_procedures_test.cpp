// Member variables and property procedures of the item class.
#include "class_fixture.h"

#include "gen/class/property_procedures.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;

TEST(PropertyProcedures, MemberLinesCarryTheFixedLengthAndTheLocalCopyComment)
{
    ClassFixture f;
    DefinitionTable table =
        TableBuilder(1, "Shain").field("Name", "String", FieldSpec().fixedLength(20)).field("No", "Long").build();
    std::vector<std::string> lines = f.write(WritePropertyProcedures, table);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "' ﾌﾟﾛﾊﾟﾃｨ値を保持するためのﾛｰｶﾙ変数。");
    EXPECT_EQ(lines[1], "private mvarName as String * 20' ﾛｰｶﾙ ｺﾋﾟｰ");
    EXPECT_EQ(lines[2], "private mvarNo as Long' ﾛｰｶﾙ ｺﾋﾟｰ");
    // No empty line between the members and the first procedure.
    EXPECT_EQ(lines[3], "Public Property Let strName(ByVal vData As String)");
    EXPECT_TRUE(contains(lines, "Public Property Get strName() As String"));
    EXPECT_TRUE(contains(lines, "Public Property Let lngNo(ByVal vData As Long)"));
}

TEST(PropertyProcedures, OneFieldWithoutCommentGivesTheWholeSection)
{
    ClassFixture f;
    std::vector<std::string> expected = {
        "' ﾌﾟﾛﾊﾟﾃｨ値を保持するためのﾛｰｶﾙ変数。",
        "private mvarName as String * 20' ﾛｰｶﾙ ｺﾋﾟｰ",
        "Public Property Let strName(ByVal vData As String)",
        "' ﾌﾟﾛﾊﾟﾃｨに値を代入するときに、代入式の左辺で使用します。",
        "' Syntax: X.strName = 5",
        "    mvarName= vData",
        "End Property",
        "",
        "Public Property Get strName() As String",
        "' ﾌﾟﾛﾊﾟﾃｨの値を取得するときに、代入式の右辺で使用します。",
        "' Syntax: Debug.Print X.strName",
        "    strName = mvarName",
        "End Property",
        "",
    };
    EXPECT_EQ(f.write(WritePropertyProcedures, TableBuilder(1, "Shain").field("Name", "String", FieldSpec().fixedLength(20)).build()),
              expected);
}

TEST(PropertyProcedures, TabSizeZeroStartsTheAssignmentsInColumnOne)
{
    ClassFixture f;
    f.settings.TabSize = 0;
    std::vector<std::string> lines =
        f.write(WritePropertyProcedures, TableBuilder(1, "Shain").field("Name", "String").build());
    EXPECT_TRUE(contains(lines, "mvarName= vData"));
    EXPECT_TRUE(contains(lines, "strName = mvarName"));
}

TEST(PropertyProcedures, CommentGivesADescriptionAttributeWithQuotesDoubled)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("Name", "String", FieldSpec().described("氏名 \"姓\"\n名"))
                                .field("Memo", "String", FieldSpec().described("  "))
                                .build();
    std::vector<std::string> lines = f.write(WritePropertyProcedures, table);
    int let = indexOf(lines, "Public Property Let strName(ByVal vData As String)");
    ASSERT_GE(let, 0);
    EXPECT_EQ(lines[let + 1], "Attribute strName.VB_Description = \"氏名 \"\"姓\"\" 名\"");
    int blank = indexOf(lines, "Public Property Let strMemo(ByVal vData As String)");
    ASSERT_GE(blank, 0);
    EXPECT_EQ(lines[blank + 1], "' ﾌﾟﾛﾊﾟﾃｨに値を代入するときに、代入式の左辺で使用します。");
}

TEST(PropertyProcedures, FieldsWithoutTypeOrNameWriteNothing)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain").field("Name", "").field("", "Long").build();
    EXPECT_EQ(f.write(WritePropertyProcedures, table),
              std::vector<std::string>{"' ﾌﾟﾛﾊﾟﾃｨ値を保持するためのﾛｰｶﾙ変数。"});
}

TEST(PropertyProcedures, TypeWithoutPrefixRowUsesTheFieldNameAndBadCharactersBecomeUnderscores)
{
    ClassFixture f;
    DefinitionTable table =
        TableBuilder(1, "Shain").field("Photo", "未定義").field("Order ID", "Long").build();
    std::vector<std::string> lines = f.write(WritePropertyProcedures, table);
    EXPECT_EQ(lines[1], "private mvarPhoto as 未定義' ﾛｰｶﾙ ｺﾋﾟｰ");
    EXPECT_EQ(lines[2], "private mvarOrder_ID as Long' ﾛｰｶﾙ ｺﾋﾟｰ");
    EXPECT_TRUE(contains(lines, "Public Property Get Photo() As 未定義"));
    EXPECT_TRUE(contains(lines, "    lngOrder_ID = mvarOrder_ID"));
    ASSERT_EQ(f.warnings.messages().size(), 1u);
    EXPECT_NE(f.warnings.messages()[0].find("Order ID"), std::string::npos);
}

TEST(PropertyProcedures, CharactersOutsideShiftJisAreReportedOncePerField)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain").field("Name", "String", FieldSpec().described("😀 emoji")).build();
    f.write(WritePropertyProcedures, table);
    f.write(WritePropertyProcedures, table);
    ASSERT_EQ(f.warnings.messages().size(), 1u);
    EXPECT_NE(f.warnings.messages()[0].find("Name"), std::string::npos);
}

TEST(PropertyProcedures, PropertyNameThatCannotBeginAnIdentifierIsReportedOnce)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("1st", "未定義")
                                .field("2nd", "Long")
                                .field("写真", "未定義")
                                .build();
    std::vector<std::string> lines = f.write(WritePropertyProcedures, table);
    f.write(WritePropertyProcedures, table);
    // The text stays as the rules give it; only the report is added.
    EXPECT_TRUE(contains(lines, "Public Property Get 1st() As 未定義"));
    EXPECT_TRUE(contains(lines, "Public Property Get lng2nd() As Long"));
    ASSERT_EQ(f.warnings.messages().size(), 1u);
    EXPECT_NE(f.warnings.messages()[0].find("1st"), std::string::npos);
}

TEST(PropertyProcedures, NameMadeFromALeadingBlankIsReported)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain").field(" Space", "未定義").build();
    std::vector<std::string> lines = f.write(WritePropertyProcedures, table);
    EXPECT_TRUE(contains(lines, "Public Property Get _Space() As 未定義"));
    // One report for the changed characters, one for the name's beginning.
    EXPECT_EQ(f.warnings.messages().size(), 2u);
}
