// The definition workbook as xlrd reads it back: sheets, cells, formats,
// borders, widths, merges, header and footer, warnings and progress.
#include "workbook/make_workbook.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "platform/xls/xls_dump.h"
#include "support/test_support.h"
#include "workbook/definition_tables.h"
#include "workbook/range_address.h"

namespace schemist {
namespace {

using test::definitionTable;
using test::FieldDef;
using test::numberedTable;
using test::settingsWithHeaders;

// xlrd's line style codes.
constexpr int kNone = 0, kThin = 1, kMedium = 2, kHair = 7;
// xlrd's alignment codes.
constexpr int kHorizontalGeneral = 0, kHorizontalCentre = 2, kVerticalCentre = 1, kVerticalBottom = 2;

class MakeWorkbookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::xlrdAvailable())
            GTEST_SKIP() << "python3-xlrd is not installed (apt-get install python3-xlrd)";
    }

    nlohmann::json make(const std::vector<DefinitionTable>& tables,
                        const RunSettings& settings = settingsWithHeaders(0, 1, 0, 2, 3, 0),
                        const std::string& sourceFileName = "sample.mdb")
    {
        std::string stem = scratch_.path() + "/定義書";
        MakeWorkbook(tables, settings, sourceFileName, stem, progress_, warnings_);
        dump_ = test::readXls(stem + ".xls");
        return dump_;
    }

    const nlohmann::json& sheet(std::size_t index) { return dump_["sheets"][index]; }

    std::optional<nlohmann::json> cell(std::size_t sheetIndex, const std::string& name)
    {
        excel::CellArea a = excel::parseRangeAddress(name).front();
        return test::cellAt(sheet(sheetIndex), a.firstRow, a.firstColumn);
    }

    nlohmann::json value(std::size_t sheetIndex, const std::string& name)
    {
        auto c = cell(sheetIndex, name);
        return c ? (*c)[3] : nlohmann::json();
    }

    nlohmann::json xf(std::size_t sheetIndex, const std::string& name)
    {
        auto c = cell(sheetIndex, name);
        if (!c) {
            ADD_FAILURE() << "no cell " << name;
            return nlohmann::json::object();
        }
        return dump_["xfs"][(*c)[4].get<int>()];
    }

    // Left, top, bottom, right line styles of a cell.
    std::array<int, 4> edges(std::size_t sheetIndex, const std::string& name)
    {
        nlohmann::json x = xf(sheetIndex, name);
        if (x.empty())
            return {-1, -1, -1, -1};
        return {x["left"].get<int>(), x["top"].get<int>(), x["bottom"].get<int>(), x["right"].get<int>()};
    }

    test::ScratchDir scratch_;
    Progress progress_;
    Warnings warnings_;
    nlohmann::json dump_;
};

using Edges = std::array<int, 4>;

TEST_F(MakeWorkbookTest, OneTableWithOneFieldFillsTheLayout)
{
    make({definitionTable(1, "Customer", "顧客マスタ", {{"CustomerID", "Long", true, 4, "顧客の番号", true}})});
    ASSERT_EQ(dump_["sheets"].size(), 1u);
    EXPECT_EQ(sheet(0)["name"], "Customer");
    EXPECT_EQ(value(0, "B2"), "Customer");
    EXPECT_EQ(value(0, "E2"), "顧客マスタ");
    EXPECT_EQ(sheet(0)["merged"], nlohmann::json::parse("[[1, 2, 1, 3]]"));
    for (auto [name, text] : {std::pair{"A4", "主キー"}, {"B4", "フィールド名"}, {"C4", "型"}, {"D4", "長さ"},
                              {"E4", "説明"}})
        EXPECT_EQ(value(0, name), text) << name;
    EXPECT_EQ(value(0, "A5"), "*");
    EXPECT_EQ(value(0, "B5"), "CustomerID");
    EXPECT_EQ(value(0, "C5"), "Long");
    EXPECT_EQ((*cell(0, "D5"))[2], "number");
    EXPECT_EQ(value(0, "D5"), 4.0);
    EXPECT_EQ(value(0, "E5"), "顧客の番号");
    EXPECT_FALSE(cell(0, "A6"));
    EXPECT_FALSE(cell(0, "D2"));
}

