// Read, write and delete methods of the collection class.
#include "class_fixture.h"

#include "gen/class/multi_record_methods.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;

namespace {

std::vector<std::string> slice(const std::vector<std::string>& lines, const std::string& from, std::size_t count)
{
    int at = indexOf(lines, from);
    if (at < 0 || at + count > lines.size())
        return {"(missing: " + from + ")"};
    return {lines.begin() + at, lines.begin() + at + static_cast<long>(count)};
}

const std::string k25(25, ' ');
const std::string k21(21, ' ');
const std::string k22(22, ' ');

}  // namespace

TEST(CollectionHeads, ReadFunctionTakesOneOptionalArgumentPerKey)
{
    ClassFixture f;
    f.settings.CollectionFlag = kTrue;
    std::vector<std::string> lines = f.write(WriteCollectionReadFunction, shainTable());
    EXPECT_EQ(lines[0], "public function ReadData(dboShain as database, _");
    EXPECT_EQ(lines[1], k25 + "optional byval lngID) as boolean");
    EXPECT_EQ(lines[2], "' 使い方");
}

TEST(CollectionHeads, NoKeyGivesAOneLineHeadAndNoOptionalKeyBlock)
{
    ClassFixture f;
    std::vector<std::string> lines =
        f.write(WriteCollectionReadFunction, TableBuilder(1, "Shain").field("Name", "String").build());
    EXPECT_EQ(lines[0], "public function ReadData(dboShain as database) as boolean");
    EXPECT_EQ(slice(lines, "    bolFlag = false", 3),
              (std::vector<std::string>{"    bolFlag = false", "    strSQL = \"SELECT * FROM [Shain] \"", ""}));
}

TEST(CollectionHeads, WriteSubTakesAllKeysBeforeTheOtherFields)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("Name", "String")
                                .field("ID", "Long", FieldSpec().asKey())
                                .field("Birth", "Date")
                                .field("Code", "String", FieldSpec().asKey())
                                .build();
    std::vector<std::string> lines = f.write(WriteCollectionWriteSub, table);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"public sub WriteData(dboShain as database, _",
                                        k21 + "byval lngID, _",
                                        k21 + "byval strCode, _",
                                        k21 + "optional byval strName, _",
                                        k21 + "optional byval datBirth)"}));
}

TEST(CollectionHeads, TableCommentIsCountedFromTheClosingText)
{
    ClassFixture f;
    f.settings.CommentPos = 20;
    DefinitionTable table = TableBuilder(1, "Shain", false, "社員").field("ID", "Long", FieldSpec().asKey()).build();
    std::vector<std::string> lines = f.write(WriteCollectionDeleteSub, table);
    EXPECT_EQ(lines[0], "public sub DeleteData(dboShain as database, _");
    EXPECT_EQ(lines[1], k22 + "optional byval lngID)" + std::string(19, ' ') + "' 社員");
}

TEST(CollectionRead, OptionalKeyBlockAddsWhereOrAnd)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("ID", "Long", FieldSpec().asKey().described("番号"))
                                .field("Name", "String")
                                .build();
    std::vector<std::string> lines = f.write(WriteCollectionReadFunction, table);
    EXPECT_EQ(slice(lines, "    bolFlag = false", 11),
              (std::vector<std::string>{"    bolFlag = false",
                                        "    strSQL = \"SELECT * FROM [Shain] \"",
                                        "    if ismissing(lngID) = false then",
                                        "        if bolFlag= false then",
                                        "            bolFlag = true",
                                        "            strSQL = strSQL & \"WHERE \"",
                                        "        else",
                                        "            strSQL = strSQL & \"AND \"",
                                        "        end if",
                                        "        strSQL = strSQL & \"ID=\" & cstr(lngID) & \" \" ' 番号",
                                        "    Endif"}));
}

TEST(CollectionRead, RecordsBecomeItemsThroughAdd)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteCollectionReadFunction, shainTable());
    EXPECT_EQ(slice(lines, "            intLoop = 0", 13),
              (std::vector<std::string>{"            intLoop = 0",
                                        "    ' コレクションにデータを追加します",
                                        "            do while rstShain.eof = false",
                                        "                call ADD(cstr(intLoop) _",
                                        "                       , fncNumericNullCheck(![ID]) _",
                                        "                       , fncStringNullCheck(![Name]) _",
                                        "                )",
                                        "                .movenext",
                                        "                intLoop = intLoop+1",
                                        "            loop",
                                        "        end if",
                                        "        .close",
                                        "    end with"}));
    EXPECT_EQ(lines.back(), "end function");
}

