// Member variables and property procedures of the item class.
#include "gen/class/property_procedures.h"

#include "platform/text.h"

namespace schemist {
namespace {

void writeMemberVariables(SourcePrinter& p, const ClassTable& table)
{
    p.print(0, "' ﾌﾟﾛﾊﾟﾃｨ値を保持するためのﾛｰｶﾙ変数。");
    for (const ClassField& f : table.fields)
        p.print(0, "private $member$ as $type$' ﾛｰｶﾙ ｺﾋﾟｰ", {{"member", f.member}, {"type", f.declaredAs}});
}

// A fixed-length string member is set and read through a property of the
// plain type, so the property always carries Type as it stands.
void writeLetAndGet(SourcePrinter& p, const ClassField& f)
{
    const TemplateVars vars = {
        {"property", f.property}, {"member", f.member}, {"type", f.row->Type}, {"comment", f.description}};
    p.print(0, "Public Property Let $property$(ByVal vData As $type$)", vars);
    if (!trimBlanks(f.comment).empty())
        p.print(0, "Attribute $property$.VB_Description = \"$comment$\"", vars);
    p.print(0, "' ﾌﾟﾛﾊﾟﾃｨに値を代入するときに、代入式の左辺で使用します。");
    p.print(0, "' Syntax: X.$property$ = 5", vars);
    p.print(1, "$member$= vData", vars);
    p.print(0, "End Property");
    p.blank();
    p.print(0, "Public Property Get $property$() As $type$", vars);
    p.print(0, "' ﾌﾟﾛﾊﾟﾃｨの値を取得するときに、代入式の右辺で使用します。");
    p.print(0, "' Syntax: Debug.Print X.$property$", vars);
    p.print(1, "$property$ = $member$", vars);
    p.print(0, "End Property");
    p.blank();
}

}  // namespace

void WritePropertyProcedures(SourcePrinter& p, const ClassTable& table)
{
    writeMemberVariables(p, table);
    for (const ClassField& f : table.fields)
        writeLetAndGet(p, f);
}

}  // namespace schemist
