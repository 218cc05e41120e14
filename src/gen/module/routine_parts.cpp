// Routine head and key condition block of the generated read, write and
// delete routines.
#include "gen/module/routine_parts.h"

namespace schemist {
namespace {

// Value parts of a key condition line by type class; $ref$ is the structure
// member (S + M), empty in a module without the user-defined type.
constexpr const char* kTextValue = R"('" & $ref$ & "' ")";                          // Q6 S M Q7 Q8
constexpr const char* kNumberValue = R"(" & cstr($ref$) & " ")";                    // Q12 cstr( S M Q13 Q14
constexpr const char* kDateValue = R"(#" & format($ref$,"yyyy/mm/dd") & "# ")";     // Q9 format( S M Q10 Q11

std::string keyValuePart(TypeClass typeClass, const std::string& ref)
{
    switch (typeClass) {
    case TypeClass::Text: return expandTemplate(kTextValue, {{"ref", ref}});
    case TypeClass::Number:
    case TypeClass::YesNo: return expandTemplate(kNumberValue, {{"ref", ref}});
    case TypeClass::Date: return expandTemplate(kDateValue, {{"ref", ref}});
    case TypeClass::LongText:
    case TypeClass::Other: break;  // no value: the line ends inside its string literal
    }
    return {};
}

const char* routineSuffix(RoutineKind kind, const IdentifierSet& ids)
{
    switch (kind) {
    case RoutineKind::Read: return ids.ReadSuffix.c_str();
    case RoutineKind::Write: return ids.WriteSuffix.c_str();
    case RoutineKind::Delete: return ids.DeleteSuffix.c_str();
    }
    return "";
}

}  // namespace

RoutineShape routineShapeOf(const RunSettings& settings)
{
    return {settings.ModuleKind == 1, settings.with()};
}

std::string routineName(const ModuleTable& table, RoutineKind kind, const IdentifierSet& ids)
{
    return table.routineBase + routineSuffix(kind, ids);
}

void writeRoutineHead(SourcePrinter& p, const ModuleTable& table, RoutineKind kind, const IdentifierSet& ids)
{
    const RoutineShape shape = routineShapeOf(p.settings());
    const bool read = kind == RoutineKind::Read;
    const std::string routine = routineName(table, kind, ids);
    const std::string structureArgument =
        shape.withStructure ? expandTemplate(",$typ$ as $def$", {{"typ", table.structureParameter},
                                                                 {"def", table.structureType}})
                            : std::string();
    const TemplateVars names = {{"routine", routine},
                                {"dbo", table.databaseParameter},
                                {"structure", structureArgument},
                                {"typ", table.structureParameter},
                                {"rst", table.recordsetVariable},
                                {"sql", ids.SqlVariable}};

    // H1
    p.printWithComment(0,
                       read ? "public function $routine$($dbo$ as database$structure$) as boolean"
                            : "public sub $routine$($dbo$ as database$structure$)",
                       names, table.comment);
    p.print(0, "' 使い方");                                                       // H2
    if (shape.withStructure)
        p.print(0, "' 主キーエリアにデータを入れて本サブルーチンをコールする。");  // H3
    p.print(0, "' パラメータ説明");                                               // H4
    p.print(0, "' $dbo$ : データベースオブジェクト(Input)", names);               // H5
    if (shape.withStructure)                                                       // H6
        p.print(0, read ? "' $typ$ : 入出力用構造体(Input/Output)" : "' $typ$ : 入力用構造体(Input)", names);
    if (read) {
        p.print(0, "' 戻り値");                              // H7
        p.print(0, "' True  : 読み込み成功");                // H8
        p.print(0, "' False : 読み込みデータ無し（失敗）");  // H9
    }
    p.blank();  // H10
    if (read) {
        p.printWithFixedComment(1, "dim $sql$ as string", names, "' SQLを一時的に格納");               // H11
        p.printWithFixedComment(1, "dim $rst$ as recordset", names, "' レコードセットを一時的に格納");  // H12
    } else {
        p.print(1, "dim $sql$ as string", names);     // H11
        p.print(1, "dim $rst$ as recordset", names);  // H12
    }
    p.blank();  // H13
}

void writeKeyConditionBlock(SourcePrinter& p, const ModuleTable& table, RoutineKind kind,
                            const IdentifierSet& ids)
{
    const RoutineShape shape = routineShapeOf(p.settings());
    const bool typeWith = shape.withStructure && shape.withBlocks;
    // Block level b and the structure reference S of the key values.
    const int b = typeWith ? 2 : 1;
    const std::string S = shape.withStructure && !typeWith ? table.structureParameter : std::string();
    const std::string& sql = ids.SqlVariable;

    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");  // K1
    if (typeWith)
        p.print(1, "with $typ$", {{"typ", table.structureParameter}});  // K2
    p.print(b, kind == RoutineKind::Delete ? R"($sql$ = "DELETE * FROM [$table$] ")"
                                           : R"($sql$ = "SELECT * FROM [$table$] ")",
            {{"sql", sql}, {"table", table.tableLiteral}});  // K3
    if (table.hasKey)
        p.print(b, R"($sql$ = $sql$ & "WHERE ")", {{"sql", sql}});  // K4
    bool first = true;
    for (const ModuleField& field : table.fields) {
        if (!field.key)
            continue;
        const std::string member = shape.withStructure ? "." + field.memberName : std::string();
        p.printWithComment(b, R"($sql$ = $sql$ & "$and$$field$=$value$)",
                           {{"sql", sql},
                            {"and", first ? "" : "AND "},
                            {"field", field.keyName},
                            {"value", keyValuePart(field.typeClass, S + member)}},
                           field.comment);  // K5
        first = false;
    }
    if (typeWith)
        p.print(1, "end with");  // K6
    p.blank();                   // K7
}

std::string fieldReference(const ModuleField& field, std::string_view recordset, const RunSettings& settings)
{
    std::string ref(recordset);
    if (settings.FieldStyle == 1)
        ref.append(fragment::Q15).append(field.fieldLiteral).append(fragment::Q16);
    else
        ref.append("![").append(field.fieldReference).append("]");
    return ref;
}

}  // namespace schemist
