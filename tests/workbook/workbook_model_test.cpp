// The workbook model on its own: addresses, sheet names, sheets, borders on
// unions and reversed ranges, merging, values and page-header strings.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "workbook/application.h"
#include "workbook/header_footer_text.h"
#include "workbook/sheet_name.h"
#include "workbook/workbook_file.h"

namespace schemist::excel {
namespace {

TEST(RangeAddress, ReadsCellsAreasUnionsColumnsAndReversedCorners)
{
    EXPECT_EQ(parseRangeAddress("A4"), (std::vector<CellArea>{{3, 3, 0, 0}}));
    EXPECT_EQ(parseRangeAddress("A4:E9"), (std::vector<CellArea>{{3, 8, 0, 4}}));
    EXPECT_EQ(parseRangeAddress("A5:A4"), (std::vector<CellArea>{{3, 4, 0, 0}}));
    EXPECT_EQ(parseRangeAddress("E9:A4"), (std::vector<CellArea>{{3, 8, 0, 4}}));
    EXPECT_EQ(parseRangeAddress("B2,E2,A4,A5:A9"),
              (std::vector<CellArea>{{1, 1, 1, 1}, {1, 1, 4, 4}, {3, 3, 0, 0}, {4, 8, 0, 0}}));
    EXPECT_EQ(parseRangeAddress("D:D"), (std::vector<CellArea>{{0, 65535, 3, 3}}));
    EXPECT_EQ(parseRangeAddress("$A$1:IV65536"), (std::vector<CellArea>{{0, 65535, 0, 255}}));
    for (const char* bad : {"", "A", "A0", "IW1", "A65537", "A1:", "A1,,B2", "A1:B", "4", "A1 "})
        EXPECT_THROW(parseRangeAddress(bad), Error) << bad;
    EXPECT_EQ(cellName(3, 0), "A4");
    EXPECT_EQ(cellName(0, 27), "AB1");
}

TEST(SheetName, KnowsWhatExcelRefuses)
{
    EXPECT_FALSE(sheetNameProblem("顧客マスタ"));
    EXPECT_FALSE(sheetNameProblem(std::string(31, 'x')));
    EXPECT_FALSE(sheetNameProblem("R&D (2)"));
    EXPECT_TRUE(sheetNameProblem(std::string(32, 'x')));
    EXPECT_TRUE(sheetNameProblem(""));
    for (const char* bad : {"a[b", "a]b", "a:b", "a*b", "a?b", "a/b", "a\\b", "'a", "a'", "history"})
        EXPECT_TRUE(sheetNameProblem(bad)) << bad;
    // 31 Japanese characters are 31 UTF-16 units: allowed.
    std::string japanese;
    for (int i = 0; i < 31; ++i)
        japanese += "表";
    EXPECT_FALSE(sheetNameProblem(japanese));
    EXPECT_TRUE(sheetNameProblem(japanese + "表"));
}

TEST(SheetName, ComparesWithoutCaseIncludingFullWidthLetters)
{
    EXPECT_TRUE(sameSheetName("Customer", "CUSTOMER"));
    EXPECT_TRUE(sameSheetName("ＡＢＣ", "ａｂｃ"));
    EXPECT_FALSE(sameSheetName("ABC", "ＡＢＣ"));
    EXPECT_FALSE(sameSheetName("顧客", "顧客2"));
    EXPECT_EQ(sheetNameKey("ａbＣ"), sheetNameKey("ＡBｃ"));
}

TEST(SheetName, RepairsNamesAndNumbersDuplicates)
{
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(makeValidSheetName("Customer", none), "Customer");
    EXPECT_EQ(makeValidSheetName("a/b\\c", none), "a_b_c");
    EXPECT_EQ(makeValidSheetName(std::string(40, 'x'), none), std::string(31, 'x'));
    EXPECT_EQ(makeValidSheetName("History", none), "History (2)");
    std::vector<std::string> taken{"Customer", "customer (2)"};
    auto isTaken = [&](const std::string& n) {
        for (const auto& t : taken)
            if (sameSheetName(t, n))
                return true;
        return false;
    };
    EXPECT_EQ(makeValidSheetName("CUSTOMER", isTaken), "CUSTOMER (3)");
    taken = {std::string(31, 'y')};
    EXPECT_EQ(makeValidSheetName(std::string(35, 'y'), isTaken), std::string(27, 'y') + " (2)");
    // A surrogate pair is never cut in half.
    std::string wide = std::string(30, 'z') + "𠮷";
    EXPECT_EQ(makeValidSheetName(wide, none), std::string(30, 'z'));
}

TEST(WorkbookModel, NewWorkbookHasThreeSheetsThatCanBeDeletedAddedAndRenamed)
{
    Application excel;
    Workbook& book = excel.workbooks().add();
    EXPECT_EQ(excel.workbooks().count(), 1);
    ASSERT_EQ(book.sheets().count(), 3);
    EXPECT_EQ(book.sheets().names(), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
    book.sheets().item("sheet1").deleteSheet();
    book.sheets().item(1).deleteSheet();
    EXPECT_EQ(book.sheets().names(), (std::vector<std::string>{"Sheet3"}));
    EXPECT_THROW(book.sheets().item(1).deleteSheet(), Error);  // the last sheet stays

    Worksheet& added = excel.worksheets().add(book.sheets().item(1));
    EXPECT_EQ(&excel.activeSheet(), &added);
    EXPECT_EQ(added.index(), 2);
    EXPECT_EQ(added.name(), "Sheet4");
    added.setName("Orders");
    EXPECT_THROW(book.sheets().item(1).setName("ORDERS"), Error);
    EXPECT_THROW(added.setName("a:b"), Error);
    added.setName("orders");  // its own name in other case is fine
    book.sheets().item(1).setName("Sheet4");
    EXPECT_EQ(excel.worksheets().add(added).name(), "Sheet5");

    book.close(false);
    EXPECT_EQ(excel.workbooks().count(), 0);
    EXPECT_THROW(excel.activeWorkbook(), Error);
}

TEST(WorkbookModel, BordersOfAUnionApplyAreaByArea)
{
    Application excel;
    excel.workbooks().add();
    Border left = excel.range("B2,A5:A6").borders(xlEdgeLeft);
    left.setLineStyle(xlContinuous);
    left.setWeight(3);
    Worksheet& sheet = excel.activeSheet();
    EXPECT_EQ(sheet.styleAt(1, 1).edges[kLeftEdge], (BorderLine{xlContinuous, 3}));
    EXPECT_EQ(sheet.styleAt(4, 0).edges[kLeftEdge], (BorderLine{xlContinuous, 3}));
    EXPECT_EQ(sheet.styleAt(5, 0).edges[kLeftEdge], (BorderLine{xlContinuous, 3}));
    EXPECT_EQ(sheet.styleAt(1, 2).edges[kLeftEdge].lineStyle, xlLineStyleNone);

    // Inside lines touch both cells of each shared line, never the outline.
    excel.range("A4:C5").borders(xlInsideHorizontal).setWeight(xlHairline);
    EXPECT_EQ(sheet.styleAt(3, 1).edges[kBottomEdge], (BorderLine{xlContinuous, xlHairline}));
    EXPECT_EQ(sheet.styleAt(4, 1).edges[kTopEdge], (BorderLine{xlContinuous, xlHairline}));
    EXPECT_EQ(sheet.styleAt(3, 1).edges[kTopEdge].lineStyle, xlLineStyleNone);
    EXPECT_EQ(sheet.styleAt(4, 1).edges[kBottomEdge].lineStyle, xlLineStyleNone);

    EXPECT_THROW(excel.range("A1").borders(5), Error);
    EXPECT_THROW(excel.range("A1").borders(xlEdgeTop).setWeight(7), Error);
}

TEST(WorkbookModel, MergeKeepsTheTopLeftValueAndRefusesOverlaps)
{
    Application excel;
    excel.workbooks().add();
    excel.range("B2:E2").setValues({{std::string("name"), std::string("x"), std::string(), 3.0}});
    Worksheet& sheet = excel.activeSheet();
    EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.cell(1, 3).value));  // "" empties
    excel.range("B2:C2").setMergeCells(true);
    EXPECT_EQ(std::get<std::string>(sheet.cell(1, 1).value), "name");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet.cell(1, 2).value));
    EXPECT_EQ(sheet.mergedAreas(), (std::vector<CellArea>{{1, 1, 1, 2}}));
    excel.range("B2:C2").setMergeCells(true);  // again: no change
    EXPECT_EQ(sheet.mergedAreas().size(), 1u);
    EXPECT_THROW(excel.range("C2:D3").setMergeCells(true), Error);
    excel.range("C2").setMergeCells(false);
    EXPECT_TRUE(sheet.mergedAreas().empty());
}

