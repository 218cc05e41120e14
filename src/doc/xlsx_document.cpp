// Built with libxlsxwriter. The creation date it writes into
// docProps/core.xml is fixed, so that an unchanged database gives an
// unchanged file for check mode and version control.
#include "doc/xlsx_document.h"

#include "doc/document_schema.h"
#include "platform/atomic_file.h"
#include "platform/error.h"
#include "workbook/header_footer_text.h"
#include "workbook/sheet_name.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

namespace schemist::doc {
namespace {

constexpr const char* kListSheet = "テーブル一覧";
constexpr const char* kHistorySheet = "改訂履歴";
constexpr std::uint8_t kPaperA4 = 9;
constexpr std::time_t kFixedCreationTime = 946684800;  // 2000-01-01 00:00:00 UTC
constexpr lxw_row_t kFieldHeadingRow = 2;

void check(lxw_error error, const std::string& what)
{
    if (error != LXW_NO_ERROR)
        throw Error("Excel定義書 (xlsx) の作成に失敗しました: " + what + ": " + lxw_strerror(error));
}

struct Formats {
    lxw_format* title;
    lxw_format* heading;
    lxw_format* cell;
    lxw_format* centered;
    lxw_format* link;
};

Formats makeFormats(lxw_workbook* book)
{
    Formats f{};
    f.title = workbook_add_format(book);
    format_set_bold(f.title);
    format_set_font_size(f.title, 12);
    f.heading = workbook_add_format(book);
    format_set_bold(f.heading);
    format_set_border(f.heading, LXW_BORDER_THIN);
    format_set_pattern(f.heading, LXW_PATTERN_SOLID);
    format_set_bg_color(f.heading, 0xD9E1F2);
    format_set_text_wrap(f.heading);
    f.cell = workbook_add_format(book);
    format_set_border(f.cell, LXW_BORDER_THIN);
    format_set_text_wrap(f.cell);
    format_set_align(f.cell, LXW_ALIGN_VERTICAL_TOP);
    f.centered = workbook_add_format(book);
    format_set_border(f.centered, LXW_BORDER_THIN);
    format_set_align(f.centered, LXW_ALIGN_CENTER);
    format_set_align(f.centered, LXW_ALIGN_VERTICAL_TOP);
    f.link = workbook_add_format(book);
    format_set_border(f.link, LXW_BORDER_THIN);
    format_set_underline(f.link, LXW_UNDERLINE_SINGLE);
    format_set_font_color(f.link, LXW_COLOR_BLUE);
    format_set_align(f.link, LXW_ALIGN_VERTICAL_TOP);
    return f;
}

// A sheet being filled row by row.
class SheetWriter {
public:
    SheetWriter(lxw_worksheet* sheet, const Formats& formats) : sheet_(sheet), f_(formats) {}

    void text(lxw_row_t row, lxw_col_t col, const std::string& value, lxw_format* format)
    {
        check(worksheet_write_string(sheet_, row, col, value.c_str(), format), "セルへの書き込み");
    }
    void number(lxw_row_t row, lxw_col_t col, double value)
    {
        check(worksheet_write_number(sheet_, row, col, value, f_.cell), "セルへの書き込み");
    }
    void headings(lxw_row_t row, const std::vector<const char*>& names)
    {
        for (std::size_t c = 0; c < names.size(); ++c)
            text(row, static_cast<lxw_col_t>(c), names[c], f_.heading);
    }
    void link(lxw_row_t row, lxw_col_t col, const std::string& sheetName, const std::string& shown)
    {
        std::string quoted;
        for (char ch : sheetName)
            quoted += ch == '\'' ? std::string("''") : std::string(1, ch);
        std::string target = "internal:'" + quoted + "'!A1";
        check(worksheet_write_url_opt(sheet_, row, col, target.c_str(), f_.link, shown.c_str(), nullptr),
              "リンクの書き込み");
    }
    void widths(const std::vector<double>& columns)
    {
        for (std::size_t c = 0; c < columns.size(); ++c)
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), columns[c], nullptr);
    }