TEST_F(MakeWorkbookTest, ColumnsGetTheirWidthsAndFormats)
{
    make({numberedTable(1, "T", 3)});
    const auto& widths = sheet(0)["widths"];
    // Characters of an 8-pixel digit plus 5 pixels of padding, in 1/256 digits.
    EXPECT_EQ(widths["0"], (42 + 5) * 32);   // 5.25
    EXPECT_EQ(widths["1"], (160 + 5) * 32);  // 20
    EXPECT_FALSE(widths.contains("2"));      // C keeps the default
    EXPECT_EQ(widths["3"], (28 + 5) * 32);   // 3.5
    EXPECT_EQ(widths["4"], (320 + 5) * 32);  // 40
    for (const char* name : {"A4", "B4", "C4", "E4", "A5", "B6", "C7", "E7"})
        EXPECT_EQ(xf(0, name)["format"], "@") << name;
    for (const char* name : {"D4", "D5", "D6", "D7"})
        EXPECT_EQ(xf(0, name)["format"], "General") << name;
    EXPECT_EQ(value(0, "D5"), 40.0);
    // Field 3 is a Long without LengthFlag: its length cell stays empty.
    EXPECT_EQ((*cell(0, "D7"))[2], "blank");
    EXPECT_EQ(value(0, "A5"), "*");
    EXPECT_EQ((*cell(0, "A6"))[2], "blank");
}

TEST_F(MakeWorkbookTest, AlignmentCentresHeaderAndKeyColumnAndWrapsFieldRows)
{
    make({numberedTable(1, "T", 2)});
    for (const char* name : {"A4", "B4", "C4", "D4", "E4", "A5", "A6"})
        EXPECT_EQ(xf(0, name)["horizontal"], kHorizontalCentre) << name;
    for (const char* name : {"B5", "C5", "D5", "E6"})
        EXPECT_EQ(xf(0, name)["horizontal"], kHorizontalGeneral) << name;
    for (const char* name : {"A4", "E4", "A5", "E6"})
        EXPECT_EQ(xf(0, name)["vertical"], kVerticalCentre) << name;
    EXPECT_EQ(xf(0, "B2")["vertical"], kVerticalBottom);
    for (const char* name : {"A5", "B5", "E5", "D6", "E6"})
        EXPECT_EQ(xf(0, name)["wrap"], 1) << name;
    for (const char* name : {"A4", "E4", "B2"})
        EXPECT_EQ(xf(0, name)["wrap"], 0) << name;
}

TEST_F(MakeWorkbookTest, BordersBoxTheNameAndCommentAndOutlineTheGrid)
{
    make({numberedTable(1, "T", 3)});  // last = 7
    // left, top, bottom, right
    EXPECT_EQ(edges(0, "B2"), (Edges{kMedium, kMedium, kMedium, kNone}));
    EXPECT_EQ(edges(0, "C2"), (Edges{kNone, kMedium, kMedium, kMedium}));
    EXPECT_EQ(edges(0, "E2"), (Edges{kMedium, kMedium, kMedium, kMedium}));
    EXPECT_EQ(edges(0, "A4"), (Edges{kMedium, kMedium, kMedium, kThin}));
    EXPECT_EQ(edges(0, "C4"), (Edges{kThin, kMedium, kMedium, kThin}));
    EXPECT_EQ(edges(0, "E4"), (Edges{kThin, kMedium, kMedium, kMedium}));
    EXPECT_EQ(edges(0, "A5"), (Edges{kMedium, kNone, kHair, kThin}));
    EXPECT_EQ(edges(0, "C6"), (Edges{kThin, kHair, kHair, kThin}));
    EXPECT_EQ(edges(0, "E6"), (Edges{kThin, kHair, kHair, kMedium}));
    EXPECT_EQ(edges(0, "A7"), (Edges{kMedium, kHair, kMedium, kThin}));
    EXPECT_EQ(edges(0, "E7"), (Edges{kThin, kHair, kMedium, kMedium}));
    EXPECT_FALSE(cell(0, "A8"));
    EXPECT_FALSE(cell(0, "F5"));
}

TEST_F(MakeWorkbookTest, OneFieldGetsNoInsideHorizontalLine)
{
    make({numberedTable(1, "T", 1)});
    EXPECT_EQ(edges(0, "A5"), (Edges{kMedium, kNone, kMedium, kThin}));
    EXPECT_EQ(edges(0, "C5"), (Edges{kThin, kNone, kMedium, kThin}));
}

