// Driver of the class-module generator: names and paths of the files, the
// order of their sections, and the checks that keep two classes from
// landing in one file.
#include "gen/class/class_modules.h"

#include "gen/class/class_header.h"
#include "gen/class/class_table.h"
#include "gen/class/collection_members.h"
#include "gen/class/multi_record_methods.h"
#include "gen/class/property_procedures.h"
#include "gen/class/single_record_methods.h"
#include "gen/common/null_check_functions.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <map>

namespace schemist {
namespace {

// Visual Basic joins at most this many physical lines into one statement.
constexpr std::size_t kMaxLineContinuations = 24;
// Longest physical source line Visual Basic accepts, in bytes.
constexpr std::size_t kMaxLineBytes = 1023;

void requireRows(const DefinitionTable& table)
{
    if (table.rows.empty())
        throw Error("クラスモジュール生成: VB_Table にテーブル番号 " + std::to_string(table.TableNo) +
                    " の行がありません");
}

// Item and collection class of one table in one file (or, differing only in
// letter case, one VB class name) would leave one of them lost.
void refuseSameClassNames(const DefinitionTable& table, const VbTable& names, const IdentifierSet& ids)
{
    if (toLowerAscii(trimBlanks(names.itemClass)) != toLowerAscii(trimBlanks(names.collectionClass)))
        return;
    throw Error("クラスモジュール生成: テーブル " + table.tableName() + " のクラス名とコレクションクラス名が同じ " +
                trimBlanks(names.itemClass) + " になります。クラスモジュールの接頭語 \"" + ids.ClassPrefix +
                "\" とコレクションの接頭語 \"" + ids.CollectionPrefix + "\" を別の文字列にしてください");
}

// Two tables whose class names meet: the later file replaces the earlier.
class ClassNameRegister {
public:
    void add(const std::string& className, const std::string& table, GenerationContext& ctx)
    {
        auto [it, inserted] = tables_.emplace(toLowerAscii(trimBlanks(className)), table);
        if (!inserted && it->second != table)
            ctx.warnings.add("テーブル " + printableText(it->second) + " と " + printableText(table) + " のクラス名が同じ " +
                             trimBlanks(className) + " になるため、後のテーブルのファイルが先のファイルを置き換えます");
    }

private:
    std::map<std::string, std::string> tables_;
};

// Statements of the collection class continued over more lines than
// Visual Basic allows: Add's head and its call take every field.
void warnLongStatements(const VbTable& table, GenerationContext& ctx)
{
    if (table.fields.size() + 1 <= kMaxLineContinuations)
        return;
    ctx.warnings.add("テーブル " + printableText(table.tableName()) + " はフィールドが " + std::to_string(table.fields.size()) +
                     " 個あり、コレクションクラスの Add などの行継続が " +
                     std::to_string(kMaxLineContinuations) + " を超えるため、VB ではコンパイルできません");
}

void warnLongLines(const OutputFile& file, const VbTable& table, GenerationContext& ctx)
{
    if (file.lines.longestLineBytes() > kMaxLineBytes)
        ctx.warnings.add("テーブル " + printableText(table.tableName()) + " のクラス " + printableText(fileNameOf(file.path)) + " に " +
                         std::to_string(kMaxLineBytes) +
                         " バイトを超える行があり、VB では読み込めません。Tab文字数を小さくするか、" +
                         "長い名前やコメントを変換テーブルで短くしてください");
}

OutputFile itemClassAlone(const VbTable& table, const std::string& folder, const RunSettings& settings)
{
    SourcePrinter p(settings);
    WriteClassHeader(p, table);
    WritePropertyProcedures(p, table);
    WriteReadFunction(p, table);
    WriteWriteSub(p, table);
    WriteDeleteSub(p, table);
    WriteNullCheckFunctions(p, *table.ids);
    return {classFilePath(folder, table.itemClass), p.takeLines()};
}

OutputFile itemClassOfCollection(const VbTable& table, const std::string& folder, const RunSettings& settings)
{
    SourcePrinter p(settings);
    WriteClassHeader(p, table);
    WritePropertyProcedures(p, table);
    return {classFilePath(folder, table.itemClass), p.takeLines()};
}

OutputFile collectionClass(const VbTable& table, const std::string& folder, const RunSettings& settings)
{
    SourcePrinter p(settings);
    WriteCollectionHeader(p, table);
    WriteCollectionReadFunction(p, table);
    WriteCollectionWriteSub(p, table);
    WriteCollectionDeleteSub(p, table);
    WriteNullCheckFunctions(p, *table.ids);
    WriteCollectionMembers(p, table);
    return {classFilePath(folder, table.collectionClass), p.takeLines()};
}

}  // namespace

std::string classFilePath(const std::string& outputFolder, const std::string& className)
{
    // Identifier parts never hold "/", but the prefixes are the user's.
    std::string name = trimBlanks(className);
    for (char& c : name)
        if (c == '/')
            c = '_';
    return joinPath(outputFolder, name + ".cls");
}

std::vector<OutputFile> MakeClassModules(const std::vector<DefinitionTable>& vbTables,
                                         const std::string& outputFolder, GenerationContext& ctx)
{
    const RunSettings& settings = ctx.settings;
    const bool collection = settings.collection();

    std::vector<VbTable> tables;
    tables.reserve(vbTables.size());
    for (const DefinitionTable& table : vbTables) {
        requireRows(table);
        tables.push_back(describeClassTable(table, ctx));
        if (collection)
            refuseSameClassNames(table, tables.back(), ctx.ids);
    }

    ClassNameRegister names;
    std::vector<OutputFile> files;
    files.reserve(tables.size() * (collection ? 2 : 1));
    for (const VbTable& table : tables) {
        names.add(table.itemClass, table.tableName(), ctx);
        if (collection) {
            names.add(table.collectionClass, table.tableName(), ctx);
            warnLongStatements(table, ctx);
            files.push_back(itemClassOfCollection(table, outputFolder, settings));
            files.push_back(collectionClass(table, outputFolder, settings));
        } else {
            files.push_back(itemClassAlone(table, outputFolder, settings));
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i)
        warnLongLines(files[i], tables[collection ? i / 2 : i], ctx);
    return files;
}

}  // namespace schemist