    const Formats& formats() const { return f_; }

private:
    lxw_worksheet* sheet_;
    const Formats& f_;
};

std::string headerFooter(const std::array<int, 3>& choices, const std::string& sheetTitle,
                         const std::string& sourceFileName)
{
    std::array<std::string, 3> parts;
    for (std::size_t i = 0; i < 3; ++i)
        parts[i] = headerFooterPart(choices[i], sheetTitle, sourceFileName);
    fitHeaderFooterParts(parts);
    std::string text;
    const char* codes[3] = {"&L", "&C", "&R"};
    for (std::size_t i = 0; i < 3; ++i)
        if (!parts[i].empty())
            text += codes[i] + parts[i];
    return text;
}

void setPage(lxw_worksheet* sheet, lxw_row_t headingRow, const std::string& sheetTitle,
             const std::string& sourceFileName, const PageTexts& page)
{
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, kPaperA4);
    worksheet_fit_to_pages(sheet, 1, 0);
    check(worksheet_repeat_rows(sheet, headingRow, headingRow), "見出し行の設定");
    std::string header = headerFooter(page.header, sheetTitle, sourceFileName);
    std::string footer = headerFooter(page.footer, sheetTitle, sourceFileName);
    if (!header.empty())
        check(worksheet_set_header(sheet, header.c_str()), "ヘッダーの設定");
    if (!footer.empty())
        check(worksheet_set_footer(sheet, footer.c_str()), "フッターの設定");
}

std::string optionalText(const std::optional<std::string>& text)
{
    return text ? *text : std::string();
}

void writeList(SheetWriter& w, const SourceSchema& schema, const std::map<std::string, std::string>& sheets,
               const std::string& sourceFileName)
{
    const Formats& f = w.formats();
    w.text(0, 0, "テーブル一覧: " + sourceFileName, f.title);
    w.headings(kFieldHeadingRow, {"No", "物理名", "論理名", "説明", "フィールド数"});
    lxw_row_t row = kFieldHeadingRow + 1;
    int number = 0;
    for (const SourceTable& table : schema.tables) {
        w.number(row, 0, ++number);
        w.link(row, 1, sheets.at(table.name), table.name);
        w.text(row, 2, optionalText(logicalName(table)), f.cell);
        w.text(row, 3, optionalText(table.description), f.cell);
        w.number(row, 4, static_cast<double>(table.fields.size()));
        ++row;
    }
    w.widths({6, 28, 24, 48, 12});
}

lxw_row_t writeFields(SheetWriter& w, const SourceTable& table)
{
    const Formats& f = w.formats();
    w.headings(kFieldHeadingRow, {"No", "物理名", "論理名", "型", "サイズ", "必須", "既定値", "主キー", "説明", "書式",
                                  "定型入力", "入力規則", "エラーメッセージ", "オートナンバー"});
    lxw_row_t row = kFieldHeadingRow + 1;
    for (std::size_t i = 0; i < table.fields.size(); ++i, ++row) {
        const SourceField& field = table.fields[i];
        w.number(row, 0, static_cast<double>(i + 1));
        w.text(row, 1, field.name, f.cell);
        w.text(row, 2, optionalText(logicalName(field)), f.cell);
        w.text(row, 3, typeName(field), f.cell);
        w.text(row, 4, sizeText(field), f.centered);
        w.text(row, 5, field.required ? "○" : "", f.centered);
        w.text(row, 6, optionalText(field.defaultValue), f.cell);
        w.text(row, 7, isPrimaryKeyField(table, field.name) ? "○" : "", f.centered);
        w.text(row, 8, optionalText(field.description), f.cell);
        w.text(row, 9, optionalText(field.format), f.cell);
        w.text(row, 10, optionalText(field.inputMask), f.cell);
        w.text(row, 11, optionalText(field.validationRule), f.cell);
        w.text(row, 12, optionalText(field.validationText), f.cell);
        w.text(row, 13, field.autoNumber ? "○" : "", f.centered);
    }
    return row;
}

