// The generated standard module line by line: type declarations, routine
// heads, key conditions, read, write and delete routines, in the shapes the
// run settings select. Expected lines are spelled out in full because their
// bytes are the product.
#include "gen/module/standard_module.h"
#include "module_rows.h"
#include "module_structure.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace schemist;
using namespace schemist::test;

namespace {

std::vector<std::string> generate(ModuleWorld& world, const std::vector<DefinitionTable>& tables,
                                  const std::string& moduleName = "Sample")
{
    GenerationContext ctx = world.context();
    return MakeStandardModule(tables, "/out/Sample", moduleName, ctx).lines;
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line, std::size_t from = 0)
{
    auto it = std::find(lines.begin() + static_cast<long>(from), lines.end(), line);
    if (it == lines.end())
        ADD_FAILURE() << "line not found: [" << line << "]";
    return static_cast<std::size_t>(it - lines.begin());
}

// `count` lines starting at the first line equal to `first`.
std::vector<std::string> linesFrom(const std::vector<std::string>& lines, const std::string& first, std::size_t count,
                                   std::size_t from = 0)
{
    std::size_t at = indexOf(lines, first, from);
    if (at >= lines.size())
        return {};
    auto end = lines.begin() + static_cast<long>(std::min(lines.size(), at + count));
    return {lines.begin() + static_cast<long>(at), end};
}

bool contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::size_t countOf(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

// A table whose key fields are ID (Long, no prefix in the source) and Name.
DefinitionTable twoKeyStaff()
{
    return tableOf(1, "Staff", true, "社員マスタ",
                   {{"ID", "Long", false, true}, {"Name", "String", true, true, std::nullopt, true, 50}});
}

}  // namespace

// ---------------------------------------------------------------------------

TEST(TypeModule, DeclaresOneTypePerTableWithPrefixedMembers)
{
    ModuleWorld world;
    auto lines = generate(world, {staffTable(), tableOf(2, "Customer", false, std::nullopt, {{"Code", "String"}})});
    std::vector<std::string> expectedHead = {
        "Attribute VB_Name = \"mdlSample\"",
        "Option Explicit",
        "",
        "' フィールドへの読み書きデータをユーザ定義型へ代入できるように、",
        "' ユーザ定義型を宣言します",
        "public type defStaff ' 社員マスタ",
        "    lngID as Long",
        "    strName as String * 50 ' 氏名",
    };
    ASSERT_GE(lines.size(), expectedHead.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), expectedHead);
    // The fall-back type stands as written and has no prefix.
    EXPECT_TRUE(contains(lines, "    Photo as 未定義"));
    // The second block follows the first directly; no length without the flag.
    auto blocks = linesFrom(lines, "    Amount as 未定義", 5);
    EXPECT_EQ(blocks, (std::vector<std::string>{"    Amount as 未定義", "end type", "public type defCustomer",
                                                "    strCode as String", "end type"}));
    EXPECT_EQ(lines[blocks.size() + indexOf(lines, "    Amount as 未定義")], "");
}

TEST(TypeModule, SkipsRowsWithoutNameOrTypeAndKeepsLengthOnlyWithItsFlag)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "T", true, std::nullopt,
                                          {{"", "Long"}, {"A", ""}, {"B", "String", false, false, std::nullopt, false, 30}}),
                                  tableOf(2, "Empty", true, std::nullopt, {{"", "Long"}})});
    EXPECT_EQ(linesFrom(lines, "public type defT", 5),
              (std::vector<std::string>{"public type defT", "    strB as String", "end type", "public type defEmpty",
                                        "end type"}));
}

TEST(TypeModule, ModuleKindTwoWritesOnlyTheModuleHeader)
{
    ModuleWorld world;
    world.settings.ModuleKind = ModuleKind::ModuleOnly;
    auto lines = generate(world, {staffTable()});
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"Attribute VB_Name = \"mdlSample\"", "Option Explicit", "", "",
                                        "' DAOを使った読み込みルーチンのサンプルです"}));
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("type"), std::string::npos) << line;
}

