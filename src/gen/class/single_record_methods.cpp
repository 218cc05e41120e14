// Single-record methods of the item class. Key fields are never cleared or
// copied by the read function: their members keep the values the record
// was looked up by.
#include "gen/class/single_record_methods.h"

#include "gen/class/record_code.h"

namespace schemist {
namespace {

// The value a cleared member starts with; empty for a type without one.
std::string initialValue(TypeClass typeClass)
{
    switch (typeClass) {
    case TypeClass::Text: return " = \"\"";
    case TypeClass::Number: return " = 0";
    case TypeClass::Date: return " = now()";
    case TypeClass::YesNo: return " = false";
    default: return {};
    }
}

// A member of a type without an initial value is not cleared: the line
// keeps only its indentation and the comment.
void writeClearingLine(SourcePrinter& p, const ClassField& f)
{
    std::string value = initialValue(f.typeClass);
    std::string member = value.empty() ? std::string() : f.member;
    p.printWithComment(1, "$member$$value$", {{"member", member}, {"value", value}}, f.comment);
}

void writeCopyLines(SourcePrinter& p, const ClassTable& table, const ClassField& f, int L)
{
    const TemplateVars vars = {{"member", f.member}, {"field", f.reference}};
    if (p.settings().CheckStyle == 1) {
        p.print(L + 1, "if isnull($field$) = false then", vars);
        p.print(L + 2, "$member$ = _", vars);
        p.printWithComment(L + 3, "$field$", vars, f.comment);
        p.print(L + 1, "end if");
    } else {
        p.printWithComment(L + 1, "$member$ = $value$",
                           {{"member", f.member}, {"value", nullCheckedReference(f, *table.ids)}}, f.comment);
    }
}

void writeDeclarations(SourcePrinter& p, const ClassTable& table)
{
    writeSqlDeclaration(p, table);
    writeRecordsetDeclaration(p, table);
}

}  // namespace

void WriteReadFunction(SourcePrinter& p, const ClassTable& table)
{
    const int L = recordLevel(p);
    p.printWithComment(0, "public function $read$($db$ as database) as boolean",
                       {{"read", table.ids->ClassReadName}, {"db", table.databaseParameter}}, table.comment);
    writeUsageHead(p, table, "' 主キーエリアにデータを入れて本メソッドをコールする。");
    writeReturnValueLines(p);
    p.blank();
    writeDeclarations(p, table);
    p.blank();
    p.print(1, "' レコードが無い場合に備えて、変数のクリアを行います");
    for (const ClassField* f : table.otherFields())
        writeClearingLine(p, *f);
    p.blank();
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    writeKeyBlock(p, table, SqlForm::Select, KeyValue::Member);
    p.blank();
    writeOpenRecordset(p, table);
    p.blank();
    writeReadResultBranch(p, table);
    p.blank();
    for (const ClassField* f : table.otherFields())
        writeCopyLines(p, table, *f, L);
    p.print(L, "end if");
    writeRecordBlockEnd(p, table, false);
    p.print(0, "end function");
}

void WriteWriteSub(SourcePrinter& p, const ClassTable& table)
{
    const int L = recordLevel(p);
    p.blank();
    p.printWithComment(0, "public sub $write$($db$ as database)",
                       {{"write", table.ids->ClassWriteName}, {"db", table.databaseParameter}}, table.comment);
    writeUsageHead(p, table, "");
    p.blank();
    writeDeclarations(p, table);
    p.blank();
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    writeKeyBlock(p, table, SqlForm::Select, KeyValue::Member);
    p.blank();
    writeOpenRecordset(p, table);
    p.blank();
    writeAddOrEdit(p, table);
    p.blank();
    for (const ClassField& f : table.fields)
        writeFieldAssignment(p, f, f.member, L);
    writeRecordBlockEnd(p, table, true);
    p.print(0, "end sub");
}

void WriteDeleteSub(SourcePrinter& p, const ClassTable& table)
{
    p.blank();
    p.printWithComment(0, "public sub $delete$($db$ as database)",
                       {{"delete", table.ids->ClassDeleteName}, {"db", table.databaseParameter}}, table.comment);
    writeUsageHead(p, table, "");
    p.blank();
    // The recordset is declared although the procedure does not use it.
    writeDeclarations(p, table);
    p.blank();
    p.print(1, "' 主キーによるレコードアクセス用SQLを作成します");
    writeKeyBlock(p, table, SqlForm::Delete, KeyValue::Member);
    p.blank();
    p.print(1, "$db$.Execute($sql$)", {{"db", table.databaseParameter}, {"sql", table.ids->SqlVariable}});
    p.print(0, "end sub");
}

}  // namespace schemist
