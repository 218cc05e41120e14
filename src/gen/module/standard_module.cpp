// Assembly of the generated standard module.
#include "gen/module/standard_module.h"

#include "gen/common/null_check_functions.h"
#include "gen/module/read_function.h"
#include "gen/module/type_module.h"
#include "gen/module/write_delete.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace schemist {
namespace {

// What the Visual Basic editor accepts in one module.
constexpr std::size_t kMostModuleLines = 65535;
constexpr std::size_t kMostLineBytes = 1023;

// The output name becomes part of the module's VB_Name, which must be an
// identifier; characters that cannot stand in one are written as "_".
std::string moduleIdentifier(const std::string& moduleName, GenerationContext& ctx)
{
    if (isPlainIdentifier(moduleName))
        return moduleName;
    std::string fixed = identifierFrom(moduleName);
    ctx.warnings.add("出力名 " + printableText(moduleName) + " はモジュール名に使えない文字を含むため、モジュール名では " + fixed +
                     " として出力しました");
    return fixed;
}

// The model of every table. The tables share the module's name space, so two
// tables written under one identifier are reported.
std::vector<VbTable> moduleTablesFrom(const std::vector<DefinitionTable>& vbTables, GenerationContext& ctx)
{
    std::vector<VbTable> tables;
    tables.reserve(vbTables.size());
    for (const DefinitionTable& table : vbTables) {
        if (table.rows.empty())
            throw Error("VB_Table にテーブル番号 " + std::to_string(table.TableNo) +
                        " の行がないため、標準モジュールを作成できません");
        tables.push_back(buildVbTable(table, ctx));
        ctx.claimName("", tables.back().identifier, tables.back().databaseName);
    }
    return tables;
}

// Visual Basic refuses a Type without members; that happens when every field
// of a table lost its name or type in the conversion.
void warnEmptyTypes(const std::vector<DefinitionTable>& vbTables, const std::vector<VbTable>& tables,
                    GenerationContext& ctx)
{
    if (ctx.settings.ModuleKind != ModuleKind::TypeAndModule)
        return;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (tables[i].fields.empty())
            ctx.warnings.add("テーブル " + printableText(vbTables[i].tableName()) +
                             " のユーザー定義型にメンバーがありません (フィールド名か型が空です)。" +
                             "VB は空の Type をコンパイルできないため、変換テーブルを見直してください");
    }
}

void warnModuleLimits(const OutputFile& file, GenerationContext& ctx)
{
    const std::string name = printableText(fileNameOf(file.path));
    if (file.lines.size() > kMostModuleLines)
        ctx.warnings.add("標準モジュール " + name + " は " + std::to_string(file.lines.size()) + " 行あり、VB の 1 モジュールの上限 " +
                         std::to_string(kMostModuleLines) +
                         " 行を超えるため読み込めません。クラスモジュールで出力するか、テーブルを減らして分けて出力してください");
    if (file.lines.longestLineBytes() > kMostLineBytes)
        ctx.warnings.add("標準モジュール " + name + " に " + std::to_string(kMostLineBytes) +
                         " バイトを超える行があり、VB では読み込めません。Tab文字数を小さくするか、" +
                         "長い名前やコメントを変換テーブルで短くしてください");
}

// A module takes about 280 bytes and 9 lines per field under the start
// settings; twice that is room enough for long names and comments, and what
// stays unwritten is never touched.
void reserveForModule(SourcePrinter& p, const std::vector<DefinitionTable>& vbTables)
{
    std::size_t fields = 0;
    for (const DefinitionTable& table : vbTables)
        fields += table.rows.size();
    p.reserve(64 * 1024 + fields * 600, 1024 + fields * 20);
}

}  // namespace

void MakeModule(SourcePrinter& p, const std::vector<VbTable>& tables, const IdentifierSet& ids)
{
    MakeReadFunction(p, tables);
    MakeWriteSub(p, tables);
    MakeDeleteSub(p, tables);
    WriteNullCheckFunctions(p, ids);
}

OutputFile MakeStandardModule(const std::vector<DefinitionTable>& vbTables, const std::string& outputPathStem,
                              const std::string& moduleName, GenerationContext& ctx)
{
    const std::string path = outputPathStem + ".bas";
    if (vbTables.empty())
        throw Error("変換済みのテーブル定義がないため、標準モジュール " + path + " を作成できません");
    const std::vector<VbTable> tables = moduleTablesFrom(vbTables, ctx);
    SourcePrinter p(ctx.settings);
    reserveForModule(p, vbTables);
    MakeTypeModule(p, tables, moduleIdentifier(moduleName, ctx), ctx.ids);
    MakeModule(p, tables, ctx.ids);
    warnEmptyTypes(vbTables, tables, ctx);
    OutputFile file{path, p.takeLines()};
    warnModuleLimits(file, ctx);
    return file;
}

}  // namespace schemist