TEST(WorkbookModel, GridsFillOnlyTheRangeAndWidthsBecomeFileUnits)
{
    Application excel;
    excel.workbooks().add();
    std::vector<std::vector<Value>> grid(10, std::vector<Value>(5, std::string("v")));
    excel.range("A4:B5").setValues(grid);
    Worksheet& sheet = excel.activeSheet();
    int filled = 0;
    sheet.forEachCell([&](int, int, const CellData& c) { filled += !std::holds_alternative<std::monostate>(c.value); });
    EXPECT_EQ(filled, 4);
    excel.columns("B:D").setColumnWidth(20);
    EXPECT_EQ(sheet.columnWidth(2), 20);
    EXPECT_EQ(sheet.columnWidth(4), kStandardColumnWidth);
    EXPECT_EQ(columnWidthUnits(5.25), 1504);
    EXPECT_EQ(columnWidthUnits(40), 10400);
    EXPECT_THROW(excel.columns("A:A").setColumnWidth(256), Error);
}

TEST(WorkbookModel, SavingForClosingGivesTheSameBytesAndLetsTheCellsGo)
{
    Application excel;
    Workbook& book = excel.workbooks().add();
    excel.range("A1:B2").setValues({{std::string("表"), 1.5}, {std::string("x"), std::string("長い説明の文字列です")}});
    excel.range("A1:B2").borders(xlInsideVertical).setLineStyle(xlContinuous);
    excel.worksheets().add(excel.worksheets().item(1));
    excel.range("C3").setValues({{std::string("second")}});
    excel.range("C3").setWrapText(true);
    std::string whole = book.fileBytes();
    EXPECT_EQ(book.fileBytesForClosing(), whole);
    book.sheets().forEach([](const Worksheet& sheet) { EXPECT_EQ(sheet.touchedCells(), 0u) << sheet.name(); });
    book.close(false);
}

