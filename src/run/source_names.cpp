// Refusal of table and field names that cannot be copied into source.
#include "run/source_names.h"

#include <algorithm>
#include <cstdio>

namespace schemist {
namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool holdsUnusableCharacter(const std::string& name)
{
    return std::any_of(name.begin(), name.end(), [](char ch) {
        unsigned char c = static_cast<unsigned char>(ch);
        return isControl(c) || c == '[' || c == ']';
    });
}

const char* const kHowToLeaveOut =
    "このテーブルを処理対象から外してください（schemist-cli では --tables で他のテーブルを指定し、"
    "画面ではテーブル一覧で選択を外します）";

std::string unusableTableName(const std::string& name)
{
    if (name.empty())
        return std::string("名前が空のテーブルがあります。データベースが壊れている可能性があります。") + kHowToLeaveOut;
    return "テーブル \"" + visibleName(name) +
           "\" の名前に使えない文字（制御文字または [ ]）があります。データベースが壊れているか、"
           "細工されています。" + kHowToLeaveOut;
}

std::optional<std::string> unusableFieldName(const SourceTable& table)
{
    for (const SourceField& field : table.fields) {
        if (field.name.empty())
            return "テーブル \"" + visibleName(table.name) +
                   "\" に名前が空のフィールドがあります。データベースが壊れている可能性があります。" + kHowToLeaveOut;
        if (holdsUnusableCharacter(field.name))
            return "テーブル \"" + visibleName(table.name) + "\" のフィールド \"" + visibleName(field.name) +
                   "\" の名前に使えない文字（制御文字または [ ]）があります。データベースが壊れているか、"
                   "細工されています。" + kHowToLeaveOut;
    }
    return std::nullopt;
}

}  // namespace

std::string visibleName(const std::string& name)
{
    std::string out;
    for (char ch : name) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (isControl(c)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out;
}

std::optional<std::string> unusableNameProblem(const SourceSchema& schema, const std::vector<std::string>& selected)
{
    for (const std::string& name : selected)
        if (name.empty() || holdsUnusableCharacter(name))
            return unusableTableName(name);
    for (const SourceTable& table : schema.tables) {
        if (std::find(selected.begin(), selected.end(), table.name) == selected.end())
            continue;
        if (auto problem = unusableFieldName(table))
            return problem;
    }
    return std::nullopt;
}

}  // namespace schemist