TEST(CollectionRead, InlineChecksAndNoWithStatement)
{
    ClassFixture f;
    f.settings.CheckStyle = CheckStyle::InlineIf;
    f.settings.FieldStyle = FieldStyle::FieldsValue;
    f.settings.WithFlag = kFalse;
    std::vector<std::string> lines = f.write(WriteCollectionReadFunction, shainTable());
    EXPECT_TRUE(contains(lines, "        do while rstShain.eof = false"));
    EXPECT_TRUE(contains(lines, "            call ADD(cstr(intLoop) _"));
    EXPECT_TRUE(contains(lines, "                   , rstShain.fields(\"Name\").value _"));
    EXPECT_TRUE(contains(lines, "            rstShain.movenext"));
    EXPECT_TRUE(contains(lines, "    rstShain.close"));
    EXPECT_FALSE(contains(lines, "    with rstShain"));
}

TEST(CollectionRead, FieldsCollectionReferenceWithinWith)
{
    ClassFixture f;
    f.settings.CheckStyle = CheckStyle::InlineIf;
    f.settings.FieldStyle = FieldStyle::FieldsValue;
    std::vector<std::string> lines = f.write(WriteCollectionReadFunction, shainTable());
    EXPECT_TRUE(contains(lines, "                       , .fields(\"Name\").value _"));
}

TEST(CollectionWrite, OtherFieldsAreWrittenOnlyWhenGiven)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain")
                                .field("ID", "Long", FieldSpec().asKey())
                                .field("Name", "String", FieldSpec().described("氏名"))
                                .field("Kana", "String", FieldSpec().zeroLength(true))
                                .build();
    std::vector<std::string> lines = f.write(WriteCollectionWriteSub, table);
    EXPECT_TRUE(contains(lines, "    strSQL = strSQL & \"ID=\" & cstr(lngID) & \" \""));
    EXPECT_EQ(slice(lines, "        ![ID] = lngID", 13),
              (std::vector<std::string>{"        ![ID] = lngID",
                                        "        if ismissing(strName) = false then",
                                        "            if strName <> \"\" then ",
                                        "                ![Name] = strName ' 氏名",
                                        "            end if",
                                        "        end if",
                                        "        if ismissing(strKana) = false then",
                                        "            ![Kana] = strKana",
                                        "        end if",
                                        "        .update",
                                        "        .close",
                                        "    end with",
                                        "end sub"}));
    EXPECT_TRUE(contains(lines, "    dim bolFlag as boolean ' フラグ項目"));
}

TEST(CollectionWrite, GuardedKeyWithFieldsCollection)
{
    ClassFixture f;
    f.settings.FieldStyle = FieldStyle::FieldsValue;
    DefinitionTable table = TableBuilder(1, "Shain").field("Code", "String", FieldSpec().asKey()).build();
    std::vector<std::string> lines = f.write(WriteCollectionWriteSub, table);
    EXPECT_EQ(slice(lines, "        if strCode <> \"\" then ", 4),
              (std::vector<std::string>{"        if strCode <> \"\" then ",
                                        "            .fields(\"Code\").value = _",
                                        "                strCode",
                                        "        end if"}));
}

TEST(CollectionDelete, DeletesByTheKeysGiven)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteCollectionDeleteSub, shainTable());
    EXPECT_EQ(slice(lines, "    bolFlag = false", 3),
              (std::vector<std::string>{"    bolFlag = false", "    strSQL = \"DELETE * FROM [Shain] \"",
                                        "    if ismissing(lngID) = false then"}));
    EXPECT_EQ(lines[lines.size() - 2], "    dboShain.Execute(strSQL)");
    EXPECT_EQ(lines.back(), "end sub");
}

TEST(CollectionDelete, KeyOfATypeWithoutValuePartWarns)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain").field("Note", "Memo", FieldSpec().asKey()).build();
    std::vector<std::string> lines = f.write(WriteCollectionDeleteSub, table);
    EXPECT_TRUE(contains(lines, "        strSQL = strSQL & \"Note="));
    EXPECT_EQ(f.warnings.messages().size(), 1u);
}
