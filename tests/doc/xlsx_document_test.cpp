// The spreadsheet document: read back by an independent reader (openpyxl),
// the same bytes for the same schema, and its speed on a large database.
#include "doc/document_schema.h"
#include "doc/markdown_document.h"
#include "doc/xlsx_document.h"
#include "platform/atomic_file.h"
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

using namespace schemist;
using namespace schemist::doc;

namespace {

SourceSchema northwind()
{
    SourceReadOptions options;
    options.jet3Charset = "windows-1252";
    SourceSchema schema = readSourceSchema(test::sharedReal("nwind.mdb"), options);
    std::vector<std::string> all;
    for (const SourceTable& table : schema.tables)
        if (isOrdinaryLocalTable(table))
            all.push_back(table.name);
    return documentedSchema(schema, all);
}

PageTexts usualPage()
{
    PageTexts page;
    page.header = {0, 1, 0};
    page.footer = {2, 3, 0};
    return page;
}

TEST(XlsxDocument, SameSchemaGivesSameBytes)
{
    if (test::sharedReal("nwind.mdb").empty())
        GTEST_SKIP() << "../shared/real is absent";
    SourceSchema schema = northwind();
    std::string first = xlsxDocument(schema, "nwind.mdb", usualPage());
    EXPECT_EQ(first.substr(0, 2), "PK");
    EXPECT_EQ(xlsxDocument(schema, "nwind.mdb", usualPage()), first);
}

TEST(XlsxDocument, ReadBackByAnIndependentReader)
{
    if (test::sharedReal("nwind.mdb").empty())
        GTEST_SKIP() << "../shared/real is absent";
    if (std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") != 0)
        GTEST_SKIP() << "python3-openpyxl is not installed";
    test::ScratchDir dir;
    writeFileAtomically(dir.file("nw.xlsx"), xlsxDocument(northwind(), "nwind.mdb", usualPage()));
    std::string script = R"PY(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
assert wb.sheetnames[0] == 'テーブル一覧' and len(wb.sheetnames) == 10, wb.sheetnames
assert 'Order Details' in wb.sheetnames and 'Umsätze' in wb.sheetnames
first = wb['テーブル一覧']
assert [c.value for c in first[3]] == ['No', '物理名', '論理名', '説明', 'フィールド数']
assert first['B4'].value == 'Categories' and first['B4'].hyperlink.location == "'Categories'!A1"
orders = wb['Orders']
heading = [c.value for c in orders[3]]
for name in ['物理名', '論理名', '型', 'サイズ', '必須', '既定値', '主キー', '説明']:
    assert name in heading, name
assert [c.value for c in orders[4]][:8] == [1, 'OrderID', 'Order ID', 'Long', None, None, None, '○']
rows = [[c.value for c in r][:7] for r in orders.iter_rows()]
assert [1, '参照先', 'CustomersOrders', 'CustomerID', 'Customers', 'CustomerID', '一対多・参照整合性あり・連鎖更新'] in rows
assert [4, '参照元', 'OrdersOrder Details', 'OrderID', 'Order Details', 'OrderID', '一対多・参照整合性あり・連鎖削除'] in rows
for ws in wb.worksheets:
    setup = ws.page_setup
    assert setup.orientation == 'landscape' and int(setup.paperSize) == 9, ws.title
    assert ws.sheet_properties.pageSetUpPr.fitToPage and setup.fitToHeight == 0, ws.title
    assert ws.print_title_rows == '$3:$3', ws.title
    assert ws.oddFooter.left.text == 'nwind.mdb' and ws.oddFooter.center.text == '&P/&N', ws.title
assert orders.oddHeader.center.text == 'Orders'
)PY";
    test::writeFile(dir.file("check.py"), script);
    std::string command = "/usr/bin/python3 " + dir.file("check.py") + " " + dir.file("nw.xlsx");
    EXPECT_EQ(std::system(command.c_str()), 0);
}

// 400 tables of 30 fields: both documents made whole. The time is printed,
// not bounded: a sanitizer build or a loaded machine takes several times as
// long, and speed is measured by the benchmarks.
TEST(XlsxDocument, LargeDatabaseIsMadeWhole)
{
    std::string path = test::sharedFixture("big.mdb");
    if (path.empty())
        GTEST_SKIP() << "../shared/fixtures/big.mdb is absent";
    SourceSchema schema = readSourceSchema(path, {});
    std::vector<std::string> all;
    for (const SourceTable& table : schema.tables)
        if (isOrdinaryLocalTable(table))
            all.push_back(table.name);
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    SourceSchema documented = documentedSchema(schema, all);
    std::vector<PendingFile> pages = markdownDocument(documented, "big.mdb", "out");
    std::string book = xlsxDocument(documented, "big.mdb", usualPage());
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    double cpuMilliseconds = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    EXPECT_EQ(pages.size(), 401u);
    EXPECT_FALSE(book.empty());
    std::printf("both documents of big.mdb: %lld ms elapsed, %.0f ms processor time\n",
                static_cast<long long>(elapsed.count()), cpuMilliseconds);
}

}  // namespace