TEST(TypeModule, CommentsStandAtTheCommentColumnCountedInBytes)
{
    ModuleWorld world;
    world.settings.CommentPos = 40;
    auto lines = generate(world, {tableOf(1, "Staff", true, "社員マスタ",
                                          {{"社員名", "String", true, false, "氏名"}, {"Age", "Integer"}})});
    // "    str社員名 as String" is 23 bytes: 17 blanks to column 40.
    EXPECT_TRUE(contains(lines, "    str社員名 as String" + std::string(17, ' ') + "' 氏名"));
    EXPECT_TRUE(contains(lines, "public type defStaff" + std::string(20, ' ') + "' 社員マスタ"));
    EXPECT_TRUE(contains(lines, "    intAge as Integer"));
}

// ---------------------------------------------------------------------------

TEST(RoutineHead, ReadFunctionHeadWithTheStructureParameter)
{
    ModuleWorld world;
    world.settings.CommentPos = 40;
    auto lines = generate(world, {staffTable()});
    std::vector<std::string> expected = {
        "public function tblStaff_Read(dboStaff as database,typStaff as defStaff) as boolean ' 社員マスタ",
        "' 使い方",
        "' 主キーエリアにデータを入れて本サブルーチンをコールする。",
        "' パラメータ説明",
        "' dboStaff : データベースオブジェクト(Input)",
        "' typStaff : 入出力用構造体(Input/Output)",
        "' 戻り値",
        "' True  : 読み込み成功",
        "' False : 読み込みデータ無し（失敗）",
        "",
        "    dim strSQL as string                ' SQLを一時的に格納",
        "    dim rstStaff as recordset           ' レコードセットを一時的に格納",
        "",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
}

TEST(RoutineHead, WriteAndDeleteHeadsHaveNoReturnValueAndNoFixedComments)
{
    ModuleWorld world;
    world.settings.CommentPos = 40;
    auto lines = generate(world, {staffTable()});
    std::vector<std::string> write = {
        "public sub tblStaff_Write(dboStaff as database,typStaff as defStaff)" + std::string(1, ' ') + "' 社員マスタ",
        "' 使い方",
        "' 主キーエリアにデータを入れて本サブルーチンをコールする。",
        "' パラメータ説明",
        "' dboStaff : データベースオブジェクト(Input)",
        "' typStaff : 入力用構造体(Input)",
        "",
        "    dim strSQL as string",
        "    dim rstStaff as recordset",
        "",
    };
    EXPECT_EQ(linesFrom(lines, write[0], write.size()), write);
    std::string deleteHead = "public sub tblStaff_Delete(dboStaff as database,typStaff as defStaff) ' 社員マスタ";
    EXPECT_EQ(linesFrom(lines, deleteHead, 6).back(), "' typStaff : 入力用構造体(Input)");
}

TEST(RoutineHead, ModuleKindTwoNamesOnlyTheDatabase)
{
    ModuleWorld world;
    world.settings.ModuleKind = ModuleKind::ModuleOnly;
    auto lines = generate(world, {staffTable()});
    EXPECT_EQ(linesFrom(lines, "public function tblStaff_Read(dboStaff as database) as boolean ' 社員マスタ", 8),
              (std::vector<std::string>{
                  "public function tblStaff_Read(dboStaff as database) as boolean ' 社員マスタ", "' 使い方",
                  "' パラメータ説明", "' dboStaff : データベースオブジェクト(Input)", "' 戻り値",
                  "' True  : 読み込み成功", "' False : 読み込みデータ無し（失敗）", ""}));
    EXPECT_TRUE(contains(lines, "public sub tblStaff_Write(dboStaff as database) ' 社員マスタ"));
    EXPECT_TRUE(contains(lines, "public sub tblStaff_Delete(dboStaff as database) ' 社員マスタ"));
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("typStaff"), std::string::npos) << line;
}

TEST(RoutineHead, UncutTableNameAndEmptyCommentLeaveNoTrailingBlanks)
{
    ModuleWorld world;
    world.settings.CommentPos = 40;
    auto lines = generate(world, {tableOf(1, "Staff", false, std::nullopt, {{"ID", "Long", false, true}})});
    EXPECT_TRUE(contains(lines, "public function Staff_Read(dboStaff as database,typStaff as defStaff) as boolean"));
    EXPECT_TRUE(contains(lines, "public sub Staff_Write(dboStaff as database,typStaff as defStaff)"));
    EXPECT_EQ(countOf(lines, "        strSQL = \"SELECT * FROM [Staff] \""), 2u);
    EXPECT_TRUE(contains(lines, "        strSQL = \"DELETE * FROM [Staff] \""));
}

// ---------------------------------------------------------------------------

