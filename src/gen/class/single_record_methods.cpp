// Single-record methods of the item class. Key fields are never cleared or
// copied by the read function: their members keep the values the record
// was looked up by.
#include "gen/class/single_record_methods.h"

#include "gen/class/record_code.h"

namespace schemist {
namespace {

// A member of a type without an initial value is not cleared: the line
// keeps only its indentation and the comment.
void writeClearingLine(SourcePrinter& p, const VbField& f)
{
    const std::string member = f.initialValue.empty() ? std::string() : f.memberVariable;
    p.printWithComment(1, "$member$$value$", {{"member", member}, {"value", f.initialValue}}, f.comment);
}

// The method's declaration line, with the table comment at the comment column.
void writeDeclaration(SourcePrinter& p, const VbTable& table, std::string_view text, const std::string& method)
{
    p.printWithComment(0, text, {{"method", method}, {"db", table.databaseParameter}}, table.comment);
}

// Blank line, the SQL and recordset variables, blank line. The delete
// procedure declares the recordset too, although it does not use it.
void writeDeclarations(SourcePrinter& p, const VbTable& table)
{
    p.blank();
    writeSqlDeclaration(p, table);
    writeRecordsetDeclaration(p, table);
    p.blank();
}

// Head of the write and delete procedures up to the key SQL: they differ
// only in their name and in the SQL's first word.
void writeProcedureHead(SourcePrinter& p, const VbTable& table, const std::string& procedure, SqlForm form)
{
    p.blank();
    writeDeclaration(p, table, "public sub $method$($db$ as database)", procedure);
    writeUsageHead(p, table, "");
    writeDeclarations(p, table);
    writeKeyBlock(p, table, form, KeyValue::Member);
    p.blank();
}

}  // namespace

void WriteReadFunction(SourcePrinter& p, const VbTable& table)
{
    writeDeclaration(p, table, "public function $method$($db$ as database) as boolean", table.ids->ClassReadName);
    writeUsageHead(p, table, "' 主キーエリアにデータを入れて本メソッドをコールする。");
    writeReturnValueLines(p);
    writeDeclarations(p, table);
    p.print(1, "' レコードが無い場合に備えて、変数のクリアを行います");
    for (const VbField* f : table.otherFields())
        writeClearingLine(p, *f);
    p.blank();
    writeKeyBlock(p, table, SqlForm::Select, KeyValue::Member);
    p.blank();
    writeOpenRecordset(p, table);
    writeReadResultBranch(p, table, table.ids->ClassReadName);
    p.blank();
    {
        auto copy = p.indented(recordLevel(p) + 1);
        for (const VbField* f : table.otherFields())
            writeReadCopy(p, *f, f->memberVariable);
    }
    writeReadResultEnd(p, table);
    p.print(0, "end function");
}

void WriteWriteSub(SourcePrinter& p, const VbTable& table)
{
    writeProcedureHead(p, table, table.ids->ClassWriteName, SqlForm::Select);
    writeOpenRecordset(p, table);
    writeAddOrEdit(p, table);
    p.blank();
    {
        auto copy = p.indented(recordLevel(p));
        for (const VbField& f : table.fields)
            writeFieldAssignment(p, f, f.memberVariable);
    }
    writeRecordBlockEnd(p, table, true);
    p.print(0, "end sub");
}

void WriteDeleteSub(SourcePrinter& p, const VbTable& table)
{
    writeProcedureHead(p, table, table.ids->ClassDeleteName, SqlForm::Delete);
    p.block(R"(
    $db$.Execute($sql$)
end sub
)",
            {{"db", table.databaseParameter}, {"sql", table.ids->SqlVariable}});
}

}  // namespace schemist
