// Read, write and delete methods of an item class without collection.
#include "class_fixture.h"

#include "gen/class/single_record_methods.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;

namespace {

// The lines from the first one equal to `from` on, `count` of them.
std::vector<std::string> slice(const std::vector<std::string>& lines, const std::string& from, std::size_t count)
{
    int at = indexOf(lines, from);
    if (at < 0 || at + count > lines.size())
        return {"(missing: " + from + ")"};
    return {lines.begin() + at, lines.begin() + at + static_cast<long>(count)};
}

DefinitionTable shainWithKeys()
{
    return TableBuilder(1, "Shain")
        .field("ID", "Long", FieldSpec().asKey())
        .field("Code", "String", FieldSpec().asKey())
        .field("D", "Date", FieldSpec().asKey())
        .field("Name", "String")
        .build();
}

}  // namespace

TEST(SingleRecordKeyBlock, WorkedExampleWithOneLongKey)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteReadFunction, shainTable());
    EXPECT_EQ(slice(lines, "    strSQL = \"SELECT * FROM [Shain] \"", 4),
              (std::vector<std::string>{"    strSQL = \"SELECT * FROM [Shain] \"",
                                        "    strSQL = strSQL & \"WHERE \"",
                                        "    strSQL = strSQL & \"ID=\" & cstr(mvarID) & \" \"",
                                        ""}));
}

TEST(SingleRecordKeyBlock, LaterKeysTakeAndAndTheirTypesValuePart)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteWriteSub, shainWithKeys());
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"AND Code='\" & mvarCode & \"' \""));
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"AND D=#\" & format(mvarD,\"yyyy/mm/dd\") & \"# \""));
}

TEST(SingleRecordKeyBlock, TablePrefixGoesOnlyIntoTheSqlText)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain", true).field("ID", "Long", FieldSpec().asKey()).build();
    std::vector<std::string> lines = f.write(WriteReadFunction, table);
    EXPECT_EQ(lines[0], "public function ReadData(dboShain as database) as boolean");
    EXPECT_TRUE(contains(lines, "    strSQL = \"SELECT * FROM [tblShain] \""));
    EXPECT_TRUE(contains(lines, "    set rstShain = dboShain.openrecordset(strSQL)"));
}

TEST(SingleRecordKeyBlock, NoKeyFieldsGivesNoWhere)
{
    ClassFixture f;
    std::vector<std::string> lines =
        f.write(WriteDeleteSub, TableBuilder(1, "Shain").field("Name", "String").build());
    EXPECT_EQ(slice(lines, "    strSQL = \"DELETE * FROM [Shain] \"", 4),
              (std::vector<std::string>{"    strSQL = \"DELETE * FROM [Shain] \"", "",
                                        "    dboShain.Execute(strSQL)", "end sub"}));
}

TEST(SingleRecordKeyBlock, DatabaseNamesThatAreNoIdentifiersStayAsTheDatabaseHasThem)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Order \"Lines\"")
                                .field("Order ID", "Long", FieldSpec().asKey())
                                .field("Qty", "Integer", FieldSpec().prefixed())
                                .build();
    std::vector<std::string> lines = f.write(WriteReadFunction, table);
    EXPECT_EQ(lines[0], "public function ReadData(dboOrder__Lines_ as database) as boolean");
    EXPECT_TRUE(contains(lines, "    strSQL = \"SELECT * FROM [Order \"\"Lines\"\"] \""));
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"[Order ID]=\" & cstr(mvarOrder_ID) & \" \""));
    EXPECT_TRUE(contains(lines, "            mvarQty = fncNumericNullCheck(![fldQty])"));
}

TEST(SingleRecordKeyBlock, KeyOfATypeWithoutValuePartKeepsTheTextAndWarns)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain").field("Photo", "未定義", FieldSpec().asKey()).build();
    std::vector<std::string> lines = f.write(WriteReadFunction, table);
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"Photo="));
    ASSERT_EQ(f.warnings.messages().size(), 1u);
    EXPECT_NE(f.warnings.messages()[0].find("Photo"), std::string::npos);
    EXPECT_NE(f.warnings.messages()[0].find("Shain"), std::string::npos);
}

