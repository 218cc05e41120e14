// The identifier set: the 27 name parts the generators and the schema reader
// take from the name tables, and the type prefixes looked up by VB type name.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace schemist {

enum class NameTable { Top, End, Full };

struct IdentifierSet {
    std::string ModuleNamePrefix;       // "モジュール名" prefix
    std::string ReadSuffix;             // "読み込み" suffix
    std::string WriteSuffix;            // "書き込み" suffix
    std::string DeleteSuffix;           // "削除" suffix
    std::string StructurePrefix;        // "ユーザー定義型" prefix
    std::string DatabaseObjectPrefix;   // "DataBaseObject" prefix
    std::string RecordsetPrefix;        // "RecordSet" prefix
    std::string SqlVariable;            // "SQL変数" whole name
    std::string LoopVariable;           // "LOOP変数" whole name
    std::string FieldPrefix;            // "Field" prefix
    std::string TablePrefix;            // "Table" prefix
    std::string RdoConnectionPrefix;    // "rdoConnection" prefix
    std::string RdoResultsetPrefix;     // "rdoResultset" prefix
    std::string IndexPrefix;            // "Index" prefix
    std::string RelationPrefix;         // "Relation" prefix
    std::string IgnoreNullsName;        // "IgnoreNulls" whole name
    std::string UniqueName;             // "Unique" whole name
    std::string PrimaryKeyName;         // "PrimaryKey" whole name
    std::string DeclarationPrefix;      // "宣言" prefix
    std::string StringNullCheck;        // "文字列のNullをチェックする関数" whole name
    std::string NumericNullCheck;       // "数字のNullをチェックする関数" whole name
    std::string ClassPrefix;            // "クラスモジュール" prefix
    std::string ClassReadName;          // "クラスモジュール読み込み" whole name
    std::string ClassWriteName;         // "クラスモジュール書き込み" whole name
    std::string ClassDeleteName;        // "クラスモジュール削除" whole name
    std::string CollectionPrefix;       // "コレクション" prefix
    std::string FlagVariable;           // "フラグ変数" whole name

    bool operator==(const IdentifierSet&) const = default;
};

// One entry of the identifier set: its key, the table it is looked up in and
// the member it fills. The array is in the order the builder fills them.
struct IdentifierEntry {
    const char* key;
    NameTable table;
    std::string IdentifierSet::*member;
};

extern const std::array<IdentifierEntry, 27> kIdentifierEntries;

// The prefix table as a lookup for type prefixes (the prefix put in front of
// a field name for its VB type). Keys compare without regard to ASCII letter
// case, as the work store's text equality does; the first row wins.
class TypePrefixes {
public:
    void add(std::string_view key, std::string_view prefix);
    // The prefix for a type name, or "" when the table has no row for it.
    std::string prefixFor(std::string_view type) const;

private:
    std::map<std::string, std::string> byFoldedKey_;
};

}  // namespace schemist

namespace schemist {

struct NameRow;

// The identifier set and type prefixes made from name rows held in memory
// (the first row of a key wins). The store-backed builder gives the same
// result for the same rows.
IdentifierSet identifiersFromRows(const std::vector<NameRow>& top, const std::vector<NameRow>& end,
                                  const std::vector<NameRow>& full);
TypePrefixes typePrefixesFromRows(const std::vector<NameRow>& top);

}  // namespace schemist
