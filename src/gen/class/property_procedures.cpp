// Member variables and property procedures of the item class.
#include "gen/class/property_procedures.h"

#include "platform/text.h"

namespace schemist {
namespace {

void writeMemberVariables(SourcePrinter& p, const VbTable& table)
{
    p.print(0, "' ﾌﾟﾛﾊﾟﾃｨ値を保持するためのﾛｰｶﾙ変数。");
    for (const VbField& f : table.fields)
        p.print(0, "private $member$ as $type$' ﾛｰｶﾙ ｺﾋﾟｰ", {{"member", f.memberVariable}, {"type", f.declaredAs}});
}

// A fixed-length string member is set and read through a property of the
// plain type, so the property always carries Type as it stands.
void writeLetAndGet(SourcePrinter& p, const VbField& f)
{
    const TemplateVars vars = {
        {"property", f.typedName}, {"member", f.memberVariable}, {"type", f.type()}, {"comment", f.description}};
    p.print(0, "Public Property Let $property$(ByVal vData As $type$)", vars);
    if (!trimBlanks(f.comment).empty())
        p.print(0, "Attribute $property$.VB_Description = \"$comment$\"", vars);
    p.block(R"(
' ﾌﾟﾛﾊﾟﾃｨに値を代入するときに、代入式の左辺で使用します。
' Syntax: X.$property$ = 5
    $member$= vData
End Property

Public Property Get $property$() As $type$
' ﾌﾟﾛﾊﾟﾃｨの値を取得するときに、代入式の右辺で使用します。
' Syntax: Debug.Print X.$property$
    $property$ = $member$
End Property

)",
            vars);
}

}  // namespace

void WritePropertyProcedures(SourcePrinter& p, const VbTable& table)
{
    writeMemberVariables(p, table);
    for (const VbField& f : table.fields)
        writeLetAndGet(p, f);
}

}  // namespace schemist
