// The schema comparison written out: for a terminal, for a pull-request
// comment (Markdown), for scripts (JSON), and as the rows of a revision
// history. Labels are Japanese; the JSON keeps the schema section's keys.
#pragma once

#include "doc/schema_diff.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace schemist::doc {

// One line of a change list: 追加 / 削除 / 変更 of a table, or of a field,
// index or relationship of a table, with the changed properties in words
// ("型: Text → Long").
struct ChangeLine {
    std::string kind;      // 追加, 削除, 変更
    std::string table;
    std::string itemKind;  // テーブル, フィールド, インデックス, リレーションシップ
    std::string item;      // empty for the table itself
    std::vector<std::string> details;
};

std::vector<ChangeLine> changeLines(const SchemaDiff& diff);

// "型", "既定値", ... for a property key; the key itself for one unknown here.
std::string propertyLabel(const std::string& key);
// A property value in words: なし for null, はい/いいえ, index members "A, B (降順)".
std::string valueText(const nlohmann::json& value);

// Indented lines for a terminal; "違いはありません。" when there is none.
std::string diffText(const SchemaDiff& diff, const std::string& beforeName, const std::string& afterName);

// A Markdown section: heading, what was compared, the change table.
std::string diffMarkdown(const SchemaDiff& diff, const std::string& beforeName, const std::string& afterName);

// The change lines as a Markdown table (区分, テーブル, 対象, 内容).
std::string changeLinesMarkdown(const std::vector<ChangeLine>& lines);

// {"tables": {"added": [...], "removed": [...], "changed": [{"name",
//  "fields": {"added", "removed", "changed": [{"name", "changes": {"type":
//  [old, new], ...}}]}, "indexes": {...}, "relationships": {...}}]}}; a
// changed table whose own properties changed also has "properties":
// {"description": [old, new], ...}.
nlohmann::json diffJson(const SchemaDiff& diff);

}  // namespace schemist::doc
