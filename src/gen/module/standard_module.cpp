// Assembly of the generated standard module.
#include "gen/module/standard_module.h"

#include "gen/common/null_check_functions.h"
#include "gen/module/read_function.h"
#include "gen/module/type_module.h"
#include "gen/module/write_delete.h"
#include "platform/error.h"

namespace schemist {
namespace {

// The output name becomes part of the module's VB_Name, which must be an
// identifier; characters that cannot stand in one are written as "_".
std::string moduleIdentifier(const std::string& moduleName, GenerationContext& ctx)
{
    if (isPlainIdentifier(moduleName))
        return moduleName;
    std::string fixed = identifierFrom(moduleName);
    ctx.warnings.add("出力名 " + moduleName + " はモジュール名に使えない文字を含むため、モジュール名では " + fixed +
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
    MakeTypeModule(p, tables, moduleIdentifier(moduleName, ctx), ctx.ids);
    MakeModule(p, tables, ctx.ids);
    return OutputFile{path, p.takeLines()};
}

}  // namespace schemist