TEST(KeyCondition, TwoKeysWithoutWithBlocksNameTheStructure)
{
    ModuleWorld world;
    world.settings.WithFlag = kFalse;
    auto lines = generate(world, {twoKeyStaff()});
    std::vector<std::string> expected = {
        "    ' 主キーによるレコードアクセス用SQLを作成します",
        "    strSQL = \"SELECT * FROM [tblStaff] \"",
        "    strSQL = strSQL & \"WHERE \"",
        "    strSQL = strSQL & \"ID=\" & cstr(typStaff.lngID) & \" \"",
        "    strSQL = strSQL & \"AND fldName='\" & typStaff.strName & \"' \"",
        "",
        "    set rstStaff = dboStaff.openrecordset(strSQL)",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
}

TEST(KeyCondition, WithBlocksEncloseTheKeyLinesOfEveryRoutine)
{
    ModuleWorld world;
    auto lines = generate(world, {twoKeyStaff()});
    std::vector<std::string> block = {
        "    with typStaff",
        "        strSQL = \"DELETE * FROM [tblStaff] \"",
        "        strSQL = strSQL & \"WHERE \"",
        "        strSQL = strSQL & \"ID=\" & cstr(.lngID) & \" \"",
        "        strSQL = strSQL & \"AND fldName='\" & .strName & \"' \"",
        "    end with",
        "",
        "    dboStaff.Execute(strSQL)",
        "end sub",
    };
    EXPECT_EQ(linesFrom(lines, block[0], block.size(), indexOf(lines, "' DAOを使ったレコード削除ルーチンのサンプルです")),
              block);
    EXPECT_EQ(countOf(lines, "        strSQL = strSQL & \"AND fldName='\" & .strName & \"' \""), 3u);
}

TEST(KeyCondition, ValuePartsByTypeClassAndComments)
{
    ModuleWorld world;
    world.settings.WithFlag = kFalse;
    auto lines = generate(world, {tableOf(1, "Log", true, std::nullopt,
                                          {{"When", "Date", true, true, "日時"},
                                           {"Done", "Boolean", true, true},
                                           {"Amount", "Currency", true, true}})});
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"fldWhen=#\" & format(typLog.datWhen,\"yyyy/mm/dd\") & \"# \" ' 日時"));
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"AND fldDone=\" & cstr(typLog.bolDone) & \" \""));
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"AND fldAmount=\" & cstr(typLog.curAmount) & \" \""));
}

TEST(KeyCondition, ModuleKindTwoLeavesTheStructureOutOfTheValueParts)
{
    ModuleWorld world;
    world.settings.ModuleKind = ModuleKind::ModuleOnly;
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true}, {"Name", "String", true, true},
                                           {"Birth", "Date", true, true}})});
    EXPECT_EQ(countOf(lines, "    strSQL = strSQL & \"fldID=\" & cstr() & \" \""), 3u);
    EXPECT_EQ(countOf(lines, "    strSQL = strSQL & \"AND fldName='\" &  & \"' \""), 3u);
    EXPECT_EQ(countOf(lines, "    strSQL = strSQL & \"AND fldBirth=#\" & format(,\"yyyy/mm/dd\") & \"# \""), 3u);
    EXPECT_FALSE(contains(lines, "    with typStaff"));
}

TEST(KeyCondition, LongTextAndOtherKeysKeepTheOpenLiteralAndWarn)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "Doc", true, std::nullopt,
                                          {{"Body", "Memo", true, true}, {"Id", "未定義", true, true}})});
    EXPECT_EQ(countOf(lines, "        strSQL = strSQL & \"fldBody="), 3u);
    EXPECT_EQ(countOf(lines, "        strSQL = strSQL & \"AND fldId="), 3u);
    ASSERT_EQ(world.warnings.messages().size(), 2u);
    EXPECT_NE(world.warnings.messages()[0].find("tblDoc"), std::string::npos);
    EXPECT_NE(world.warnings.messages()[0].find("fldBody"), std::string::npos);
    EXPECT_NE(world.warnings.messages()[1].find("fldId"), std::string::npos);
}

TEST(KeyCondition, TableWithoutKeyHasNoWhereLine)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "History", true, std::nullopt, {{"What", "String"}})});
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("WHERE"), std::string::npos) << line;
    EXPECT_EQ(linesFrom(lines, "        strSQL = \"DELETE * FROM [tblHistory] \"", 4),
              (std::vector<std::string>{"        strSQL = \"DELETE * FROM [tblHistory] \"", "    end with", "",
                                        "    dboHistory.Execute(strSQL)"}));
}

