// Module header and user-defined type declarations of a standard module.
#include "gen/module/type_module.h"

namespace schemist {
namespace {

void writeTypeDeclaration(SourcePrinter& p, const VbTable& table)
{
    p.printWithComment(0, "public type $def$", {{"def", table.structureType}}, table.comment);
    for (const VbField& field : table.fields)
        p.printWithComment(1, "$member$ as $type$", {{"member", field.typedName}, {"type", field.declaredAs}},
                           field.comment);
    p.print(0, "end type");
}

}  // namespace

void MakeTypeModule(SourcePrinter& p, const std::vector<VbTable>& tables, const std::string& moduleName,
                    const IdentifierSet& ids)
{
    p.block(R"(
Attribute VB_Name = "$prefix$$module$"
Option Explicit

)",
            {{"prefix", ids.ModuleNamePrefix}, {"module", moduleName}});
    if (p.settings().ModuleKind != ModuleKind::TypeAndModule)
        return;
    p.block(R"(
' フィールドへの読み書きデータをユーザ定義型へ代入できるように、
' ユーザ定義型を宣言します
)");
    for (const VbTable& table : tables)
        writeTypeDeclaration(p, table);
}

}  // namespace schemist