lxw_row_t writeIndexes(SheetWriter& w, const SourceTable& table, lxw_row_t row)
{
    const Formats& f = w.formats();
    w.text(++row, 0, "インデックス", f.title);
    w.headings(++row, {"No", "名前", "フィールド", "主キー", "一意", "Null を無視"});
    int number = 0;
    for (const SourceIndex& index : table.indexes) {
        std::string members;
        for (const IndexMember& m : indexMembers(index, table))
            members += (members.empty() ? "" : ", ") + m.field + (m.descending ? " (降順)" : "");
        w.number(++row, 0, ++number);
        w.text(row, 1, index.name, f.cell);
        w.text(row, 2, members, f.cell);
        w.text(row, 3, index.primary ? "○" : "", f.centered);
        w.text(row, 4, index.unique ? "○" : "", f.centered);
        w.text(row, 5, index.ignoreNulls ? "○" : "", f.centered);
    }
    return row + 1;
}

void writeRelationships(SheetWriter& w, const SourceSchema& schema, const SourceTable& table, lxw_row_t row,
                        const std::map<std::string, std::string>& sheets)
{
    std::vector<const SourceRelationship*> out = referencing(schema, table.name);
    std::vector<const SourceRelationship*> in = referencedBy(schema, table.name);
    if (out.empty() && in.empty())
        return;
    const Formats& f = w.formats();
    w.text(++row, 0, "リレーションシップ", f.title);
    w.headings(++row, {"No", "方向", "名前", "フィールド", "相手テーブル", "相手フィールド", "種類"});
    int number = 0;
    auto line = [&](const SourceRelationship& r, bool outgoing) {
        const std::string& other = outgoing ? r.referencedTable : r.table;
        w.number(++row, 0, ++number);
        w.text(row, 1, outgoing ? "参照先" : "参照元", f.cell);
        w.text(row, 2, r.name, f.cell);
        w.text(row, 3, joinColumns(outgoing ? r.columns : r.referencedColumns), f.cell);
        if (auto sheet = sheets.find(other); sheet != sheets.end())
            w.link(row, 4, sheet->second, other);
        else
            w.text(row, 4, other, f.cell);
        w.text(row, 5, joinColumns(outgoing ? r.referencedColumns : r.columns), f.cell);
        w.text(row, 6, relationshipFlagsText(r), f.cell);
    };
    for (const SourceRelationship* r : out)
        line(*r, true);
    for (const SourceRelationship* r : in)
        line(*r, false);
}

void writeTable(SheetWriter& w, const SourceSchema& schema, const SourceTable& table,
                const std::map<std::string, std::string>& sheets)
{
    const Formats& f = w.formats();
    std::string title = table.name;
    if (auto logical = logicalName(table))
        title += " (" + *logical + ")";
    w.text(0, 0, title, f.title);
    w.link(0, 8, kListSheet, "テーブル一覧へ");
    if (table.description)
        w.text(1, 0, *table.description, nullptr);
    lxw_row_t row = writeFields(w, table);
    if (table.validationRule || table.validationText) {
        w.text(++row, 0, "テーブルの入力規則: " + optionalText(table.validationRule), nullptr);
        w.text(++row, 0, "エラーメッセージ: " + optionalText(table.validationText), nullptr);
        ++row;
    }
    row = writeIndexes(w, table, row);
    writeRelationships(w, schema, table, row, sheets);
    // Wide enough for the relationship rows below the fields as well.
    w.widths({5, 24, 20, 14, 14, 14, 24, 6, 36, 14, 10, 16, 22, 8});
}

