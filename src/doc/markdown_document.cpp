// README.md and the table pages. Every text from the database goes through
// cellText, so a name or description cannot break a table or start markup.
#include "doc/markdown_document.h"

#include "doc/document_schema.h"
#include "doc/file_names.h"
#include "doc/markdown_text.h"
#include "doc/mermaid.h"

#include <map>

namespace schemist::doc {
namespace {

using PageNames = std::map<std::string, std::string>;  // table name -> file name

std::string optionalCell(const std::optional<std::string>& text)
{
    return text ? cellText(*text) : std::string();
}

std::string mark(bool on)
{
    return on ? "○" : "";
}

std::string tableLink(const std::string& table, const PageNames& pages)
{
    auto page = pages.find(table);
    if (page == pages.end())
        return cellText(table);
    return "[" + cellText(table) + "](" + linkTarget(page->second) + ")";
}

std::string mermaidBlock(const std::string& diagram)
{
    return "```mermaid\n" + diagram + "```\n";
}

// The tables drawn in the overview: those that take part in a relationship.
std::string overviewDiagrams(const SourceSchema& schema)
{
    std::vector<std::set<std::string>> groups = connectedGroups(schema);
    std::size_t total = 0;
    for (const auto& group : groups)
        total += group.size();
    if (total == 0)
        return {};
    std::string text = "\n## ER図\n\n";
    if (total <= kMostTablesInOneDiagram) {
        std::set<std::string> all;
        for (const auto& group : groups)
            all.insert(group.begin(), group.end());
        return text + mermaidBlock(erDiagram(schema, all, {}));
    }
    text += "テーブルが多いため、リレーションシップでつながるテーブルのまとまりごとに描きます。\n";
    for (std::size_t i = 0; i < groups.size(); ++i)
        text += "\n### まとまり " + std::to_string(i + 1) + "\n\n" + mermaidBlock(erDiagram(schema, groups[i], {}));
    return text;
}

std::string readme(const SourceSchema& schema, const std::string& sourceFileName, const PageNames& pages,
                   const ChangeHistory* history)
{
    std::string text = "# テーブル定義書\n\nデータベース: " + cellText(sourceFileName) + "\n\n";
    text += "| No | 物理名 | 論理名 | 説明 | フィールド数 |\n|---:|---|---|---|---:|\n";
    int number = 0;
    for (const SourceTable& table : schema.tables) {
        text += "| " + std::to_string(++number) + " | " + tableLink(table.name, pages) + " | " +
                optionalCell(logicalName(table)) + " | " + optionalCell(table.description) + " | " +
                std::to_string(table.fields.size()) + " |\n";
    }
    text += overviewDiagrams(schema);
    if (schema.relationshipsProblem)
        text += "\n> " + cellText(*schema.relationshipsProblem) + "\n";
    if (history)
        text += historyMarkdown(*history, schema);
    return text;
}

std::string tableSummary(const SourceTable& table)
{
    std::string text = "| 項目 | 内容 |\n|---|---|\n";
    text += "| 物理名 | " + cellText(table.name) + " |\n";
    text += "| 論理名 | " + optionalCell(logicalName(table)) + " |\n";
    text += "| 説明 | " + optionalCell(table.description) + " |\n";
    if (table.validationRule)
        text += "| 入力規則 | " + cellText(*table.validationRule) + " |\n";
    if (table.validationText)
        text += "| エラーメッセージ | " + cellText(*table.validationText) + " |\n";
    return text;
}

std::string fieldRows(const SourceTable& table)
{
    std::string text = "| No | 物理名 | 論理名 | 型 | サイズ | 必須 | 既定値 | 主キー | 説明 |\n"
                       "|---:|---|---|---|---:|:---:|---|:---:|---|\n";
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const SourceField& f = table.fields[i];
        text += "| " + std::to_string(i + 1) + " | " + cellText(f.name) + " | " + optionalCell(logicalName(f)) +
                " | " + cellText(typeName(f)) + " | " + sizeText(f) + " | " + mark(f.required) + " | " +
                optionalCell(f.defaultValue) + " | " + mark(isPrimaryKeyField(table, f.name)) + " | " +
                optionalCell(f.description) + " |\n";
    }
    return text;
}

// The properties a reviewer checks less often, one row per property present.
std::string otherProperties(const SourceTable& table)
{
    std::string rows;
    auto add = [&rows](const SourceField& f, const char* label, const std::string& value) {
        rows += "| " + cellText(f.name) + " | " + label + " | " + value + " |\n";
    };
    for (const SourceField& f : table.fields) {
        if (f.autoNumber)
            add(f, "オートナンバー", "○");
        if (f.allowZeroLength)
            add(f, "空文字列の許可", "○");
        if (f.format)
            add(f, "書式", cellText(*f.format));
        if (f.decimalPlaces)
            add(f, "小数点以下表示桁数", *f.decimalPlaces == 255 ? "自動" : std::to_string(*f.decimalPlaces));
        if (f.inputMask)
            add(f, "定型入力", cellText(*f.inputMask));
        if (f.validationRule)
            add(f, "入力規則", cellText(*f.validationRule));
        if (f.validationText)
            add(f, "エラーメッセージ", cellText(*f.validationText));
        if (f.rowSource)
            add(f, "値集合ソース", cellText(*f.rowSource));
    }
    if (rows.empty())
        return {};
    return "\n### その他のプロパティ\n\n| フィールド | プロパティ | 値 |\n|---|---|---|\n" + rows;
}

std::string indexRows(const SourceTable& table)
{
    if (table.indexes.empty())
        return "\n## インデックス\n\nなし\n";
    std::string text = "\n## インデックス\n\n| 名前 | フィールド | 主キー | 一意 | Null を無視 |\n"
                       "|---|---|:---:|:---:|:---:|\n";
    for (const SourceIndex& index : table.indexes) {
        std::string members;
        for (const IndexMember& m : indexMembers(index, table))
            members += (members.empty() ? "" : ", ") + cellText(m.field) + (m.descending ? " (降順)" : "");
        text += "| " + cellText(index.name) + " | " + members + " | " + mark(index.primary) + " | " +
                mark(index.unique) + " | " + mark(index.ignoreNulls) + " |\n";
    }
    return text;
}

std::string relationshipRows(const SourceSchema& schema, const SourceTable& table, const PageNames& pages)
{
    std::vector<const SourceRelationship*> out = referencing(schema, table.name);
    std::vector<const SourceRelationship*> in = referencedBy(schema, table.name);
    if (out.empty() && in.empty())
        return {};
    std::string text = "\n## リレーションシップ\n";
    if (!out.empty()) {
        text += "\n### 参照先\n\n| 名前 | フィールド | 参照先テーブル | 参照先フィールド | 種類 |\n|---|---|---|---|---|\n";
        for (const SourceRelationship* r : out)
            text += "| " + cellText(r->name) + " | " + cellText(joinColumns(r->columns)) + " | " +
                    tableLink(r->referencedTable, pages) + " | " + cellText(joinColumns(r->referencedColumns)) +
                    " | " + relationshipFlagsText(*r) + " |\n";
    }
    if (!in.empty()) {
        text += "\n### 参照元\n\n| 名前 | フィールド | 参照元テーブル | 参照元フィールド | 種類 |\n|---|---|---|---|---|\n";
        for (const SourceRelationship* r : in)
            text += "| " + cellText(r->name) + " | " + cellText(joinColumns(r->referencedColumns)) + " | " +
                    tableLink(r->table, pages) + " | " + cellText(joinColumns(r->columns)) + " | " +
                    relationshipFlagsText(*r) + " |\n";
    }
    std::set<std::string> drawn = {table.name};
    for (const SourceRelationship* r : out)
        drawn.insert(r->referencedTable);
    for (const SourceRelationship* r : in)
        drawn.insert(r->table);
    text += "\n### ER図\n\n" + mermaidBlock(erDiagram(schema, drawn, {table.name}));
    return text;
}

std::string tablePage(const SourceSchema& schema, const SourceTable& table, const PageNames& pages)
{
    std::string text = "# " + cellText(table.name) + "\n\n[テーブル一覧](README.md)\n\n";
    text += tableSummary(table);
    text += "\n## フィールド\n\n" + fieldRows(table) + otherProperties(table);
    text += indexRows(table);
    text += relationshipRows(schema, table, pages);
    return text;
}

}  // namespace

std::vector<PendingFile> markdownDocument(const SourceSchema& documented, const std::string& sourceFileName,
                                          const std::string& folder, const ChangeHistory* history)
{
    FileNames names({"README.md"});
    PageNames pages;
    for (const SourceTable& table : documented.tables)
        pages[table.name] = names.unique(table.name, ".md");

    std::vector<PendingFile> files;
    files.push_back({folder + "/README.md", readme(documented, sourceFileName, pages, history)});
    for (const SourceTable& table : documented.tables)
        files.push_back({folder + "/" + pages[table.name], tablePage(documented, table, pages)});
    return files;
}

}  // namespace schemist::doc
