// Writing out a schema comparison.
#include "doc/schema_diff_report.h"

#include "doc/markdown_text.h"

#include <map>

namespace schemist::doc {
namespace {

using nlohmann::json;

const std::map<std::string, std::string>& labels()
{
    static const std::map<std::string, std::string> names = {
        {"name", "名前"},
        {"type", "型"},
        {"size", "サイズ"},
        {"precision", "精度"},
        {"scale", "小数点以下桁数"},
        {"required", "必須"},
        {"allowZeroLength", "空文字列の許可"},
        {"defaultValue", "既定値"},
        {"caption", "論理名 (標題)"},
        {"description", "説明"},
        {"format", "書式"},
        {"inputMask", "定型入力"},
        {"validationRule", "入力規則"},
        {"validationText", "エラーメッセージ"},
        {"decimalPlaces", "小数点以下表示桁数"},
        {"autoNumber", "オートナンバー"},
        {"rowSource", "値集合ソース"},
        {"primary", "主キー"},
        {"unique", "一意"},
        {"ignoreNulls", "Null を無視"},
        {"fields", "フィールド"},
        {"table", "参照元テーブル"},
        {"columns", "参照元フィールド"},
        {"referencedTable", "参照先テーブル"},
        {"referencedColumns", "参照先フィールド"},
        {"oneToOne", "一対一"},
        {"enforced", "参照整合性"},
        {"cascadeUpdates", "連鎖更新"},
        {"cascadeDeletes", "連鎖削除"},
    };
    return names;
}

std::string changeText(const PropertyChange& change)
{
    return propertyLabel(change.property) + ": " + valueText(change.before) + " → " + valueText(change.after);
}

std::vector<std::string> changeTexts(const std::vector<PropertyChange>& changes)
{
    std::vector<std::string> texts;
    for (const PropertyChange& change : changes)
        texts.push_back(changeText(change));
    return texts;
}

// What an added field, index or relationship is, in a few words: its type
// and size, its members, the table it references; flags only when set.
std::vector<std::string> addedSummary(const json& object)
{
    static const std::vector<std::string> shown = {"type", "size", "fields", "referencedTable", "referencedColumns"};
    static const std::vector<std::string> flags = {"required", "autoNumber", "primary", "unique", "enforced"};
    std::vector<std::string> texts;
    for (const std::string& key : shown)
        if (object.contains(key) && !object.at(key).is_null())
            texts.push_back(propertyLabel(key) + ": " + valueText(object.at(key)));
    for (const std::string& key : flags)
        if (object.value(key, false))
            texts.push_back(propertyLabel(key) + ": " + valueText(true));
    return texts;
}

void addItemLines(std::vector<ChangeLine>& lines, const std::string& table, const char* itemKind, const ItemDiff& diff)
{
    for (std::size_t i = 0; i < diff.added.size(); ++i)
        lines.push_back({"追加", table, itemKind, diff.added[i],
                         i < diff.addedObjects.size() ? addedSummary(diff.addedObjects[i]) : std::vector<std::string>{}});
    for (const std::string& name : diff.removed)
        lines.push_back({"削除", table, itemKind, name, {}});
    for (const ItemChange& item : diff.changed)
        lines.push_back({"変更", table, itemKind, item.name, changeTexts(item.changes)});
}

json changesJson(const std::vector<PropertyChange>& changes)
{
    json object = json::object();
    for (const PropertyChange& change : changes)
        object[change.property] = json::array({change.before, change.after});
    return object;
}

json itemsJson(const ItemDiff& diff)
{
    json changed = json::array();
    for (const ItemChange& item : diff.changed)
        changed.push_back(json{{"name", item.name}, {"changes", changesJson(item.changes)}});
    return json{{"added", diff.added}, {"removed", diff.removed}, {"changed", changed}};
}

std::string tableCounts(const SchemaDiff& diff)
{
    return "テーブル: 追加 " + std::to_string(diff.addedTables.size()) + "、削除 " +
           std::to_string(diff.removedTables.size()) + "、変更 " + std::to_string(diff.changedTables.size()) + "\n";
}

std::string lineTarget(const ChangeLine& line)
{
    return line.item.empty() ? line.itemKind : line.itemKind + " " + line.item;
}

}  // namespace

std::string propertyLabel(const std::string& key)
{
    auto found = labels().find(key);
    return found == labels().end() ? key : found->second;
}

std::string valueText(const json& value)
{
    if (value.is_null())
        return "なし";
    if (value.is_boolean())
        return value.get<bool>() ? "はい" : "いいえ";
    if (value.is_string())
        return "「" + value.get<std::string>() + "」";
    if (value.is_array()) {
        std::string text;
        for (const json& element : value) {
            std::string one;
            if (element.is_object() && element.contains("name") && element.at("name").is_string())
                one = element.at("name").get<std::string>() +
                      (element.value("descending", false) ? " (降順)" : "");
            else if (element.is_string())
                one = element.get<std::string>();
            else
                one = element.dump();
            text += (text.empty() ? "" : ", ") + one;
        }
        return text.empty() ? "なし" : text;
    }
    return value.dump();
}

std::vector<ChangeLine> changeLines(const SchemaDiff& diff)
{
    std::vector<ChangeLine> lines;
    for (const std::string& name : diff.addedTables)
        lines.push_back({"追加", name, "テーブル", "", {}});
    for (const std::string& name : diff.removedTables)
        lines.push_back({"削除", name, "テーブル", "", {}});
    for (const TableChange& table : diff.changedTables) {
        if (!table.properties.empty())
            lines.push_back({"変更", table.name, "テーブル", "", changeTexts(table.properties)});
        addItemLines(lines, table.name, "フィールド", table.fields);
        addItemLines(lines, table.name, "インデックス", table.indexes);
        addItemLines(lines, table.name, "リレーションシップ", table.relationships);
    }
    return lines;
}

std::string diffText(const SchemaDiff& diff, const std::string& beforeName, const std::string& afterName)
{
    std::string text = "比較元: " + beforeName + "\n比較先: " + afterName + "\n";
    if (diff.empty())
        return text + "違いはありません。\n";
    text += tableCounts(diff);
    std::string currentTable;
    for (const ChangeLine& line : changeLines(diff)) {
        bool tableItself = line.item.empty();
        if (tableItself && line.kind != "変更") {
            text += "テーブルの" + line.kind + ": " + line.table + "\n";
            currentTable.clear();
            continue;
        }
        if (line.table != currentTable) {
            text += "テーブルの変更: " + line.table + "\n";
            currentTable = line.table;
        }
        if (!tableItself)
            text += "  " + line.itemKind + "の" + line.kind + ": " + line.item + "\n";
        for (const std::string& detail : line.details)
            text += (tableItself ? "  " : "    ") + detail + "\n";
    }
    return text;
}

std::string changeLinesMarkdown(const std::vector<ChangeLine>& lines)
{
    std::string text = "| 区分 | テーブル | 対象 | 内容 |\n|---|---|---|---|\n";
    for (const ChangeLine& line : lines) {
        std::string details;
        for (const std::string& detail : line.details)
            details += (details.empty() ? "" : "<br>") + cellText(detail);
        text += "| " + line.kind + " | " + cellText(line.table) + " | " + cellText(lineTarget(line)) + " | " + details +
                " |\n";
    }
    return text;
}

std::string diffMarkdown(const SchemaDiff& diff, const std::string& beforeName, const std::string& afterName)
{
    std::string text = "## スキーマの差分\n\n比較元: " + cellText(beforeName) + "<br>\n比較先: " + cellText(afterName) +
                       "\n\n";
    if (diff.empty())
        return text + "違いはありません。\n";
    return text + tableCounts(diff) + "\n" + changeLinesMarkdown(changeLines(diff));
}

json diffJson(const SchemaDiff& diff)
{
    json changed = json::array();
    for (const TableChange& table : diff.changedTables) {
        json entry = json{{"name", table.name},
                          {"fields", itemsJson(table.fields)},
                          {"indexes", itemsJson(table.indexes)},
                          {"relationships", itemsJson(table.relationships)}};
        // The table's own properties only when they changed, so that the
        // usual entry has exactly the keys scripts were promised.
        if (!table.properties.empty())
            entry["properties"] = changesJson(table.properties);
        changed.push_back(std::move(entry));
    }
    json tables = json{{"added", diff.addedTables}, {"removed", diff.removedTables}, {"changed", changed}};
    return json{{"tables", tables}};
}

}  // namespace schemist::doc