TEST(SingleRecordRead, WholeFunctionWithDefaults)
{
    ClassFixture f;
    f.settings.CommentPos = 40;
    std::vector<std::string> expected = {
        "public function ReadData(dboShain as database) as boolean",
        "' 使い方",
        "' 主キーエリアにデータを入れて本メソッドをコールする。",
        "' パラメータ説明",
        "' dboShain : データベースオブジェクト(Input)",
        "' 戻り値",
        "' True  : 読み込み成功",
        "' False : 読み込みデータ無し（失敗）",
        "",
        "    dim strSQL as string                ' SQLを一時的に格納",
        "    dim rstShain as recordset           ' レコードセットを一時的に格納",
        "",
        "    ' レコードが無い場合に備えて、変数のクリアを行います",
        "    mvarName = \"\"",
        "",
        "    ' 主キーによるレコードアクセス用SQLを作成します",
        "    strSQL = \"SELECT * FROM [Shain] \"",
        "    strSQL = strSQL & \"WHERE \"",
        "    strSQL = strSQL & \"ID=\" & cstr(mvarID) & \" \"",
        "",
        "    set rstShain = dboShain.openrecordset(strSQL)",
        "",
        "    with rstShain",
        "        ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します",
        "        ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます",
        "        if .eof = true then",
        "            ReadData = false            ' 該当レコードが無い",
        "        else",
        "            ReadData = true             ' 該当レコードが有る",
        "",
        "            mvarName = fncStringNullCheck(![Name])",
        "        end if",
        "        .close",
        "    end with",
        "end function",
    };
    EXPECT_EQ(f.write(WriteReadFunction, shainTable()), expected);
}

TEST(SingleRecordRead, WithoutWithStatementTheRecordsetIsNamed)
{
    ClassFixture f;
    f.settings.WithFlag = kFalse;
    std::vector<std::string> lines = f.write(WriteReadFunction, shainTable());
    EXPECT_TRUE(contains(lines, "    if rstShain.eof = true then"));
    EXPECT_TRUE(contains(lines, "        mvarName = fncStringNullCheck(rstShain![Name])"));
    EXPECT_TRUE(contains(lines, "    rstShain.close"));
    EXPECT_FALSE(contains(lines, "    with rstShain"));
    EXPECT_FALSE(contains(lines, "    end with"));
}

TEST(SingleRecordRead, ClearingAndCopyLinesFollowTheTypeClass)
{
    ClassFixture f;
    f.settings.CommentPos = 20;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("ID", "Long", FieldSpec().asKey())
                                .field("D", "Date")
                                .field("Ok", "Boolean")
                                .field("Amount", "Currency")
                                .field("Note", "Memo")
                                .field("Photo", "未定義", FieldSpec().described("写真"))
                                .field("Blob", "Binary")
                                .build();
    std::vector<std::string> lines = f.write(WriteReadFunction, table);
    EXPECT_EQ(slice(lines, "    ' レコードが無い場合に備えて、変数のクリアを行います", 7),
              (std::vector<std::string>{"    ' レコードが無い場合に備えて、変数のクリアを行います",
                                        "    mvarD = now()",
                                        "    mvarOk = false",
                                        "    mvarAmount = 0",
                                        "    ",
                                        "                    ' 写真",
                                        "    "}));
    EXPECT_TRUE(contains(lines, "            mvarD = ![D]"));
    EXPECT_TRUE(contains(lines, "            mvarOk = ![Ok]"));
    EXPECT_TRUE(contains(lines, "            mvarAmount = fncNumericNullCheck(![Amount])"));
    EXPECT_TRUE(contains(lines, "            mvarNote = fncStringNullCheck(![Note])"));
    EXPECT_TRUE(contains(lines, "            mvarPhoto = ![Photo] ' 写真"));
    EXPECT_FALSE(contains(lines, "            mvarID = fncNumericNullCheck(![ID])"));
}

TEST(SingleRecordRead, InlineNullChecksWithFieldsCollection)
{
    ClassFixture f;
    f.settings.CheckStyle = CheckStyle::InlineIf;
    f.settings.FieldStyle = FieldStyle::FieldsValue;
    DefinitionTable table =
        TableBuilder(1, "Shain").field("ID", "Long", FieldSpec().asKey()).field("Name", "String", FieldSpec().prefixed()).build();
    std::vector<std::string> lines = f.write(WriteReadFunction, table);
    EXPECT_EQ(slice(lines, "            if isnull(.fields(\"fldName\").value) = false then", 4),
              (std::vector<std::string>{"            if isnull(.fields(\"fldName\").value) = false then",
                                        "                mvarName = _",
                                        "                    .fields(\"fldName\").value",
                                        "            end if"}));
}