TEST_F(MakeWorkbookTest, TableWithoutWrittenFieldsTouchesRowsFourAndFive)
{
    // Field names of blanks only are left out: last = 4, and "A5:A4" means rows 4 and 5.
    make({definitionTable(1, "Empty", std::nullopt, {{"  "}, {""}})});
    ASSERT_EQ(dump_["sheets"].size(), 1u);
    EXPECT_EQ(value(0, "B2"), "Empty");
    EXPECT_EQ((*cell(0, "E2"))[2], "blank");
    EXPECT_EQ(value(0, "A4"), "主キー");
    EXPECT_EQ(edges(0, "A4"), (Edges{kMedium, kMedium, kMedium, kThin}));
    EXPECT_EQ(edges(0, "E4"), (Edges{kThin, kMedium, kMedium, kMedium}));
    EXPECT_EQ(xf(0, "A4")["wrap"], 1);
    EXPECT_EQ(edges(0, "A5"), (Edges{kMedium, kNone, kNone, kNone}));
    EXPECT_EQ(edges(0, "E5"), (Edges{kNone, kNone, kNone, kMedium}));
    EXPECT_EQ(edges(0, "C5"), (Edges{kNone, kNone, kNone, kNone}));
    EXPECT_EQ(xf(0, "A5")["horizontal"], kHorizontalCentre);
    EXPECT_EQ(xf(0, "C5")["wrap"], 1);
    EXPECT_EQ((*cell(0, "A5"))[2], "blank");
    EXPECT_FALSE(cell(0, "A6"));
}

TEST_F(MakeWorkbookTest, FieldsWithEmptyNamesAreLeftOutWithoutGap)
{
    make({definitionTable(1, "T", "c", {{"First"}, {" "}, {"Third", "Memo", false, 0, std::nullopt}})});
    EXPECT_EQ(value(0, "B5"), "First");
    EXPECT_EQ(value(0, "B6"), "Third");
    EXPECT_EQ(value(0, "C6"), "Memo");
    EXPECT_EQ((*cell(0, "E6"))[2], "blank");  // Null comment
    EXPECT_FALSE(cell(0, "B7"));
}

