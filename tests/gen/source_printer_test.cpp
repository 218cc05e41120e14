// Comment placement and indentation of generated source: the byte columns
// are part of the output, so the examples below are exact.
#include "gen/common/source_printer.h"
#include "gen/common/vb_text.h"

#include "platform/text.h"

#include <gtest/gtest.h>

using namespace schemist;

TEST(AddLineComment, PadsShortLinesToTheCommentColumnInBytes)
{
    std::string code17(17, 'x');
    EXPECT_EQ(AddLineComment(code17, "' c", 40), code17 + std::string(23, ' ') + "' c");
    // 20 characters, 23 bytes: three kanji count two each.
    std::string mixed = "    abc社員名 ab Single";
    EXPECT_EQ(AddLineComment(mixed, "' c", 40), mixed + std::string(17, ' ') + "' c");
}

TEST(AddLineComment, LongLinesAndColumnZeroGetOneBlank)
{
    std::string code40(40, 'x');
    EXPECT_EQ(AddLineComment(code40, "' c", 40), code40 + " ' c");
    EXPECT_EQ(AddLineComment(code40 + "y", "' c", 40), code40 + "y ' c");
    EXPECT_EQ(AddLineComment("abc", "' c", 0), "abc ' c");
}

TEST(SourcePrinter, IndentsByTabSizeAndLeavesEmptyCommentsOff)
{
    RunSettings settings = RunSettings::startValues();
    SourcePrinter p(settings);
    p.printWithComment(1, "$m$ as Long", {{"m", "lngId"}}, "");
    p.printWithComment(0, "public type defStaff", {}, "社員");
    settings.TabSize = 0;
    p.print(3, "end if");
    ASSERT_EQ(p.lines().size(), 3u);
    EXPECT_EQ(p.lines()[0], "    lngId as Long");
    EXPECT_EQ(p.lines()[1], "public type defStaff ' 社員");
    EXPECT_EQ(p.lines()[2], "end if");
}

TEST(SourcePrinter, BlocksTakeTheirLevelsFromTheTemplateAndCommentsGoToTheColumn)
{
    RunSettings settings = RunSettings::startValues();
    settings.TabSize = 2;
    settings.CommentPos = 20;
    SourcePrinter p(settings);
    p.block(R"(
if $rs$.eof = true then
    $fn$ = false$>$' none
else

    $fn$ = true$>$$comment$
end if
)",
            {{"rs", "rstA"}, {"fn", "A_Read"}, {"comment", ""}});
    EXPECT_EQ(p.lines(), (std::vector<std::string>{"if rstA.eof = true then", "  A_Read = false    ' none", "else",
                                                   "", "  A_Read = true", "end if"}));
    EXPECT_THROW(p.block("   three blanks"), std::logic_error);
}

TEST(SourcePrinter, IndentShiftsEverythingPrintedWhileItLives)
{
    RunSettings settings = RunSettings::startValues();
    SourcePrinter p(settings);
    {
        auto inner = p.indented();
        p.print(1, "a");
        {
            auto none = p.indented(0);
            p.block("b\n    c");
        }
        p.printAt(2, "fixed");
    }
    p.print(0, "d");
    EXPECT_EQ(p.lines(), (std::vector<std::string>{"        a", "    b", "        c", "  fixed", "d"}));
}

TEST(SourcePrinter, ATemplateWrittenAgainFollowsItsTextAndValues)
{
    // The same template text with other values, a template made at run time
    // and changed in place (same address, same length), and "$$".
    RunSettings settings = RunSettings::startValues();
    settings.CommentPos = 16;
    SourcePrinter p(settings);
    std::string made = "dim $v$ as Long$>$' 長整数";
    for (const char* name : {"a", "b"}) {
        p.print(0, made, {{"v", name}});
        p.printAt(1, "x$$$v$", {{"v", name}});
    }
    made.replace(made.find("Long"), 4, "Date");
    p.print(0, made, {{"v", "c"}});
    EXPECT_EQ(p.lines(), (std::vector<std::string>{"dim a as Long   ' 長整数", " x$a", "dim b as Long   ' 長整数", " x$b",
                                                   "dim c as Date   ' 長整数"}));
    EXPECT_THROW(p.print(0, "$unknown$"), std::logic_error);
    EXPECT_THROW(p.print(0, "$open"), std::logic_error);
}

TEST(SourcePrinter, ValuesAreWrittenAsTheWholeLineWouldEncode)
{
    // Japanese template text next to values that are Japanese, empty, not
    // CP932, or not UTF-8 at all (a byte that begins a character, cut off):
    // the bytes are those of the finished line encoded whole.
    RunSettings settings = RunSettings::startValues();
    settings.CommentPos = 30;
    const std::string values[] = {"社員", "", "x", "\xF0\x9F\x98\x80", "\xE3\x81", "\xEF", "名\xE3"};
    std::string expected;
    SourcePrinter p(settings);
    for (const std::string& value : values) {
        p.print(1, "$v$ﾛｰｶﾙ$v$ 変数$>$' 説明$v$", {{"v", value}});
        p.block("\n$v$ｺﾋﾟｰ\n    値$v$\n", {{"v", value}});
        std::string code = "    " + value + "ﾛｰｶﾙ" + value + " 変数";
        std::string padded = code + std::string(std::max<std::size_t>(1, 30 - std::min<std::size_t>(30, cp932ByteCount(code))), ' ');
        expected += encodeCp932(code).bytes;
        expected += std::string(padded.size() - code.size(), ' ');
        expected += encodeCp932("' 説明" + value).bytes + "\r\n";
        expected += encodeCp932(value + "ｺﾋﾟｰ").bytes + "\r\n";
        expected += encodeCp932("    値" + value).bytes + "\r\n";
    }
    EXPECT_EQ(p.lines().bytes(), expected);
}

