// The BIFF8 writer, read back by xlrd: cells, formats, borders, widths,
// merged areas, header and footer, long string tables, DIFAT-sized files.
#include "platform/xls/xls_writer.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/xls/xls_dump.h"
#include "support/test_support.h"

namespace schemist::xls {
namespace {

using schemist::test::cellAt;
using schemist::test::readXls;

class XlsWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!schemist::test::xlrdAvailable())
            GTEST_SKIP() << "python3-xlrd is not installed (apt-get install python3-xlrd)";
    }

    nlohmann::json writeAndRead(const Book& book, const std::string& name = "book.xls")
    {
        std::string path = scratch_.path() + "/" + name;
        writeFileAtomically(path, buildXlsFile(book));
        return readXls(path);
    }

    schemist::test::ScratchDir scratch_;
};

Cell text(std::uint32_t row, std::uint16_t column, std::string value, std::uint32_t format = 0)
{
    Cell c{row, column, Cell::Kind::Text, std::move(value), 0, format};
    return c;
}

Cell number(std::uint32_t row, std::uint16_t column, double value, std::uint32_t format = 0)
{
    return Cell{row, column, Cell::Kind::Number, "", value, format};
}

Cell blank(std::uint32_t row, std::uint16_t column, std::uint32_t format)
{
    return Cell{row, column, Cell::Kind::Blank, "", 0, format};
}

TEST_F(XlsWriterTest, CellsComeBackWithTheirValuesAndKinds)
{
    Book book;
    book.formats.push_back(CellFormat{});
    Sheet sheet;
    sheet.name = "顧客";
    sheet.cells = {text(3, 1, "フィールド名"), number(4, 3, 50), text(0, 0, "ASCII only"), number(9, 4, -2.5),
                   blank(4, 0, 0), text(4, 1, "顧客ID")};
    book.sheets.push_back(sheet);

    auto dump = writeAndRead(book);
    ASSERT_EQ(dump["sheets"].size(), 1u);
    const auto& s = dump["sheets"][0];
    EXPECT_EQ(s["name"], "顧客");
    EXPECT_EQ((*cellAt(s, 3, 1))[3], "フィールド名");
    EXPECT_EQ((*cellAt(s, 0, 0))[3], "ASCII only");
    EXPECT_EQ((*cellAt(s, 4, 3))[2], "number");
    EXPECT_EQ((*cellAt(s, 4, 3))[3], 50.0);
    EXPECT_EQ((*cellAt(s, 9, 4))[3], -2.5);
    EXPECT_EQ((*cellAt(s, 4, 0))[2], "blank");
    EXPECT_EQ((*cellAt(s, 4, 1))[3], "顧客ID");
    EXPECT_EQ(dump["fonts"][0], "ＭＳ Ｐゴシック");
}

