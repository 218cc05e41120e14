// Every workbook kind opened by LibreOffice (an independent reader of the
// .xls format): converted to CSV, one file per sheet, and to PDF for the
// printed header and footer. Skips when soffice is not installed.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/test_support.h"
#include "workbook/definition_tables.h"
#include "workbook/make_workbook.h"

namespace schemist {
namespace {

namespace fs = std::filesystem;
using test::definitionTable;
using test::numberedTable;
using test::settingsWithHeaders;
using Csv = std::vector<std::vector<std::string>>;

bool haveProgram(const char* name)
{
    return std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0;
}

Csv parseCsv(const std::string& text)
{
    Csv rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
        } else if (c != '\r') {
            field += c;
        }
    }
    if (!field.empty() || !rows.back().empty())
        rows.back().push_back(field);
    else
        rows.pop_back();
    return rows;
}

class LibreOfficeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveProgram("soffice"))
            GTEST_SKIP() << "LibreOffice is not installed "
                            "(apt-get install --no-install-recommends libreoffice-calc-nogui)";
    }

    std::string makeWorkbook(const std::vector<DefinitionTable>& tables, const RunSettings& settings,
                             const std::string& stemName = "book")
    {
        Progress progress;
        Warnings warnings;
        std::string stem = scratch_.path() + "/" + stemName;
        MakeWorkbook(tables, settings, "sample.mdb", stem, progress, warnings);
        return stem + ".xls";
    }

    // Runs soffice with a profile of its own, so parallel runs do not meet.
    void convert(const std::string& xls, const std::string& filter, const std::string& outDir)
    {
        std::string command = "soffice -env:UserInstallation=file://" + scratch_.path() +
                              "/profile --headless --convert-to '" + filter + "' --outdir '" + outDir + "' '" +
                              xls + "' >'" + scratch_.path() + "/soffice.log' 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << readWholeFile(scratch_.path() + "/soffice.log");
    }

    // Sheet name -> its cells as CSV text, for every sheet of the workbook.
    std::map<std::string, Csv> sheetsAsCsv(const std::string& xls)
    {
        std::string out = scratch_.path() + "/csv";
        fs::remove_all(out);
        // UTF-8, first line 1, every sheet to a file of its own (-1).
        convert(xls, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1", out);
        std::map<std::string, Csv> sheets;
        std::string prefix = fs::path(xls).stem().string() + "-";
        for (const auto& entry : fs::directory_iterator(out)) {
            std::string name = entry.path().stem().string();
            if (name.rfind(prefix, 0) == 0)
                sheets[name.substr(prefix.size())] = parseCsv(readWholeFile(entry.path().string()));
        }
        return sheets;
    }

    std::string pdfText(const std::string& xls)
    {
        std::string out = scratch_.path() + "/pdf";
        convert(xls, "pdf", out);
        std::string pdf = out + "/" + fs::path(xls).stem().string() + ".pdf";
        std::string text = scratch_.path() + "/pdf.txt";
        EXPECT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").c_str()), 0);
        return readWholeFile(text);
    }

    test::ScratchDir scratch_;
};