// ---------------------------------------------------------------------------

TEST(ReadFunction, DefaultCopyLineCallsTheNullCheckBehindThreeLevels)
{
    ModuleWorld world;
    auto lines = generate(world, {staffTable()});
    EXPECT_TRUE(contains(lines, "            typStaff.strName = fncStringNullCheck(![fldName]) ' 氏名"));
    EXPECT_TRUE(contains(lines, "            typStaff.curSalary = fncNumericNullCheck(![fldSalary])"));
    // Date, yes/no and other types are assigned without a function.
    EXPECT_TRUE(contains(lines, "            typStaff.datBirth = ![fldBirth] ' 生年月日"));
    EXPECT_TRUE(contains(lines, "            typStaff.bolActive = ![fldActive]"));
    EXPECT_TRUE(contains(lines, "            typStaff.Photo = ![fldPhoto]"));
    // The key field is not copied.
    EXPECT_FALSE(contains(lines, "            typStaff.lngID = fncNumericNullCheck(![fldID])"));
}

TEST(ReadFunction, WholeFunctionWithDefaults)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true},
                                           {"Name", "String", true, false, "氏名", true, 50},
                                           {"Note", "Memo", true},
                                           {"Photo", "未定義", true, false, "写真"}})});
    std::vector<std::string> expected = {
        "    ' レコードが無い場合に備えて、変数のクリアを行います",
        "    with typStaff",
        "        .strName = \"\" ' 氏名",
        "        ",
        "         ' 写真",
        "    end with",
        "",
        "    ' 主キーによるレコードアクセス用SQLを作成します",
        "    with typStaff",
        "        strSQL = \"SELECT * FROM [tblStaff] \"",
        "        strSQL = strSQL & \"WHERE \"",
        "        strSQL = strSQL & \"fldID=\" & cstr(.lngID) & \" \"",
        "    end with",
        "",
        "    set rstStaff = dboStaff.openrecordset(strSQL)",
        "",
        "    with rstStaff",
        "        ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します",
        "        ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます",
        "        if .eof = true then",
        "            tblStaff_Read = false ' 該当レコードが無い",
        "        else",
        "            tblStaff_Read = true ' 該当レコードが有る",
        "",
        "            ' レコードセットから構造体へデータをコピー",
        "            typStaff.strName = fncStringNullCheck(![fldName]) ' 氏名",
        "            typStaff.memNote = fncStringNullCheck(![fldNote])",
        "            typStaff.Photo = ![fldPhoto] ' 写真",
        "        end if",
        "        .close",
        "    end with",
        "end function",
        "",
        "' DAOを使った書き込みルーチンのサンプルです",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
}

TEST(ReadFunction, InlineChecksAndFieldsCollectionWithoutWithBlocks)
{
    ModuleWorld world;
    world.settings.WithFlag = kFalse;
    world.settings.CheckStyle = CheckStyle::InlineIf;
    world.settings.FieldStyle = FieldStyle::FieldsValue;
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true}, {"Name", "String", true, false, "氏名"},
                                           {"Birth", "Date", true}})});
    std::vector<std::string> expected = {
        "    ' レコードが無い場合に備えて、変数のクリアを行います",
        "    typStaff.strName = \"\" ' 氏名",
        "    typStaff.datBirth = now()",
        "",
        "    ' 主キーによるレコードアクセス用SQLを作成します",
        "    strSQL = \"SELECT * FROM [tblStaff] \"",
        "    strSQL = strSQL & \"WHERE \"",
        "    strSQL = strSQL & \"fldID=\" & cstr(typStaff.lngID) & \" \"",
        "",
        "    set rstStaff = dboStaff.openrecordset(strSQL)",
        "",
        "    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します",
        "    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます",
        "    if rstStaff.eof = true then",
        "        tblStaff_Read = false ' 該当レコードが無い",
        "    else",
        "        tblStaff_Read = true ' 該当レコードが有る",
        "",
        "        ' レコードセットから構造体へデータをコピー",
        "        if isnull(rstStaff.fields(\"fldName\").value) = false then",
        "            typStaff.strName = _",
        "                rstStaff.fields(\"fldName\").value ' 氏名",
        "        end if",
        "        if isnull(rstStaff.fields(\"fldBirth\").value) = false then",
        "            typStaff.datBirth = _",
        "                rstStaff.fields(\"fldBirth\").value",
        "        end if",
        "    end if",
        "    rstStaff.close",
        "end function",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
    // No null-check functions are written for inline checks.
    EXPECT_EQ(lines.back(), "end sub");
}

