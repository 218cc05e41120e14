// Record code shared by the standard module's routines and the class methods.
#include "gen/common/recordset_code.h"

namespace schemist {
namespace {

void writeWithRecordset(SourcePrinter& p, const VbTable& table)
{
    if (p.settings().with())
        p.print(1, "with $rs$", {{"rs", table.recordsetVariable}});
}

}  // namespace

int recordLevel(const SourcePrinter& p) { return p.settings().with() ? 2 : 1; }

void writeSqlStart(SourcePrinter& p, const VbTable& table, SqlForm form)
{
    const TemplateVars vars = {{"sql", table.ids->SqlVariable}, {"table", table.sqlTable}};
    if (form == SqlForm::Select)
        p.print(1, R"($sql$ = "SELECT * FROM [$table$] ")", vars);
    else
        p.print(1, R"($sql$ = "DELETE * FROM [$table$] ")", vars);
}

void writeKeySql(SourcePrinter& p, const VbTable& table, SqlForm form,
                 const std::function<std::string(const VbField&)>& valueOf)
{
    const std::string& sql = table.ids->SqlVariable;
    writeSqlStart(p, table, form);
    bool first = true;
    for (const VbField* key : table.keyFields()) {
        if (first)
            p.print(1, R"($sql$ = $sql$ & "WHERE ")", {{"sql", sql}});
        p.printWithComment(1, "$condition$", {{"condition", keyConditionText(sql, *key, first, valueOf(*key))}},
                           key->comment);
        first = false;
    }
}

void writeOpenRecordset(SourcePrinter& p, const VbTable& table)
{
    p.block(R"(
    set $rs$ = $db$.openrecordset($sql$)

)",
            {{"rs", table.recordsetVariable}, {"db", table.databaseParameter}, {"sql", table.ids->SqlVariable}});
}

void writeReadResultBranch(SourcePrinter& p, const VbTable& table, const std::string& function)
{
    writeWithRecordset(p, table);
    auto record = p.indented(recordLevel(p));
    p.block(R"(
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if $rs$.eof = true then
    $function$ = false$>$' 該当レコードが無い
else
    $function$ = true$>$' 該当レコードが有る
)",
            {{"rs", table.recordsetReference}, {"function", function}});
}

void writeAddOrEdit(SourcePrinter& p, const VbTable& table)
{
    writeWithRecordset(p, table);
    auto record = p.indented(recordLevel(p));
    p.block(R"(
' レコードが存在する場合には更新をして、ない場合には追加をします
if $rs$.eof = true then
    $rs$.addnew$>$' 新規追加
else
    $rs$.edit$>$' 既存変更
end if
)",
            {{"rs", table.recordsetReference}});
}

void writeReadCopy(SourcePrinter& p, const VbField& field, const std::string& target)
{
    const std::string comment = trailingComment(field.comment);
    if (p.settings().CheckStyle == CheckStyle::InlineIf)
        p.block(R"(
if isnull($field$) = false then
    $target$ = _
        $field$$>$$comment$
end if
)",
                {{"field", field.reference}, {"target", target}, {"comment", comment}});
    else
        p.print(0, "$target$ = $value$$>$$comment$",
                {{"target", target}, {"value", field.checkedReference}, {"comment", comment}});
}

void writeFieldAssignment(SourcePrinter& p, const VbField& field, const std::string& value)
{
    const std::string comment = trailingComment(field.comment);
    const TemplateVars vars = {{"field", field.reference}, {"value", value}, {"comment", comment}};
    if (!field.writeGuarded) {
        p.print(0, "$field$ = $value$$>$$comment$", vars);
        return;
    }
    p.print(0, R"(if $value$ <> "" then )", vars);  // the guard line ends in a blank
    {
        auto guarded = p.indented();
        if (p.settings().FieldStyle == FieldStyle::FieldsValue)
            p.block("$field$ = _\n    $value$$>$$comment$", vars);
        else
            p.print(0, "$field$ = $value$$>$$comment$", vars);
    }
    p.print(0, "end if");
}

void writeReadResultEnd(SourcePrinter& p, const VbTable& table)
{
    p.print(recordLevel(p), "end if");
    writeRecordBlockEnd(p, table, false);
}

void writeRecordBlockEnd(SourcePrinter& p, const VbTable& table, bool update)
{
    {
        auto record = p.indented(recordLevel(p));
        if (update)
            p.print(0, "$rs$.update", {{"rs", table.recordsetReference}});
        p.print(0, "$rs$.close", {{"rs", table.recordsetReference}});
    }
    if (p.settings().with())
        p.print(1, "end with");
}

}  // namespace schemist