TEST(Templates, ExpandNamedVariablesOnly)
{
    EXPECT_EQ(expandTemplate("a$x$b$$c", {{"x", "$y$"}}), "a$y$b$c");
    EXPECT_THROW(expandTemplate("$nope$", {}), std::logic_error);
}

TEST(VbText, IdentifiersKeepJapaneseAndReplacePunctuation)
{
    EXPECT_TRUE(isPlainIdentifier("受注日"));
    EXPECT_TRUE(isPlainIdentifier("fld_1"));
    EXPECT_FALSE(isPlainIdentifier("Order Details"));
    EXPECT_EQ(identifierFrom("Order Details"), "Order_Details");
    EXPECT_EQ(identifierFrom("O'Brien/Ａ"), "O_Brien_Ａ");
    EXPECT_FALSE(isPlainIdentifier("Umsätze")) << "ä has no CP932 form";
    EXPECT_EQ(identifierFrom("Umsätze"), "Ums_tze");
    EXPECT_EQ(vbStringContent("a\"b"), "a\"\"b");
    EXPECT_EQ(commentText("a\r\nb\tc"), "a  b c");
}

TEST(VbText, TypeClassesFollowLowerCasedType)
{
    EXPECT_EQ(classifyType("String"), TypeClass::Text);
    EXPECT_EQ(classifyType("MEMO"), TypeClass::LongText);
    EXPECT_EQ(classifyType("Currency"), TypeClass::Number);
    EXPECT_EQ(classifyType("Date"), TypeClass::Date);
    EXPECT_EQ(classifyType("boolean"), TypeClass::YesNo);
    EXPECT_EQ(classifyType("String "), TypeClass::Other);
    EXPECT_EQ(classifyType("未定義"), TypeClass::Other);
}

#include "gen/common/null_check_functions.h"
#include "store/default_rows.h"

TEST(NullCheckFunctions, WrittenOnlyForFunctionStyleWithDefaultNames)
{
    RunSettings settings = RunSettings::startValues();
    IdentifierSet ids = identifiersFromRows(defaultTopNames(), defaultEndNames(), defaultFullNames());
    SourcePrinter p(settings);
    WriteNullCheckFunctions(p, ids);
    ASSERT_EQ(p.lines().size(), 16u);
    EXPECT_EQ(p.lines()[0], "");
    EXPECT_EQ(p.lines()[1], "private function fncNumericNullCheck(varInput as Variant) as Variant");
    EXPECT_EQ(p.lines()[3], "        fncNumericNullCheck = varInput");
    EXPECT_EQ(p.lines()[13], "        fncStringNullCheck = \"\"");
    EXPECT_EQ(p.lines()[15], "end function");

    settings.CheckStyle = CheckStyle::InlineIf;
    SourcePrinter none(settings);
    WriteNullCheckFunctions(none, ids);
    EXPECT_TRUE(none.lines().empty());
}

TEST(VbText, NamesThatMeetAfterRewritingAreWarnedOnce)
{
    RunSettings settings = RunSettings::startValues();
    IdentifierSet ids = identifiersFromRows(defaultTopNames(), defaultEndNames(), defaultFullNames());
    TypePrefixes prefixes = typePrefixesFromRows(defaultTopNames());
    Warnings warnings;
    GenerationContext ctx{settings, ids, prefixes, warnings, {}, {}};
    ctx.claimName("", "Orders", "tblOrders");
    ctx.claimName("Orders", "strOrder_ID", "Order ID");
    ctx.claimName("Orders", "strOrder_ID", "Order ID");  // the same field again: no warning
    EXPECT_TRUE(warnings.empty());
    ctx.claimName("Orders", "STRorder_id", "Order_ID");  // names compare without letter case
    ctx.claimName("Orders", "strOrder_ID", "Order_ID");
    ASSERT_EQ(warnings.messages().size(), 1u);
    EXPECT_NE(warnings.messages()[0].find("Order ID と Order_ID"), std::string::npos) << warnings.messages()[0];

    ctx.claimName("Others", "strOrder_ID", "Order_ID");  // another table: no conflict
    ctx.claimName("Others", "strOrder_ID", "Order ID");
    ctx.claimName("", "ORDERS", "tblOthers");  // module names outlive the tables' names
    ASSERT_EQ(warnings.messages().size(), 3u);
    EXPECT_NE(warnings.messages()[1].find("テーブル Others のフィールド Order_ID と Order ID"), std::string::npos)
        << warnings.messages()[1];
    EXPECT_NE(warnings.messages()[2].find("テーブル tblOrders と tblOthers"), std::string::npos) << warnings.messages()[2];
}