TEST_F(LibreOfficeTest, EveryKindOfTableReadsBackAsItsCellTexts)
{
    std::string name31 = "N234567890123456789012345678901";
    std::vector<DefinitionTable> tables{
        definitionTable(1, "Customer", "顧客マスタ", {{"CustomerID", "Long", false, 4, "顧客の番号", true}}),
        definitionTable(2, "Empty", std::nullopt, {{" "}}),
        definitionTable(3, "受注明細", "受注の明細行",
                        {{"受注番号", "Long", false, 4, "受注を識別する番号", true},
                         {"商品名", "Text", true, 100, "商品の名前, \"引用\" 付き"}}),
        numberedTable(4, name31, 2),
        numberedTable(5, name31 + "XYZ", 1),
        numberedTable(6, "R&D", 1),
    };
    auto sheets = sheetsAsCsv(makeWorkbook(tables, settingsWithHeaders(0, 1, 0, 2, 3, 0)));
    std::string found;
    for (const auto& [name, csv] : sheets)
        found += name + " (" + std::to_string(csv.size()) + " rows) ";
    ASSERT_EQ(sheets.size(), 6u) << found;
    for (const auto& [name, csv] : sheets)
        for (const auto& row : csv)
            ASSERT_EQ(row.size(), 5u) << name << ": " << found;

    const Csv& customer = sheets["Customer"];
    ASSERT_EQ(customer.size(), 5u);
    EXPECT_EQ(customer[1], (std::vector<std::string>{"", "Customer", "", "", "顧客マスタ"}));
    EXPECT_EQ(customer[3], (std::vector<std::string>{"主キー", "フィールド名", "型", "長さ", "説明"}));
    EXPECT_EQ(customer[4], (std::vector<std::string>{"*", "CustomerID", "Long", "", "顧客の番号"}));

    const Csv& empty = sheets["Empty"];
    ASSERT_EQ(empty.size(), 4u);
    EXPECT_EQ(empty[1][1], "Empty");
    EXPECT_EQ(empty[3][0], "主キー");

    const Csv& orders = sheets["受注明細"];
    ASSERT_EQ(orders.size(), 6u);
    EXPECT_EQ(orders[1][4], "受注の明細行");
    EXPECT_EQ(orders[5], (std::vector<std::string>{"", "商品名", "Text", "100", "商品の名前, \"引用\" 付き"}));

    ASSERT_TRUE(sheets.count(name31));
    EXPECT_EQ(sheets[name31].at(5).at(1), "Field2");
    // Cut to 31 characters it equals the sheet before, so it is numbered.
    std::string numbered = name31.substr(0, 27) + " (2)";
    ASSERT_TRUE(sheets.count(numbered));
    EXPECT_EQ(sheets[numbered].at(1).at(1), name31 + "XYZ");
    EXPECT_EQ(sheets["R&D"].at(1).at(1), "R&D");
}

TEST_F(LibreOfficeTest, PrintedPagesCarryTheChosenHeaderAndFooter)
{
    if (!haveProgram("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed (apt-get install poppler-utils)";
    std::vector<DefinitionTable> tables{definitionTable(1, "Orders&Items", "受注", {{"OrderID"}, {"ItemID"}})};
    std::string text = pdfText(makeWorkbook(tables, settingsWithHeaders(0, 1, 0, 2, 3, 0), "with"));
    EXPECT_NE(text.find("sample.mdb"), std::string::npos) << text;
    EXPECT_NE(text.find("1/"), std::string::npos) << text;
    // The table name prints in the header and in B2, each with one "&".
    std::size_t first = text.find("Orders&Items");
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find("Orders&Items", first + 1), std::string::npos) << text;
    EXPECT_EQ(text.find("&&"), std::string::npos) << text;

    std::string bare = pdfText(makeWorkbook(tables, settingsWithHeaders(0, 0, 0, 0, 0, 0), "without"));
    EXPECT_EQ(bare.find("sample.mdb"), std::string::npos) << bare;
    first = bare.find("Orders&Items");
    ASSERT_NE(first, std::string::npos) << bare;
    EXPECT_EQ(bare.find("Orders&Items", first + 1), std::string::npos) << bare;
}

TEST_F(LibreOfficeTest, WorkbookOfThousandsOfSheetsOpens)
{
    std::vector<DefinitionTable> tables;
    for (int t = 1; t <= 3000; ++t)
        tables.push_back(numberedTable(t, "表" + std::to_string(t), 25));
    std::string xls = makeWorkbook(tables, settingsWithHeaders(0, 1, 0, 2, 3, 0), "big");
    ASSERT_GT(fs::file_size(xls), 109u * 128 * 512);  // needs DIFAT sectors
    std::string out = scratch_.path() + "/bigcsv";
    convert(xls, "csv:Text - txt - csv (StarCalc):44,34,76,1", out);  // the first sheet
    Csv first = parseCsv(readWholeFile(out + "/big.csv"));
    ASSERT_EQ(first.size(), 29u);
    EXPECT_EQ(first[1][1], "表1");
    EXPECT_EQ(first[28][1], "Field25");
}

}  // namespace
}  // namespace schemist