// One row per change since the snapshot; the version and the snapshot's date
// on every row, so that the rows of later runs can be pasted below.
void writeHistory(SheetWriter& w, const ChangeHistory& history, const SourceSchema& schema)
{
    const Formats& f = w.formats();
    w.text(0, 0, std::string(kHistorySheet) + ": 比較元 " + historyBaseText(history), f.title);
    w.headings(kFieldHeadingRow, {"No", "版", "比較元の日付", "区分", "テーブル", "対象", "内容"});
    lxw_row_t row = kFieldHeadingRow + 1;
    std::vector<ChangeLine> lines = historyLines(history, schema);
    if (lines.empty())
        lines.push_back({"変更なし", "", "", "", {}});
    int number = 0;
    for (const ChangeLine& line : lines) {
        std::string details;
        for (const std::string& detail : line.details)
            details += (details.empty() ? "" : "\n") + detail;
        w.number(row, 0, ++number);
        w.text(row, 1, history.label, f.cell);
        w.text(row, 2, history.since, f.centered);
        w.text(row, 3, line.kind, f.centered);
        w.text(row, 4, line.table, f.cell);
        w.text(row, 5, line.item.empty() ? line.itemKind : line.itemKind + " " + line.item, f.cell);
        w.text(row, 6, details, f.cell);
        ++row;
    }
    w.widths({6, 10, 14, 10, 24, 32, 60});
}

// Sheet names for the tables: the table name made valid and unique.
std::map<std::string, std::string> sheetNames(const SourceSchema& schema)
{
    std::vector<std::string> taken = {kListSheet, kHistorySheet};
    std::map<std::string, std::string> names;
    for (const SourceTable& table : schema.tables) {
        std::string name = excel::makeValidSheetName(table.name, [&taken](const std::string& candidate) {
            for (const std::string& t : taken)
                if (excel::sameSheetName(t, candidate))
                    return true;
            return false;
        });
        taken.push_back(name);
        names[table.name] = name;
    }
    return names;
}

struct WorkbookClose {
    void operator()(lxw_workbook* book) const { workbook_close(book); }
};

// A temporary file removed when the object goes away.
class TemporaryFile {
public:
    TemporaryFile()
    {
        const char* dir = std::getenv("TMPDIR");
        path_ = std::string(dir && *dir ? dir : "/tmp") + "/schemist-xlsx-XXXXXX";
        int fd = ::mkstemp(path_.data());
        if (fd < 0)
            throw Error("一時ファイルを作成できません: " + path_ + ": " + systemMessage(errno));
        ::close(fd);
    }
    ~TemporaryFile() { ::unlink(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

std::string xlsxDocument(const SourceSchema& documented, const std::string& sourceFileName, const PageTexts& page,
                         const ChangeHistory* history)
{
    TemporaryFile file;
    lxw_workbook* book = workbook_new(file.path().c_str());
    if (!book)
        throw Error("Excel定義書 (xlsx) を作成できません: " + file.path());
    std::unique_ptr<lxw_workbook, WorkbookClose> closer(book);

    lxw_doc_properties properties{};
    properties.title = const_cast<char*>("テーブル定義書");
    properties.created = kFixedCreationTime;
    check(workbook_set_properties(book, &properties), "文書情報の設定");
    Formats formats = makeFormats(book);
    std::map<std::string, std::string> sheets = sheetNames(documented);

    lxw_worksheet* list = workbook_add_worksheet(book, kListSheet);
    SheetWriter listWriter(list, formats);
    writeList(listWriter, documented, sheets, sourceFileName);
    setPage(list, kFieldHeadingRow, kListSheet, sourceFileName, page);
    if (history) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, kHistorySheet);
        SheetWriter writer(sheet, formats);
        writeHistory(writer, *history, documented);
        setPage(sheet, kFieldHeadingRow, kHistorySheet, sourceFileName, page);
    }
    for (const SourceTable& table : documented.tables) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, sheets.at(table.name).c_str());
        if (!sheet)
            throw Error("Excel定義書 (xlsx) のシートを作成できません: " + table.name);
        SheetWriter writer(sheet, formats);
        writeTable(writer, documented, table, sheets);
        setPage(sheet, kFieldHeadingRow, table.name, sourceFileName, page);
    }
    check(workbook_close(closer.release()), "ファイルの書き込み");
    return readWholeFile(file.path());
}

}  // namespace schemist::doc
