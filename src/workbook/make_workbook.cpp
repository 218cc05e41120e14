// MakeWorkbook: drives the workbook model the way the tool drives Excel, one
// sheet per table, then saves the workbook.
#include "workbook/make_workbook.h"

#include <array>
#include <cmath>

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "platform/text.h"
#include "workbook/application.h"
#include "workbook/header_footer_text.h"
#include "workbook/sheet_name.h"

namespace schemist {
namespace {

using namespace excel;

constexpr int kGridColumns = 5;   // key mark, field name, type, length, description
constexpr int kBufferRows = 257;  // header row + 256 fields; grows for wider tables
constexpr int kHeaderRow = 4;     // sheet row of the grid's header
constexpr int kMaxFieldRows = kSheetRows - kHeaderRow;

// The values and formats put on the grid A4:E(last) in one assignment each.
// Row 0 is the header; row r the r-th written field. Rows of an earlier,
// longer table stay behind but are never shown.
struct GridBuffers {
    std::vector<std::vector<Value>> cells;
    std::vector<std::vector<std::string>> formats;

    void ensureRows(std::size_t rows)
    {
        rows = std::max<std::size_t>(rows, kBufferRows);
        while (formats.size() < rows)
            formats.push_back({kTextFormat, kTextFormat, kTextFormat, kGeneralFormatLocal, kTextFormat});
        cells.resize(rows, std::vector<Value>(kGridColumns));
    }
};

Value textOrEmpty(const std::optional<std::string>& text) { return text ? Value(*text) : Value(); }

// Fills buffer rows 1.. with the fields whose trimmed name is not empty;
// returns r, the row after the last one filled.
int fillCellBuffer(const DefinitionTable& table, GridBuffers& buffers)
{
    buffers.ensureRows(table.rows.size() + 1);
    int r = 1;
    for (const DefinitionRow& field : table.rows) {
        if (trimBlanks(field.FieldName).empty())
            continue;
        buffers.cells[r] = {field.Primary ? Value(std::string("*")) : Value(), Value(field.FieldName),
                            Value(field.Type),
                            field.LengthFlag ? Value(static_cast<double>(field.LengthInteger)) : Value(),
                            textOrEmpty(field.Comment)};
        ++r;
    }
    return r;
}

void deleteAllSheetsButTheLast(Application& excel)
{
    std::vector<std::string> names = excel.sheets().names();
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        excel.displayAlerts = false;
        excel.sheets().item(names[i]).deleteSheet();
    }
}

void nameSheetAfterTable(Worksheet& sheet, const std::string& tableName, Warnings& warnings)
{
    const Sheets& sheets = sheet.parent().sheets();
    std::string name =
        makeValidSheetName(tableName, [&](const std::string& candidate) { return sheets.hasName(candidate, &sheet); });
    if (name != tableName)
        warnings.add("テーブル「" + printableText(tableName) + "」の名前はExcelのシート名に使えないため、シート名を「" + printableText(name) +
                     "」にしました");
    sheet.setName(name);
}

void drawBorder(Application& excel, const std::string& address, int edge, int weight)
{
    Range range = excel.range(address);
    Border border = range.borders(edge);
    border.setLineStyle(xlContinuous);
    border.setWeight(weight);
}

void drawOutlines(Application& excel, const std::string& last)
{
    drawBorder(excel, "B2,E2,A4,A5:A" + last, xlEdgeLeft, 3);
    drawBorder(excel, "B2:C2,E2,A4:E4", xlEdgeTop, 3);
    drawBorder(excel, "B2:C2,E2,A4:E4,A" + last + ":" + "E" + last, xlEdgeBottom, 3);
    drawBorder(excel, "C2,E2,E4,E5:E" + last, xlEdgeRight, 3);
    drawBorder(excel, "A4:E" + last, xlInsideVertical, 2);
}

// Sets the three parts of the header or footer; a part whose choice is 0 (or
// unknown) stays as it is.
void setHeaderFooterParts(std::array<int, 3> choices, std::array<std::string*, 3> targets,
                          const std::string& tableName, const std::string& sourceFileName, const char* what,
                          Warnings& warnings)
{
    std::array<std::string, 3> parts;
    for (int i = 0; i < 3; ++i)
        parts[i] = headerFooterPart(choices[i], tableName, sourceFileName);
    if (fitHeaderFooterParts(parts))
        warnings.add("テーブル「" + printableText(tableName) + "」: " + what + "が255文字を超えるため、末尾を切り詰めました");
    for (int i = 0; i < 3; ++i)
        if (!parts[i].empty())
            *targets[i] = parts[i];
}

void setPageHeaderAndFooter(Worksheet& sheet, const RunSettings& settings, const std::string& tableName,
                            const std::string& sourceFileName, Warnings& warnings)
{
    PageSetup& page = sheet.pageSetup();
    if (settings.HeaderLeft > 0 || settings.HeaderCenter > 0 || settings.HeaderRight > 0)
        setHeaderFooterParts({settings.HeaderLeft, settings.HeaderCenter, settings.HeaderRight},
                             {&page.leftHeader, &page.centerHeader, &page.rightHeader}, tableName, sourceFileName,
                             "ヘッダー", warnings);
    if (settings.FooterLeft > 0 || settings.FooterCenter > 0 || settings.FooterRight > 0)
        setHeaderFooterParts({settings.FooterLeft, settings.FooterCenter, settings.FooterRight},
                             {&page.leftFooter, &page.centerFooter, &page.rightFooter}, tableName, sourceFileName,
                             "フッター", warnings);
}

void writeDefinitionSheet(Application& excel, const DefinitionTable& table, int r, const GridBuffers& buffers,
                          const RunSettings& settings, const std::string& sourceFileName, Warnings& warnings)
{
    const std::string& tableName = table.rows.back().TableName;
    std::string tableComment = table.rows.back().TableComment.value_or("");
    std::string last = std::to_string(r + 3);

    nameSheetAfterTable(excel.activeSheet(), tableName, warnings);
    drawOutlines(excel, last);
    setPageHeaderAndFooter(excel.activeSheet(), settings, tableName, sourceFileName, warnings);
    excel.range("B2:E2").setValues({{tableName, std::string(), std::string(), tableComment}});
    excel.range("A4:E4,A5:A" + last).setHorizontalAlignment(xlCenter);
    excel.columns("A:A").setColumnWidth(5.25);
    excel.columns("B:B").setColumnWidth(20);
    excel.columns("D:D").setColumnWidth(3.5);
    excel.columns("E:E").setColumnWidth(40);
    excel.range("B2:C2").setMergeCells(true);
    excel.range("A5:E" + last).setWrapText(true);
    if (r > 2)
        drawBorder(excel, "A5:E" + last, xlInsideHorizontal, 1);
    Range grid = excel.range("A4:E" + last);
    grid.setVerticalAlignment(xlCenter);
    grid.setNumberFormatLocal(buffers.formats);
    grid.setValues(buffers.cells);
}

int progressAt(int start, int tables, int t)
{
    return start + static_cast<int>(std::lround(static_cast<double>(100 - start) / tables * t));
}

}  // namespace

