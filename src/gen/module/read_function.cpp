// Read functions of the generated standard module.
#include "gen/module/read_function.h"

#include "gen/module/routine_parts.h"

namespace schemist {
namespace {

// What R3 assigns to clear a member; long text and other types get nothing.
std::string_view initialValue(TypeClass typeClass)
{
    switch (typeClass) {
    case TypeClass::Text: return fragment::Q17;
    case TypeClass::Number: return " = 0";
    case TypeClass::Date: return " = now()";
    case TypeClass::YesNo: return " = false";
    case TypeClass::LongText:
    case TypeClass::Other: break;
    }
    return {};
}

// R1..R4: clear the structure, so that a missing record leaves no old values.
void writeClearingLines(SourcePrinter& p, const ModuleTable& table, bool withBlocks)
{
    p.print(1, "' レコードが無い場合に備えて、変数のクリアを行います");  // R1
    if (withBlocks)
        p.print(1, "with $typ$", {{"typ", table.structureParameter}});  // R2
    const int c = withBlocks ? 2 : 1;
    const std::string C = withBlocks ? std::string() : table.structureParameter;
    for (const ModuleField& field : table.fields) {
        if (field.key)
            continue;
        const std::string_view initial = initialValue(field.typeClass);
        if (initial.empty())  // R3 without a value to assign: indentation and C only
            p.printWithComment(c, "$C$", {{"C", C}}, field.comment);
        else
            p.printWithComment(c, "$C$.$member$$initial$",
                               {{"C", C}, {"member", field.memberName}, {"initial", initial}}, field.comment);
    }
    if (withBlocks)
        p.print(1, "end with");  // R4
}

// The Null-check function call that wraps a field value (CheckStyle 2).
std::string nullCheckCall(TypeClass typeClass, const IdentifierSet& ids)
{
    switch (typeClass) {
    case TypeClass::Text:
    case TypeClass::LongText: return ids.StringNullCheck;
    case TypeClass::Number: return ids.NumericNullCheck;
    default: return {};
    }
}

// R18: copy the non-key fields from the recordset into the structure.
void writeCopyLines(SourcePrinter& p, const ModuleTable& table, int b, const std::string& R, const IdentifierSet& ids)
{
    const RunSettings& settings = p.settings();
    const bool withStructure = routineShapeOf(settings).withStructure;
    for (const ModuleField& field : table.fields) {
        if (field.key)
            continue;
        const std::string T = withStructure ? table.structureParameter + "." + field.memberName : std::string();
        const std::string F = fieldReference(field, R, settings);
        if (settings.CheckStyle == 1) {
            p.print(b + 1, "if isnull($F$) = false then", {{"F", F}});
            p.print(b + 2, "$T$ = _", {{"T", T}});
            p.printWithComment(b + 3, "$F$", {{"F", F}}, field.comment);
            p.print(b + 1, "end if");
        } else {
            const std::string call = nullCheckCall(field.typeClass, ids);
            if (call.empty())
                p.printWithComment(b + 1, "$T$ = $F$", {{"T", T}, {"F", F}}, field.comment);
            else
                p.printWithComment(b + 1, "$T$ = $call$($F$)", {{"T", T}, {"call", call}, {"F", F}},
                                   field.comment);
        }
    }
}

void writeReadFunction(SourcePrinter& p, const ModuleTable& table, const IdentifierSet& ids)
{
    const RoutineShape shape = routineShapeOf(p.settings());
    const std::string routine = routineName(table, RoutineKind::Read, ids);

    writeRoutineHead(p, table, RoutineKind::Read, ids);  // H1..H13
    if (shape.withStructure)
        writeClearingLines(p, table, shape.withBlocks);  // R1..R4
    p.blank();                                           // R5
    writeKeyConditionBlock(p, table, RoutineKind::Read, ids);  // R6
    p.print(1, "set $rst$ = $dbo$.openrecordset($sql$)",
            {{"rst", table.recordsetVariable}, {"dbo", table.databaseParameter}, {"sql", ids.SqlVariable}});  // R7
    p.blank();  // R8
    if (shape.withBlocks)
        p.print(1, "with $rst$", {{"rst", table.recordsetVariable}});  // R9

    // From R9 on: block level b and recordset reference R.
    const int b = shape.withBlocks ? 2 : 1;
    const std::string R = shape.withBlocks ? std::string() : table.recordsetVariable;
    p.print(b, "' レコードが無い場合には、Falseを関数値としてセットして関数を終了します");    // R10
    p.print(b, "' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます");  // R11
    p.print(b, "if $R$.eof = true then", {{"R", R}});                                           // R12
    p.printWithFixedComment(b + 1, "$routine$ = false", {{"routine", routine}}, "' 該当レコードが無い");  // R13
    p.print(b, "else");                                                                                    // R14
    p.printWithFixedComment(b + 1, "$routine$ = true", {{"routine", routine}}, "' 該当レコードが有る");   // R15
    p.blank();                                                                                             // R16
    if (shape.withStructure)
        p.print(b + 1, "' レコードセットから構造体へデータをコピー");  // R17
    writeCopyLines(p, table, b, R, ids);                               // R18
    p.print(b, "end if");                                              // R19
    p.print(b, "$R$.close", {{"R", R}});                               // R20
    if (shape.withBlocks)
        p.print(1, "end with");  // R21
    p.print(0, "end function");  // R22
}

}  // namespace

void MakeReadFunction(SourcePrinter& p, const std::vector<ModuleTable>& tables, const IdentifierSet& ids)
{
    p.blank();
    p.print(0, "' DAOを使った読み込みルーチンのサンプルです");
    for (const ModuleTable& table : tables)
        writeReadFunction(p, table, ids);
}

}  // namespace schemist
