// Shared pieces of the generated record methods.
#include "gen/class/record_code.h"

namespace schemist {

int recordLevel(const SourcePrinter& p) { return p.settings().with() ? 2 : 1; }

// The recordset written before its members; inside a with-statement nothing.
static std::string recordsetReference(const SourcePrinter& p, const ClassTable& table)
{
    return p.settings().with() ? std::string() : table.recordset;
}

void writeUsageHead(SourcePrinter& p, const ClassTable& table, std::string_view usage)
{
    p.print(0, "' 使い方");
    if (!usage.empty())
        p.print(0, "$usage$", {{"usage", usage}});
    p.print(0, "' パラメータ説明");
    p.print(0, "' $db$ : データベースオブジェクト(Input)", {{"db", table.databaseParameter}});
}

void writeReturnValueLines(SourcePrinter& p)
{
    p.print(0, "' 戻り値");
    p.print(0, "' True  : 読み込み成功");
    p.print(0, "' False : 読み込みデータ無し（失敗）");
}

void writeSqlDeclaration(SourcePrinter& p, const ClassTable& table)
{
    p.printWithFixedComment(1, "dim $sql$ as string", {{"sql", table.ids->SqlVariable}}, "' SQLを一時的に格納");
}

void writeRecordsetDeclaration(SourcePrinter& p, const ClassTable& table)
{
    p.printWithFixedComment(1, "dim $rs$ as recordset", {{"rs", table.recordset}}, "' レコードセットを一時的に格納");
}

void writeLoopDeclaration(SourcePrinter& p, const ClassTable& table)
{
    p.printWithFixedComment(1, "dim $loop$ as integer", {{"loop", table.ids->LoopVariable}}, "' コレクションキー項目");
}

void writeFlagDeclaration(SourcePrinter& p, const ClassTable& table)
{
    p.printWithFixedComment(1, "dim $flag$ as boolean", {{"flag", table.ids->FlagVariable}}, "' フラグ項目");
}

void writeSqlStart(SourcePrinter& p, const ClassTable& table, SqlForm form)
{
    const TemplateVars vars = {{"sql", table.ids->SqlVariable}, {"table", table.sqlTable}};
    if (form == SqlForm::Select)
        p.print(1, "$sql$ = \"SELECT * FROM [$table$] \"", vars);
    else
        p.print(1, "$sql$ = \"DELETE * FROM [$table$] \"", vars);
}

const std::string& keyValueName(const ClassField& field, KeyValue value)
{
    return value == KeyValue::Member ? field.member : field.property;
}

std::string keyConditionText(const ClassTable& table, const ClassField& field, bool first, KeyValue value)
{
    return expandTemplate("$sql$ = $sql$ & \"$and$$column$=$value$",
                          {{"sql", table.ids->SqlVariable},
                           {"and", first ? "" : "AND "},
                           {"column", field.keyColumn},
                           {"value", keyValuePart(field.typeClass, keyValueName(field, value))}});
}

void writeKeyBlock(SourcePrinter& p, const ClassTable& table, SqlForm form, KeyValue value)
{
    writeSqlStart(p, table, form);
    bool first = true;
    for (const ClassField* key : table.keyFields()) {
        if (first)
            p.print(1, "$sql$ = $sql$ & \"WHERE \"", {{"sql", table.ids->SqlVariable}});
        p.printWithComment(1, "$condition$", {{"condition", keyConditionText(table, *key, first, value)}},
                           key->comment);
        first = false;
    }
}

void writeOpenRecordset(SourcePrinter& p, const ClassTable& table)
{
    p.print(1, "set $rs$ = $db$.openrecordset($sql$)",
            {{"rs", table.recordset}, {"db", table.databaseParameter}, {"sql", table.ids->SqlVariable}});
}

void writeReadResultBranch(SourcePrinter& p, const ClassTable& table)
{
    const int L = recordLevel(p);
    const std::string P = recordsetReference(p, table);
    const TemplateVars vars = {{"rs", P}, {"read", table.ids->ClassReadName}};
    if (p.settings().with())
        p.print(1, "with $rs$", {{"rs", table.recordset}});
    p.print(L, "' レコードが無い場合には、Falseを関数値としてセットして関数を終了します");
    p.print(L, "' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます");
    p.print(L, "if $rs$.eof = true then", vars);
    p.printWithFixedComment(L + 1, "$read$ = false", vars, "' 該当レコードが無い");
    p.print(L, "else");
    p.printWithFixedComment(L + 1, "$read$ = true", vars, "' 該当レコードが有る");
}

void writeAddOrEdit(SourcePrinter& p, const ClassTable& table)
{
    const int L = recordLevel(p);
    const std::string P = recordsetReference(p, table);
    const TemplateVars vars = {{"rs", P}};
    if (p.settings().with())
        p.print(1, "with $rs$", {{"rs", table.recordset}});
    p.print(L, "' レコードが存在する場合には更新をして、ない場合には追加をします");
    p.print(L, "if $rs$.eof = true then", vars);
    p.printWithFixedComment(L + 1, "$rs$.addnew", vars, "' 新規追加");
    p.print(L, "else");
    p.printWithFixedComment(L + 1, "$rs$.edit", vars, "' 既存変更");
    p.print(L, "end if");
}

void writeFieldAssignment(SourcePrinter& p, const ClassField& field, const std::string& value, int base)
{
    const TemplateVars vars = {{"field", field.reference}, {"value", value}};
    if (!field.guarded) {
        p.printWithComment(base, "$field$ = $value$", vars, field.comment);
        return;
    }
    p.print(base, "if $value$ <> \"\" then ", vars);
    if (p.settings().FieldStyle == 1) {
        p.print(base + 1, "$field$ = _", vars);
        p.printWithComment(base + 2, "$value$", vars, field.comment);
    } else {
        p.printWithComment(base + 1, "$field$ = $value$", vars, field.comment);
    }
    p.print(base, "end if");
}

void writeRecordBlockEnd(SourcePrinter& p, const ClassTable& table, bool update)
{
    const int L = recordLevel(p);
    const std::string P = recordsetReference(p, table);
    const TemplateVars vars = {{"rs", P}};
    if (update)
        p.print(L, "$rs$.update", vars);
    p.print(L, "$rs$.close", vars);
    if (p.settings().with())
        p.print(1, "end with");
}

}  // namespace schemist