TEST(ReadFunction, InitialValuesByTypeClass)
{
    ModuleWorld world;
    world.settings.WithFlag = kFalse;
    auto lines = generate(world, {tableOf(1, "T", true, std::nullopt,
                                          {{"A", "Integer"}, {"B", "Byte"}, {"C", "Double"}, {"D", "Boolean"},
                                           {"E", "Date"}, {"F", "STRING"}, {"G", "Memo", false, false, "長文"}})});
    auto clearing = linesFrom(lines, "    typT.intA = 0", 7);
    EXPECT_EQ(clearing, (std::vector<std::string>{"    typT.intA = 0", "    typT.bytB = 0", "    typT.dblC = 0",
                                                  "    typT.bolD = false", "    typT.datE = now()",
                                                  "    typT.strF = \"\"", "    typT ' 長文"}));
}

// Inside the with block a long-text or other field without a comment
// leaves a clearing line of its indentation alone: C is empty there.
TEST(ReadFunction, ClearingLineWithoutValueInsideTheWithBlockIsItsIndentation)
{
    ModuleWorld world;
    world.settings.CommentPos = 40;
    auto lines = generate(world, {tableOf(1, "T", true, std::nullopt,
                                          {{"A", "未定義", true}, {"B", "Memo", true, false, "長文"}, {"C", "Long", true}})});
    EXPECT_EQ(linesFrom(lines, "    with typT", 5),
              (std::vector<std::string>{"    with typT", "        ", "                                        ' 長文",
                                        "        .lngC = 0", "    end with"}));
}

TEST(ReadFunction, AllKeyTableHasNeitherClearingNorCopyLines)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "Pair", true, std::nullopt,
                                          {{"A", "Long", true, true}, {"B", "Long", true, true}})});
    EXPECT_EQ(linesFrom(lines, "    ' レコードが無い場合に備えて、変数のクリアを行います", 4),
              (std::vector<std::string>{"    ' レコードが無い場合に備えて、変数のクリアを行います",
                                        "    with typPair", "    end with", ""}));
    EXPECT_EQ(linesFrom(lines, "            ' レコードセットから構造体へデータをコピー", 2).back(), "        end if");
}

TEST(ReadFunction, ModuleKindTwoShapes)
{
    ModuleWorld world;
    world.settings.ModuleKind = ModuleKind::ModuleOnly;
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true}, {"Name", "String", true}})});
    std::vector<std::string> expected = {
        "    dim rstStaff as recordset ' レコードセットを一時的に格納",
        "",
        "",
        "    ' 主キーによるレコードアクセス用SQLを作成します",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
    EXPECT_EQ(linesFrom(lines, "            tblStaff_Read = true ' 該当レコードが有る", 4),
              (std::vector<std::string>{"            tblStaff_Read = true ' 該当レコードが有る", "",
                                        "             = fncStringNullCheck(![fldName])", "        end if"}));

    world.settings.CheckStyle = CheckStyle::InlineIf;
    lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                     {{"ID", "Long", true, true}, {"Name", "String", true}})});
    EXPECT_EQ(linesFrom(lines, "            if isnull(![fldName]) = false then", 4),
              (std::vector<std::string>{"            if isnull(![fldName]) = false then", "                 = _",
                                        "                    ![fldName]", "            end if"}));
}

// ---------------------------------------------------------------------------

