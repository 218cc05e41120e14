// The fixed entries of the identifier set and the type-prefix lookup.
#include "convert/identifier_set.h"

#include "platform/text.h"

namespace schemist {

const std::array<IdentifierEntry, 27> kIdentifierEntries = {{
    {"モジュール名", NameTable::Top, &IdentifierSet::ModuleNamePrefix},
    {"読み込み", NameTable::End, &IdentifierSet::ReadSuffix},
    {"書き込み", NameTable::End, &IdentifierSet::WriteSuffix},
    {"削除", NameTable::End, &IdentifierSet::DeleteSuffix},
    {"ユーザー定義型", NameTable::Top, &IdentifierSet::StructurePrefix},
    {"DataBaseObject", NameTable::Top, &IdentifierSet::DatabaseObjectPrefix},
    {"RecordSet", NameTable::Top, &IdentifierSet::RecordsetPrefix},
    {"SQL変数", NameTable::Full, &IdentifierSet::SqlVariable},
    {"LOOP変数", NameTable::Full, &IdentifierSet::LoopVariable},
    {"Field", NameTable::Top, &IdentifierSet::FieldPrefix},
    {"Table", NameTable::Top, &IdentifierSet::TablePrefix},
    {"rdoConnection", NameTable::Top, &IdentifierSet::RdoConnectionPrefix},
    {"rdoResultset", NameTable::Top, &IdentifierSet::RdoResultsetPrefix},
    {"Index", NameTable::Top, &IdentifierSet::IndexPrefix},
    {"Relation", NameTable::Top, &IdentifierSet::RelationPrefix},
    {"IgnoreNulls", NameTable::Full, &IdentifierSet::IgnoreNullsName},
    {"Unique", NameTable::Full, &IdentifierSet::UniqueName},
    {"PrimaryKey", NameTable::Full, &IdentifierSet::PrimaryKeyName},
    {"宣言", NameTable::Top, &IdentifierSet::DeclarationPrefix},
    {"文字列のNullをチェックする関数", NameTable::Full, &IdentifierSet::StringNullCheck},
    {"数字のNullをチェックする関数", NameTable::Full, &IdentifierSet::NumericNullCheck},
    {"クラスモジュール", NameTable::Top, &IdentifierSet::ClassPrefix},
    {"クラスモジュール読み込み", NameTable::Full, &IdentifierSet::ClassReadName},
    {"クラスモジュール書き込み", NameTable::Full, &IdentifierSet::ClassWriteName},
    {"クラスモジュール削除", NameTable::Full, &IdentifierSet::ClassDeleteName},
    {"コレクション", NameTable::Top, &IdentifierSet::CollectionPrefix},
    {"フラグ変数", NameTable::Full, &IdentifierSet::FlagVariable},
}};

void TypePrefixes::add(std::string_view key, std::string_view prefix)
{
    byFoldedKey_.emplace(toLowerAscii(key), std::string(prefix));
}

std::string TypePrefixes::prefixFor(std::string_view type) const
{
    auto it = byFoldedKey_.find(toLowerAscii(type));
    return it == byFoldedKey_.end() ? std::string() : it->second;
}

}  // namespace schemist

#include "store/default_rows.h"

namespace schemist {
namespace {

std::string lookupInRows(const std::vector<NameRow>& rows, std::string_view key)
{
    std::string folded = toLowerAscii(key);
    for (const NameRow& row : rows)
        if (toLowerAscii(row.convertType) == folded)
            return row.convertName;
    return {};
}

}  // namespace

IdentifierSet identifiersFromRows(const std::vector<NameRow>& top, const std::vector<NameRow>& end,
                                  const std::vector<NameRow>& full)
{
    IdentifierSet ids;
    for (const IdentifierEntry& entry : kIdentifierEntries) {
        const std::vector<NameRow>& rows =
            entry.table == NameTable::Top ? top : entry.table == NameTable::End ? end : full;
        ids.*entry.member = lookupInRows(rows, entry.key);
    }
    return ids;
}

TypePrefixes typePrefixesFromRows(const std::vector<NameRow>& top)
{
    TypePrefixes prefixes;
    for (const NameRow& row : top)
        prefixes.add(row.convertType, row.convertName);
    return prefixes;
}

}  // namespace schemist