std::string BuildWorkbook(std::vector<DefinitionTable> accessTables, const RunSettings& settings,
                          const std::string& sourceFileName, Progress& progress, Warnings& warnings)
{
    GridBuffers buffers;
    buffers.ensureRows(kBufferRows);

    Application excel;
    int workbooksBefore = excel.workbooks().count();
    Workbook& book = excel.workbooks().add();
    deleteAllSheetsButTheLast(excel);

    int sheetCounter = 1;
    int start = progress.value();
    buffers.cells[0] = {std::string("主キー"), std::string("フィールド名"), std::string("型"), std::string("長さ"),
                        std::string("説明")};
    // Tables are numbered 1..N; numbers that are not ascending and positive
    // fall back to the tables' positions so the bar still ends at 100.
    int tableCount = accessTables.empty() ? 0 : accessTables.back().TableNo;
    bool numbered = !accessTables.empty() && tableCount >= static_cast<int>(accessTables.size()) &&
                    accessTables.front().TableNo > 0;
    for (std::size_t i = 1; numbered && i < accessTables.size(); ++i)
        numbered = accessTables[i].TableNo > accessTables[i - 1].TableNo;
    if (!numbered)
        tableCount = static_cast<int>(accessTables.size());

    for (std::size_t i = 0; i < accessTables.size(); ++i) {
        const DefinitionTable& table = accessTables[i];
        progress.set(progressAt(start, tableCount, numbered ? table.TableNo : static_cast<int>(i) + 1));
        if (table.rows.empty() || trimBlanks(table.rows.back().TableName).empty())
            continue;
        int r = fillCellBuffer(table, buffers);
        if (r - 1 > kMaxFieldRows)
            throw Error("テーブル「" + table.rows.back().TableName + "」のフィールドが多すぎてシートに収まりません");
        if (sheetCounter != 1)
            excel.worksheets().add(excel.worksheets().item(excel.worksheets().count()));
        writeDefinitionSheet(excel, table, r, buffers, settings, sourceFileName, warnings);
        ++sheetCounter;
    }

    std::vector<DefinitionTable>().swap(accessTables);
    std::string bytes = book.fileBytesForClosing();
    book.close(false);
    if (excel.workbooks().count() != workbooksBefore)
        throw std::logic_error("workbook left open after closing");
    return bytes;
}

void MakeWorkbook(const std::vector<DefinitionTable>& accessTables, const RunSettings& settings,
                  const std::string& sourceFileName, const std::string& outputPathStem, Progress& progress,
                  Warnings& warnings)
{
    std::string bytes = BuildWorkbook(accessTables, settings, sourceFileName, progress, warnings);
    writeFileAtomically(outputPathStem + ".xls", bytes);
}

}  // namespace schemist
