// Write and delete procedures of the generated standard module.
#include "gen/module/write_delete.h"

#include "gen/module/routine_parts.h"

namespace schemist {
namespace {

// W13: copy every field, key fields included, from the structure into the
// recordset. A text field that does not allow zero-length strings is only
// written when its value is not empty.
void writeCopyLines(SourcePrinter& p, const ModuleTable& table, int b, const std::string& R)
{
    const RunSettings& settings = p.settings();
    const bool withStructure = routineShapeOf(settings).withStructure;
    for (const ModuleField& field : table.fields) {
        const std::string V = withStructure ? table.structureParameter + "." + field.memberName : std::string();
        const std::string F = fieldReference(field, R, settings);
        if (!field.writeGuarded) {
            p.printWithComment(b, "$F$ = $V$", {{"F", F}, {"V", V}}, field.comment);
            continue;
        }
        p.print(b, "if $V$$Q18$", {{"V", V}, {"Q18", fragment::Q18}});
        if (settings.FieldStyle == 1) {
            p.print(b + 1, "$F$ = _", {{"F", F}});
            p.printWithComment(b + 2, "$V$", {{"V", V}}, field.comment);
        } else {
            p.printWithComment(b + 1, "$F$ = $V$", {{"F", F}, {"V", V}}, field.comment);
        }
        p.print(b, "end if");
    }
}

void writeWriteSub(SourcePrinter& p, const ModuleTable& table, const IdentifierSet& ids)
{
    const RoutineShape shape = routineShapeOf(p.settings());
    p.blank();
    writeRoutineHead(p, table, RoutineKind::Write, ids);         // H1..H13
    writeKeyConditionBlock(p, table, RoutineKind::Write, ids);   // W1
    p.print(1, "set $rst$ = $dbo$.openrecordset($sql$)",
            {{"rst", table.recordsetVariable}, {"dbo", table.databaseParameter}, {"sql", ids.SqlVariable}});  // W2
    p.blank();  // W3
    if (shape.withBlocks)
        p.print(1, "with $rst$", {{"rst", table.recordsetVariable}});  // W4

    // From W4 on: block level b and recordset reference R.
    const int b = shape.withBlocks ? 2 : 1;
    const std::string R = shape.withBlocks ? std::string() : table.recordsetVariable;
    p.print(b, "' レコードが存在する場合には更新をして、ない場合には追加をします");  // W5
    p.print(b, "if $R$.eof = true then", {{"R", R}});                                // W6
    p.printWithFixedComment(b + 1, "$R$.addnew", {{"R", R}}, "' 新規追加");          // W7
    p.print(b, "else");                                                               // W8
    p.printWithFixedComment(b + 1, "$R$.edit", {{"R", R}}, "' 既存変更");            // W9
    p.print(b, "end if");                                                             // W10
    p.blank();                                                                        // W11
    if (shape.withStructure)
        p.print(b, "' 構造体からレコードセットへデータをコピー");  // W12
    writeCopyLines(p, table, b, R);                                // W13
    p.print(b, "$R$.update", {{"R", R}});                          // W14
    p.print(b, "$R$.close", {{"R", R}});                           // W15
    if (shape.withBlocks)
        p.print(1, "end with");  // W16
    p.print(0, "end sub");       // W17
}

void writeDeleteSub(SourcePrinter& p, const ModuleTable& table, const IdentifierSet& ids)
{
    p.blank();
    writeRoutineHead(p, table, RoutineKind::Delete, ids);        // H1..H13
    writeKeyConditionBlock(p, table, RoutineKind::Delete, ids);  // D1
    p.print(1, "$dbo$.Execute($sql$)", {{"dbo", table.databaseParameter}, {"sql", ids.SqlVariable}});  // D2
    p.print(0, "end sub");  // D3
}

}  // namespace

void MakeWriteSub(SourcePrinter& p, const std::vector<ModuleTable>& tables, const IdentifierSet& ids)
{
    p.blank();
    p.print(0, "' DAOを使った書き込みルーチンのサンプルです");
    for (const ModuleTable& table : tables)
        writeWriteSub(p, table, ids);
}

void MakeDeleteSub(SourcePrinter& p, const std::vector<ModuleTable>& tables, const IdentifierSet& ids)
{
    p.blank();
    p.print(0, "' DAOを使ったレコード削除ルーチンのサンプルです");
    for (const ModuleTable& table : tables)
        writeDeleteSub(p, table, ids);
}

}  // namespace schemist