TEST_F(XlsWriterTest, FormatsAlignmentWrapAndEveryBorderStyleSurvive)
{
    Book book;
    CellFormat textFormat;
    textFormat.numberFormat = "@";
    textFormat.horizontal = HAlign::Center;
    textFormat.vertical = VAlign::Center;
    textFormat.wrap = true;
    textFormat.left = Line::Medium;
    textFormat.top = Line::Hair;
    textFormat.right = Line::Thin;
    textFormat.bottom = Line::Thick;
    CellFormat general;
    general.bottom = Line::Double;
    general.left = Line::Dotted;
    general.right = Line::Dashed;
    CellFormat custom;
    custom.numberFormat = "0.0\"件\"";
    book.formats = {textFormat, general, custom};
    Sheet sheet;
    sheet.name = "S";
    sheet.cells = {text(0, 0, "a", 0), blank(0, 1, 1), blank(0, 2, 0), blank(0, 3, 1), number(1, 0, 3, 2)};
    book.sheets.push_back(sheet);

    auto dump = writeAndRead(book);
    const auto& s = dump["sheets"][0];
    const auto& xfText = dump["xfs"][(*cellAt(s, 0, 0))[4].get<int>()];
    EXPECT_EQ(xfText["format"], "@");
    EXPECT_EQ(xfText["horizontal"], 2);
    EXPECT_EQ(xfText["vertical"], 1);
    EXPECT_EQ(xfText["wrap"], 1);
    EXPECT_EQ(xfText["left"], 2);    // medium
    EXPECT_EQ(xfText["top"], 7);     // hair
    EXPECT_EQ(xfText["right"], 1);   // thin
    EXPECT_EQ(xfText["bottom"], 5);  // thick
    const auto& xfGeneral = dump["xfs"][(*cellAt(s, 0, 3))[4].get<int>()];
    EXPECT_EQ(xfGeneral["format"], "General");
    EXPECT_EQ(xfGeneral["vertical"], 2);
    EXPECT_EQ(xfGeneral["wrap"], 0);
    EXPECT_EQ(xfGeneral["bottom"], 6);
    EXPECT_EQ(xfGeneral["left"], 4);
    EXPECT_EQ(xfGeneral["right"], 3);
    EXPECT_EQ(dump["xfs"][(*cellAt(s, 1, 0))[4].get<int>()]["format"], "0.0\"件\"");
    // Three formatted blanks in a row, the first two of them adjacent.
    EXPECT_EQ((*cellAt(s, 0, 2))[2], "blank");
    int mulBlanks = 0;
    for (int id : s["records"])
        mulBlanks += id == 0x00BE;
    EXPECT_EQ(mulBlanks, 1);
}

TEST_F(XlsWriterTest, WidthsHeightsMergesHeaderAndFooterSurvive)
{
    Book book;
    book.formats.push_back(CellFormat{});
    Sheet first;
    first.name = "First";
    first.cells = {text(1, 1, "merged"), blank(1, 2, 0), text(4, 4, "tall")};
    first.columns = {{0, 1504}, {4, 10400}};
    first.rowHeights = {{4, 540}};
    first.merged = {{1, 1, 1, 2}};
    first.header = "&C表&&名";
    first.footer = "&Lfile.mdb&C&P/&N";
    Sheet second;
    second.name = "Second";
    book.sheets = {first, second};

    auto dump = writeAndRead(book);
    const auto& s = dump["sheets"][0];
    EXPECT_EQ(s["widths"]["0"], 1504);
    EXPECT_EQ(s["widths"]["4"], 10400);
    EXPECT_FALSE(s["widths"].contains("2"));
    EXPECT_EQ(s["heights"]["4"], 540);
    ASSERT_EQ(s["merged"].size(), 1u);
    EXPECT_EQ(s["merged"][0], nlohmann::json({1, 2, 1, 3}));  // xlrd: exclusive ends
    EXPECT_EQ(s["header"], "&C表&&名");
    EXPECT_EQ(s["footer"], "&Lfile.mdb&C&P/&N");
    const auto& empty = dump["sheets"][1];
    EXPECT_EQ(empty["name"], "Second");
    EXPECT_TRUE(empty["cells"].empty());
    EXPECT_EQ(empty["header"], "");
}

TEST_F(XlsWriterTest, SharedStringsLongerThanOneRecordContinueAndAreIndexed)
{
    Book book;
    book.formats.push_back(CellFormat{});
    Sheet sheet;
    sheet.name = "Strings";
    std::string longJapanese;
    for (int i = 0; i < 6000; ++i)
        longJapanese += i % 2 ? "字" : "a";
    std::string longAscii(20000, 'x');
    sheet.cells.push_back(text(0, 0, longJapanese));
    sheet.cells.push_back(text(0, 1, longAscii));
    sheet.cells.push_back(text(0, 2, "𠮷野家"));  // outside the basic plane: a surrogate pair
    for (std::uint32_t r = 1; r < 3000; ++r)
        sheet.cells.push_back(text(r, 0, "説明文 " + std::to_string(r)));
    sheet.cells.push_back(text(3000, 0, "説明文 7"));  // a repeat shares its string
    book.sheets.push_back(sheet);

    auto dump = writeAndRead(book);
    const auto& s = dump["sheets"][0];
    EXPECT_EQ((*cellAt(s, 0, 0))[3], longJapanese);
    EXPECT_EQ((*cellAt(s, 0, 1))[3], longAscii);
    EXPECT_EQ((*cellAt(s, 0, 2))[3], "𠮷野家");
    EXPECT_EQ((*cellAt(s, 2999, 0))[3], "説明文 2999");
    EXPECT_EQ((*cellAt(s, 3000, 0))[3], "説明文 7");
    int continues = 0;
    for (int id : dump["globalRecords"])
        continues += id == 0x003C;
    EXPECT_GE(continues, 5);
    EXPECT_TRUE(dump["extsstProblems"].empty()) << dump["extsstProblems"].dump();
}