TEST(SingleRecordWrite, ZeroLengthGuardDependsOnAllowZeroLength)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("ID", "Long", FieldSpec().asKey())
                                .field("Kana", "String", FieldSpec().zeroLength(true))
                                .field("Name", "String", FieldSpec().zeroLength(false))
                                .field("Memo", " String ", FieldSpec().zeroLength(std::nullopt))
                                .build();
    std::vector<std::string> lines = f.write(WriteWriteSub, table);
    EXPECT_EQ(slice(lines, "        ![ID] = mvarID", 8),
              (std::vector<std::string>{"        ![ID] = mvarID",
                                        "        ![Kana] = mvarKana",
                                        "        if mvarName <> \"\" then ",
                                        "            ![Name] = mvarName",
                                        "        end if",
                                        "        if mvarMemo <> \"\" then ",
                                        "            ![Memo] = mvarMemo",
                                        "        end if"}));
}

TEST(SingleRecordWrite, GuardWithFieldsCollectionSplitsTheAssignment)
{
    ClassFixture f;
    f.settings.FieldStyle = FieldStyle::FieldsValue;
    f.settings.WithFlag = kFalse;
    DefinitionTable table = TableBuilder(1, "Shain").field("Name", "String", FieldSpec().described("氏名")).build();
    std::vector<std::string> lines = f.write(WriteWriteSub, table);
    EXPECT_EQ(slice(lines, "    if mvarName <> \"\" then ", 6),
              (std::vector<std::string>{"    if mvarName <> \"\" then ",
                                        "        rstShain.fields(\"Name\").value = _",
                                        "            mvarName ' 氏名",
                                        "    end if",
                                        "    rstShain.update",
                                        "    rstShain.close"}));
    EXPECT_TRUE(contains(lines, "        rstShain.addnew ' 新規追加"));
    EXPECT_EQ(lines.back(), "end sub");
}

TEST(SingleRecordWrite, OpensWithAnEmptyLineAndHasNoCallInstruction)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteWriteSub, shainTable());
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "public sub WriteData(dboShain as database)");
    EXPECT_EQ(lines[2], "' 使い方");
    EXPECT_EQ(lines[3], "' パラメータ説明");
}

TEST(SingleRecordDelete, NoWithStatementWhateverWithFlagSays)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteDeleteSub, shainTable());
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("with"), std::string::npos) << line;
    EXPECT_TRUE(contains(lines, "    dim rstShain as recordset ' レコードセットを一時的に格納"));
}

TEST(SingleRecordHeads, TableCommentIsPlacedAtTheCommentColumn)
{
    ClassFixture f;
    f.settings.CommentPos = 60;
    DefinitionTable table = TableBuilder(1, "Shain", false, "社員").field("ID", "Long").build();
    std::string head = "public sub DeleteData(dboShain as database)";
    std::vector<std::string> lines = f.write(WriteDeleteSub, table);
    EXPECT_EQ(lines[1], head + std::string(60 - head.size(), ' ') + "' 社員");
}

TEST(SingleRecordWrite, LongRecordsetNamesSurviveEveryLine)
{
    ClassFixture f;
    f.settings.WithFlag = kFalse;
    DefinitionTable table =
        TableBuilder(1, "TableIgnoreNulls1_temp").field("ID", "Long", FieldSpec().asKey()).field("Name", "String").build();
    std::vector<std::string> lines = f.write(WriteWriteSub, table);
    EXPECT_TRUE(contains(lines, "    if rstTableIgnoreNulls1_temp.eof = true then"));
    EXPECT_TRUE(contains(lines, "        rstTableIgnoreNulls1_temp.addnew ' 新規追加"));
    EXPECT_TRUE(contains(lines, "    rstTableIgnoreNulls1_temp.update"));
    EXPECT_TRUE(contains(lines, "    rstTableIgnoreNulls1_temp.close"));
}