TEST_F(MakeWorkbookTest, ThreeTablesGiveThreeSheetsInTableOrderAndNothingLeaks)
{
    make({numberedTable(1, "Orders", 5), numberedTable(2, "Customer", 2), numberedTable(3, "Items", 1)});
    ASSERT_EQ(dump_["sheets"].size(), 3u);
    EXPECT_EQ(sheet(0)["name"], "Orders");
    EXPECT_EQ(sheet(1)["name"], "Customer");
    EXPECT_EQ(sheet(2)["name"], "Items");
    EXPECT_EQ(value(0, "B9"), "Field5");
    EXPECT_EQ(value(1, "B6"), "Field2");
    // The buffer keeps the first table's rows 3..5, but they are not shown.
    EXPECT_FALSE(cell(1, "B7"));
    EXPECT_FALSE(cell(2, "B6"));
    EXPECT_EQ(value(2, "E2"), "テーブル Items");
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(MakeWorkbookTest, TablesWithBlankNamesGetNoSheet)
{
    make({numberedTable(1, "  ", 2), numberedTable(2, "Kept", 1), numberedTable(3, "", 1)});
    ASSERT_EQ(dump_["sheets"].size(), 1u);
    EXPECT_EQ(sheet(0)["name"], "Kept");
}

TEST_F(MakeWorkbookTest, JapaneseNamesAndCommentsSurvive)
{
    make({definitionTable(1, "受注明細", "受注の明細行（１行＝１商品）",
                          {{"受注番号", "Long", false, 4, "受注を識別する番号", true},
                           {"商品名", "Text", true, 100, "全角・半角ｶﾅ混在"}})});
    EXPECT_EQ(sheet(0)["name"], "受注明細");
    EXPECT_EQ(value(0, "B2"), "受注明細");
    EXPECT_EQ(value(0, "E2"), "受注の明細行（１行＝１商品）");
    EXPECT_EQ(value(0, "B6"), "商品名");
    EXPECT_EQ(value(0, "E6"), "全角・半角ｶﾅ混在");
    EXPECT_EQ(value(0, "D6"), 100.0);
    EXPECT_EQ(dump_["fonts"][0], "ＭＳ Ｐゴシック");
}

TEST_F(MakeWorkbookTest, SheetNamesExcelRefusesAreMadeValidWithAWarning)
{
    std::string name31 = "N234567890123456789012345678901";
    std::string name40 = "L234567890123456789012345678901234567890";
    make({numberedTable(1, name31, 1), numberedTable(2, name40, 1), numberedTable(3, "a/b:c[d]*?", 1),
          numberedTable(4, "customer", 1), numberedTable(5, "CUSTOMER", 1), numberedTable(6, "'quoted'", 1)});
    ASSERT_EQ(dump_["sheets"].size(), 6u);
    EXPECT_EQ(sheet(0)["name"], name31);
    EXPECT_EQ(sheet(1)["name"], name40.substr(0, 31));
    EXPECT_EQ(sheet(2)["name"], "a_b_c_d___");
    EXPECT_EQ(sheet(3)["name"], "customer");
    EXPECT_EQ(sheet(4)["name"], "CUSTOMER (2)");
    EXPECT_EQ(sheet(5)["name"], "_quoted_");
    // The cells keep the real table name.
    EXPECT_EQ(value(1, "B2"), name40);
    ASSERT_EQ(warnings_.messages().size(), 4u);
    EXPECT_NE(warnings_.messages()[0].find("テーブル「" + name40 + "」"), std::string::npos);
    EXPECT_NE(warnings_.messages()[0].find("「" + name40.substr(0, 31) + "」"), std::string::npos);
    EXPECT_NE(warnings_.messages()[2].find("CUSTOMER (2)"), std::string::npos);
}

TEST_F(MakeWorkbookTest, HeaderAndFooterFollowTheSixChoices)
{
    std::vector<DefinitionTable> tables{numberedTable(1, "Orders", 1)};
    make(tables, settingsWithHeaders(0, 1, 0, 2, 3, 0), "sales.mdb");
    EXPECT_EQ(sheet(0)["header"], "&COrders");
    EXPECT_EQ(sheet(0)["footer"], "&Lsales.mdb&C&P/&N");

    make(tables, settingsWithHeaders(1, 2, 3, 3, 0, 1), "sales.mdb");
    EXPECT_EQ(sheet(0)["header"], "&LOrders&Csales.mdb&R&P/&N");
    EXPECT_EQ(sheet(0)["footer"], "&L&P/&N&ROrders");

    make(tables, settingsWithHeaders(0, 0, 3, 0, 0, 0), "sales.mdb");
    EXPECT_EQ(sheet(0)["header"], "&R&P/&N");
    EXPECT_EQ(sheet(0)["footer"], "");
}

TEST_F(MakeWorkbookTest, AllChoicesZeroOrUnknownLeaveHeaderAndFooterEmpty)
{
    make({numberedTable(1, "Orders", 1), numberedTable(2, "Items", 1)}, settingsWithHeaders(0, 0, 0, 0, 0, 0));
    for (std::size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(sheet(s)["header"], "");
        EXPECT_EQ(sheet(s)["footer"], "");
    }
    make({numberedTable(1, "Orders", 1)}, settingsWithHeaders(4, 0, -1, 0, 9, 0));
    EXPECT_EQ(sheet(0)["header"], "");
    EXPECT_EQ(sheet(0)["footer"], "");
}

TEST_F(MakeWorkbookTest, AmpersandsInNamesPrintAsThemselves)
{
    make({numberedTable(1, "R&D", 1)}, settingsWithHeaders(1, 0, 0, 2, 0, 0), "A&B.mdb");
    EXPECT_EQ(sheet(0)["name"], "R&D");
    EXPECT_EQ(value(0, "B2"), "R&D");
    EXPECT_EQ(sheet(0)["header"], "&LR&&D");
    EXPECT_EQ(sheet(0)["footer"], "&LA&&B.mdb");
}

TEST_F(MakeWorkbookTest, OverlongHeaderIsCutToExcelsLimitWithAWarning)
{
    std::string file = std::string(200, 'f') + "&" + std::string(100, 'g') + ".mdb";
    make({numberedTable(1, "Orders", 1)}, settingsWithHeaders(2, 2, 0, 0, 0, 0), file);
    std::string header = sheet(0)["header"];
    EXPECT_LE(header.size(), 255u);
    EXPECT_EQ(header.rfind("&Lffff", 0), 0u);
    EXPECT_NE(header.find("&C"), std::string::npos);
    ASSERT_EQ(warnings_.messages().size(), 1u);
    EXPECT_NE(warnings_.messages()[0].find("Orders"), std::string::npos);
}

TEST_F(MakeWorkbookTest, MoreThan256FieldsAreAllWritten)
{
    make({numberedTable(1, "Wide", 300)});
    EXPECT_EQ(value(0, "B304"), "Field300");
    EXPECT_EQ(xf(0, "D304")["format"], "General");
    EXPECT_EQ(edges(0, "A304")[2], kMedium);
    EXPECT_FALSE(cell(0, "B305"));
}

TEST_F(MakeWorkbookTest, ProgressRunsFromItsValueToTheMaximumTableByTable)
{
    std::vector<int> seen;
    Progress progress([&](int v) { seen.push_back(v); });
    progress.set(30);
    seen.clear();
    BuildWorkbook({numberedTable(1, "A", 1), numberedTable(2, "", 1), numberedTable(3, "C", 1),
                   numberedTable(4, "D", 1)},
                  settingsWithHeaders(0, 1, 0, 2, 3, 0), "x.mdb", progress, warnings_);
    EXPECT_EQ(seen, (std::vector<int>{48, 65, 83, 100}));  // 30 + 70 / 4 * t, rounded
}

TEST_F(MakeWorkbookTest, NoTablesGiveTheOneEmptySheetLeftInANewWorkbook)
{
    make({});
    ASSERT_EQ(dump_["sheets"].size(), 1u);
    EXPECT_TRUE(sheet(0)["cells"].empty());
}

TEST(MakeWorkbook, SameInputGivesSameBytes)
{
    Progress p1, p2;
    Warnings w1, w2;
    std::vector<DefinitionTable> tables{numberedTable(1, "A", 3), numberedTable(2, "B", 2)};
    RunSettings settings = settingsWithHeaders(0, 1, 0, 2, 3, 0);
    EXPECT_EQ(BuildWorkbook(tables, settings, "s.mdb", p1, w1), BuildWorkbook(tables, settings, "s.mdb", p2, w2));
}

TEST(MakeWorkbook, ReplacesAnExistingFileAndNamesAFolderItCannotWrite)
{
    test::ScratchDir scratch;
    std::string stem = scratch.path() + "/out";
    writeFileAtomically(stem + ".xls", "old contents");
    Progress progress;
    Warnings warnings;
    MakeWorkbook({numberedTable(1, "A", 1)}, RunSettings::startValues(), "s.mdb", stem, progress, warnings);
    EXPECT_EQ(readWholeFile(stem + ".xls").substr(0, 4), "\xD0\xCF\x11\xE0");
    std::string missing = scratch.path() + "/no such folder/out";
    try {
        MakeWorkbook({numberedTable(1, "A", 1)}, RunSettings::startValues(), "s.mdb", missing, progress, warnings);
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("no such folder"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(missing + ".xls"));
}

TEST_F(MakeWorkbookTest, FourHundredSheetsOfThirtyFieldsAreFast)
{
    std::vector<DefinitionTable> tables;
    for (int t = 1; t <= 400; ++t)
        tables.push_back(numberedTable(t, "Table" + std::to_string(t), 30));
    RunSettings settings = settingsWithHeaders(0, 1, 0, 2, 3, 0);
    auto begin = std::chrono::steady_clock::now();
    std::string bytes = BuildWorkbook(tables, settings, "big.mdb", progress_, warnings_);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::cout << "400 sheets x 30 fields: " << bytes.size() << " bytes in " << seconds << " s\n";
    std::string path = scratch_.path() + "/big.xls";
    writeFileAtomically(path, bytes);
    dump_ = test::readXls(path);
    ASSERT_EQ(dump_["sheets"].size(), 400u);
    EXPECT_EQ(sheet(399)["name"], "Table400");
    EXPECT_EQ(value(399, "B34"), "Field30");
}

TEST_F(MakeWorkbookTest, ThousandsOfSheetsNeedDifatSectorsAndStillRead)
{
    std::vector<DefinitionTable> tables;
    for (int t = 1; t <= 3000; ++t)
        tables.push_back(numberedTable(t, "表" + std::to_string(t), 25));
    dump_ = make(tables);
    EXPECT_GT(std::filesystem::file_size(scratch_.path() + "/定義書.xls"), 109u * 128 * 512);
    EXPECT_GE(dump_["difatSectors"].get<int>(), 1);
    ASSERT_EQ(dump_["sheets"].size(), 3000u);
    EXPECT_EQ(sheet(2999)["name"], "表3000");
    EXPECT_EQ(value(2999, "E29"), "説明 25");
    EXPECT_TRUE(dump_["extsstProblems"].empty()) << dump_["extsstProblems"].dump();
}

}  // namespace
}  // namespace schemist