TEST_F(XlsWriterTest, FilesOverSevenMegabytesUseDifatSectors)
{
    Book book;
    book.formats.push_back(CellFormat{});
    // Unique long strings make the size cheaply: 200 sheets x 8 x 4,800 bytes.
    for (int i = 0; i < 200; ++i) {
        Sheet sheet;
        sheet.name = "S" + std::to_string(i);
        for (std::uint16_t c = 0; c < 8; ++c)
            sheet.cells.push_back(text(0, c, std::to_string(i * 8 + c) + std::string(4800, 'x')));
        sheet.cells.push_back(number(1, 0, i));
        book.sheets.push_back(std::move(sheet));
    }
    std::string bytes = buildXlsFile(book);
    ASSERT_GT(bytes.size(), 109u * 128 * 512);  // more than the header's 109 FAT sectors can map
    std::string path = scratch_.path() + "/big.xls";
    writeFileAtomically(path, bytes);
    auto dump = readXls(path);
    EXPECT_GE(dump["difatSectors"].get<int>(), 1);
    EXPECT_GT(dump["fatSectors"].get<int>(), 109);
    ASSERT_EQ(dump["sheets"].size(), 200u);
    const auto& last = dump["sheets"][199];
    EXPECT_EQ(last["name"], "S199");
    EXPECT_EQ((*cellAt(last, 0, 7))[3], std::to_string(199 * 8 + 7) + std::string(4800, 'x'));
    EXPECT_EQ((*cellAt(last, 1, 0))[3], 199.0);
    EXPECT_TRUE(dump["extsstProblems"].empty()) << dump["extsstProblems"].dump();
}

TEST(XlsWriter, SameBookGivesSameBytes)
{
    Book book;
    book.formats.push_back(CellFormat{});
    Sheet sheet;
    sheet.name = "A";
    sheet.cells = {text(0, 0, "x"), number(1, 1, 2)};
    sheet.header = "&Cx";
    book.sheets = {sheet, sheet};
    book.sheets[1].name = "B";
    EXPECT_EQ(buildXlsFile(book), buildXlsFile(book));
    EXPECT_EQ(buildXlsFile(book).size() % 512, 0u);
}

TEST(XlsWriter, RefusesWhatTheFormatCannotHold)
{
    Book book;
    EXPECT_THROW(buildXlsFile(book), std::invalid_argument);  // no sheet
    book.formats.push_back(CellFormat{});
    Sheet sheet;
    sheet.name = std::string(32, 'n');
    book.sheets = {sheet};
    EXPECT_THROW(buildXlsFile(book), std::invalid_argument);
    book.sheets[0].name = std::string(31, 'n');
    EXPECT_NO_THROW(buildXlsFile(book));
    book.sheets[0].header = "&C" + std::string(254, 'h');
    EXPECT_THROW(buildXlsFile(book), std::invalid_argument);
    book.sheets[0].header.clear();
    book.sheets[0].cells = {number(65536, 0, 1)};
    EXPECT_THROW(buildXlsFile(book), std::invalid_argument);
    book.sheets[0].cells = {number(0, 0, 1, 1)};  // no such format
    EXPECT_THROW(buildXlsFile(book), std::invalid_argument);
    book.sheets[0].cells = {number(0, 0, 1), number(0, 0, 2)};
    EXPECT_THROW(buildXlsFile(book), std::invalid_argument);
}

}  // namespace
}  // namespace schemist::xls