TEST(WriteSub, GuardedTextFieldAndPlainFieldsWithDefaults)
{
    ModuleWorld world;
    auto lines = generate(world, {staffTable()});
    std::vector<std::string> expected = {
        "        ' 構造体からレコードセットへデータをコピー",
        "        ![fldID] = typStaff.lngID",
        "        if typStaff.strName <> \"\" then ",
        "            ![fldName] = typStaff.strName ' 氏名",
        "        end if",
        "        ![fldKana] = typStaff.strKana ' フリガナ",
        "        ![fldBirth] = typStaff.datBirth ' 生年月日",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
    // The memo field converted to String allows no zero-length text either.
    EXPECT_TRUE(contains(lines, "        if typStaff.strNote <> \"\" then "));
    EXPECT_EQ(linesFrom(lines, "        ![fldAmount] = typStaff.Amount", 5),
              (std::vector<std::string>{"        ![fldAmount] = typStaff.Amount", "        .update", "        .close",
                                        "    end with", "end sub"}));
}

TEST(WriteSub, GuardDecisionTrimsTheTypeAndTreatsNullAsFalse)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "T", true, std::nullopt,
                                          {{"A", "String ", true, false, std::nullopt, false, 0, false},
                                           {"B", "string", true, false, std::nullopt, false, 0, std::nullopt},
                                           {"C", "String", true, false, std::nullopt, false, 0, true}})});
    // "String " has no type prefix and no type class, but is guarded.
    EXPECT_TRUE(contains(lines, "        if typT.A <> \"\" then "));
    EXPECT_TRUE(contains(lines, "        if typT.strB <> \"\" then "));
    EXPECT_TRUE(contains(lines, "        ![fldC] = typT.strC"));
    EXPECT_FALSE(contains(lines, "        if typT.strC <> \"\" then "));
}

TEST(WriteSub, FieldsCollectionGuardContinuesTheAssignment)
{
    ModuleWorld world;
    world.settings.FieldStyle = FieldStyle::FieldsValue;
    world.settings.WithFlag = kFalse;
    world.settings.CommentPos = 40;
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true}, {"Name", "String", true, false, "氏名"}})});
    std::vector<std::string> expected = {
        "    ' レコードが存在する場合には更新をして、ない場合には追加をします",
        "    if rstStaff.eof = true then",
        "        rstStaff.addnew                 ' 新規追加",
        "    else",
        "        rstStaff.edit                   ' 既存変更",
        "    end if",
        "",
        "    ' 構造体からレコードセットへデータをコピー",
        "    rstStaff.fields(\"fldID\").value = typStaff.lngID",
        "    if typStaff.strName <> \"\" then ",
        "        rstStaff.fields(\"fldName\").value = _",
        "            typStaff.strName            ' 氏名",
        "    end if",
        "    rstStaff.update",
        "    rstStaff.close",
        "end sub",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size()), expected);
}

TEST(WriteSub, ModuleKindTwoLeavesTheValuesEmpty)
{
    ModuleWorld world;
    world.settings.ModuleKind = ModuleKind::ModuleOnly;
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true}, {"Name", "String", true}})});
    std::vector<std::string> expected = {
        "        end if",
        "",
        "        ![fldID] = ",
        "        if  <> \"\" then ",
        "            ![fldName] = ",
        "        end if",
        "        .update",
    };
    EXPECT_EQ(linesFrom(lines, expected[0], expected.size(), indexOf(lines, "            .edit ' 既存変更")), expected);
    EXPECT_FALSE(contains(lines, "        ' 構造体からレコードセットへデータをコピー"));
}

TEST(WriteSub, GroupsStartWithAnEmptyLineAndEveryProcedureFollowsOne)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "A", true, std::nullopt, {{"X", "Long"}}),
                                  tableOf(2, "B", true, std::nullopt, {{"Y", "Long"}})});
    EXPECT_EQ(linesFrom(lines, "end function", 5, indexOf(lines, "public function tblB_Read(dboB as database,typB as defB) as boolean")),
              (std::vector<std::string>{"end function", "", "' DAOを使った書き込みルーチンのサンプルです", "",
                                        "public sub tblA_Write(dboA as database,typA as defA)"}));
    EXPECT_EQ(linesFrom(lines, "end sub", 3), (std::vector<std::string>{"end sub", "", "public sub tblB_Write(dboB as database,typB as defB)"}));
    // The second read function follows the first "end function" directly.
    EXPECT_EQ(linesFrom(lines, "end function", 2),
              (std::vector<std::string>{"end function", "public function tblB_Read(dboB as database,typB as defB) as boolean"}));
    EXPECT_EQ(linesFrom(lines, "' DAOを使ったレコード削除ルーチンのサンプルです", 3, indexOf(lines, "public sub tblB_Write(dboB as database,typB as defB)")),
              (std::vector<std::string>{"' DAOを使ったレコード削除ルーチンのサンプルです", "",
                                        "public sub tblA_Delete(dboA as database,typA as defA)"}));
    // The null-check functions close the module.
    EXPECT_EQ(lines[lines.size() - 17], "end sub");
    EXPECT_EQ(lines[lines.size() - 15], "private function fncNumericNullCheck(varInput as Variant) as Variant");
}

