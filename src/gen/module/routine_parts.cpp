// Routine head and key condition block of the generated read, write and
// delete routines of a standard module.
#include "gen/module/routine_parts.h"

#include "gen/common/recordset_code.h"

namespace schemist {
namespace {

const std::string& routineSuffix(RoutineKind kind, const IdentifierSet& ids)
{
    switch (kind) {
    case RoutineKind::Read: return ids.ReadSuffix;
    case RoutineKind::Write: return ids.WriteSuffix;
    case RoutineKind::Delete: break;
    }
    return ids.DeleteSuffix;
}

// The declaration line; with the user-defined type it is the second
// parameter (written without a blank after the comma).
void writeDeclaration(SourcePrinter& p, const VbTable& table, RoutineKind kind)
{
    const std::string structure =
        withStructure(p.settings())
            ? expandTemplate(",$typ$ as $def$", {{"typ", table.structureParameter}, {"def", table.structureType}})
            : std::string();
    const std::string routine = routineName(table, kind);
    const TemplateVars vars = {{"routine", routine},
                               {"db", table.databaseParameter},
                               {"structure", structure}};
    if (kind == RoutineKind::Read)
        p.printWithComment(0, "public function $routine$($db$ as database$structure$) as boolean", vars,
                           table.comment);
    else
        p.printWithComment(0, "public sub $routine$($db$ as database$structure$)", vars, table.comment);
}

void writeUsage(SourcePrinter& p, const VbTable& table, RoutineKind kind)
{
    const bool structure = withStructure(p.settings());
    const TemplateVars vars = {{"db", table.databaseParameter}, {"typ", table.structureParameter}};
    p.print(0, "' 使い方");
    if (structure)
        p.print(0, "' 主キーエリアにデータを入れて本サブルーチンをコールする。");
    p.block(R"(
' パラメータ説明
' $db$ : データベースオブジェクト(Input)
)",
            vars);
    if (structure)
        p.print(0, kind == RoutineKind::Read ? "' $typ$ : 入出力用構造体(Input/Output)" : "' $typ$ : 入力用構造体(Input)",
                vars);
    if (kind == RoutineKind::Read)
        p.block(R"(
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）
)");
}

// Only the read function explains its local variables.
void writeLocalVariables(SourcePrinter& p, const VbTable& table, RoutineKind kind)
{
    const TemplateVars vars = {{"sql", table.ids->SqlVariable}, {"rs", table.recordsetVariable}};
    if (kind == RoutineKind::Read)
        p.block(R"(

    dim $sql$ as string$>$' SQLを一時的に格納
    dim $rs$ as recordset$>$' レコードセットを一時的に格納

)",
                vars);
    else
        p.block(R"(

    dim $sql$ as string
    dim $rs$ as recordset

)",
                vars);
}

}  // namespace

bool withStructure(const RunSettings& settings) { return settings.ModuleKind == ModuleKind::TypeAndModule; }

std::string routineName(const VbTable& table, RoutineKind kind)
{
    return table.routineBase + routineSuffix(kind, *table.ids);
}

void writeRoutineHead(SourcePrinter& p, const VbTable& table, RoutineKind kind)
{
    writeDeclaration(p, table, kind);
    writeUsage(p, table, kind);
    writeLocalVariables(p, table, kind);
}

void writeKeyConditionBlock(SourcePrinter& p, const VbTable& table, RoutineKind kind)
{
    const bool structure = withStructure(p.settings());
    const bool withType = structure && p.settings().with();
    // Outside a with-statement each key value names the structure parameter.
    const std::string structureReference = structure && !withType ? table.structureParameter : std::string();

    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    if (withType)
        p.print(1, "with $typ$", {{"typ", table.structureParameter}});
    {
        auto inside = p.indented(withType ? 1 : 0);
        writeKeySql(p, table, kind == RoutineKind::Delete ? SqlForm::Delete : SqlForm::Select,
                    [&](const VbField& field) {
                        return structure ? structureReference + "." + field.typedName : std::string();
                    });
    }
    if (withType)
        p.print(1, "end with");
    p.blank();
}

}  // namespace schemist