TEST(HeaderFooterText, EscapesAmpersandsAndFitsExcelsLimit)
{
    EXPECT_EQ(escapeHeaderText("R&D&&"), "R&&D&&&&");
    EXPECT_EQ(headerFooterPart(1, "A&B", "f.mdb"), "A&&B");
    EXPECT_EQ(headerFooterPart(2, "A&B", "f&.mdb"), "f&&.mdb");
    EXPECT_EQ(headerFooterPart(3, "A", "f"), "&P/&N");
    EXPECT_EQ(headerFooterPart(0, "A", "f"), "");
    EXPECT_EQ(headerFooterPart(7, "A", "f"), "");
    EXPECT_EQ(headerFooterString("", "x", "&P/&N"), "&Cx&R&P/&N");

    std::array<std::string, 3> parts{std::string(300, '&'), "", "&P/&N"};
    EXPECT_TRUE(fitHeaderFooterParts(parts));
    EXPECT_LE(headerFooterString(parts[0], parts[1], parts[2]).size(), 255u);
    EXPECT_EQ(parts[0].size() % 2, 0u);  // no "&&" split
    EXPECT_EQ(parts[2], "&P/&N");
    std::array<std::string, 3> small{"a", "b", "c"};
    EXPECT_FALSE(fitHeaderFooterParts(small));
}

}  // namespace
}  // namespace schemist::excel