// ---------------------------------------------------------------------------

TEST(ModuleNames, NamesThatCannotBeIdentifiersAreRewrittenWhereTheyNameCode)
{
    ModuleWorld world;
    world.settings.WithFlag = kFalse;
    auto lines = generate(world, {tableOf(1, "Order Details", false, std::nullopt,
                                          {{"Order ID", "Long", false, true}, {"Unit-Price", "Currency"}})});
    EXPECT_TRUE(contains(lines, "public type defOrder_Details"));
    EXPECT_TRUE(contains(lines, "    lngOrder_ID as Long"));
    EXPECT_TRUE(contains(lines, "public function Order_Details_Read(dboOrder_Details as database,typOrder_Details as defOrder_Details) as boolean"));
    EXPECT_TRUE(contains(lines, "    strSQL = \"SELECT * FROM [Order Details] \""));
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"[Order ID]=\" & cstr(typOrder_Details.lngOrder_ID) & \" \""));
    EXPECT_TRUE(contains(lines, "        typOrder_Details.curUnit_Price = fncNumericNullCheck(rstOrder_Details![Unit-Price])"));
    EXPECT_TRUE(contains(lines, "    rstOrder_Details![Order ID] = typOrder_Details.lngOrder_ID"));
    // One warning per renamed table and field, however often the name is used.
    EXPECT_EQ(world.warnings.messages().size(), 3u);

    world.settings.FieldStyle = FieldStyle::FieldsValue;
    lines = generate(world, {tableOf(1, "Say \"Hi\"", false, std::nullopt, {{"A\"B", "String", false, true}})});
    EXPECT_TRUE(contains(lines, "    strSQL = \"SELECT * FROM [Say \"\"Hi\"\"] \""));
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"[A\"\"B]='\" & typSay__Hi_.strA_B & \"' \""));
    EXPECT_TRUE(contains(lines, "        rstSay__Hi_.fields(\"A\"\"B\").value = _"));
}

TEST(ModuleNames, CommentsAreOneLineAndUnencodableTextIsReported)
{
    ModuleWorld world;
    auto lines = generate(world, {tableOf(1, "Staff", true, "社員\r\nマスタ",
                                          {{"Name", "String", true, false, "氏名\t(姓名)"},
                                           {"Memo", "Long", true, false, "😀"}})});
    EXPECT_TRUE(contains(lines, "public type defStaff ' 社員  マスタ"));
    EXPECT_TRUE(contains(lines, "    strName as String ' 氏名 (姓名)"));
    ASSERT_EQ(world.warnings.messages().size(), 1u);
    EXPECT_NE(world.warnings.messages()[0].find("tblStaff"), std::string::npos);
    EXPECT_NE(world.warnings.messages()[0].find("fldMemo"), std::string::npos);
}

TEST(ModuleNames, ModuleNameBecomesAnIdentifier)
{
    ModuleWorld world;
    auto lines = generate(world, {staffTable()}, "my out-1");
    EXPECT_EQ(lines[0], "Attribute VB_Name = \"mdlmy_out_1\"");
    EXPECT_EQ(world.warnings.messages().size(), 1u);
}

TEST(ModuleNames, EditedNameTablesChangeEveryIdentifier)
{
    ModuleWorld world;
    world.ids.SqlVariable = "sSql";
    world.ids.ReadSuffix = "Get";
    world.ids.StringNullCheck = "NzStr";
    world.ids.TablePrefix = "t_";
    auto lines = generate(world, {tableOf(1, "Staff", true, std::nullopt,
                                          {{"ID", "Long", true, true}, {"Name", "String", true}})});
    EXPECT_TRUE(contains(lines, "public function t_StaffGet(dboStaff as database,typStaff as defStaff) as boolean"));
    EXPECT_TRUE(contains(lines, "        sSql = \"SELECT * FROM [t_Staff] \""));
    EXPECT_TRUE(contains(lines, "            typStaff.strName = NzStr(![fldName])"));
    EXPECT_TRUE(contains(lines, "private function NzStr(varInput as Variant) as Variant"));
}

TEST(ModuleNames, MissingDefinitionsAreRefusedWithAMessage)
{
    ModuleWorld world;
    EXPECT_THROW(generate(world, {}), Error);
    DefinitionTable empty;
    empty.TableNo = 3;
    try {
        generate(world, {staffTable(), empty});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("3"), std::string::npos);
    }
}
