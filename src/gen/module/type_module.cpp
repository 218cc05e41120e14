// Module header and user-defined type declarations of a standard module.
#include "gen/module/type_module.h"

namespace schemist {
namespace {

void writeTypeDeclaration(SourcePrinter& p, const ModuleTable& table)
{
    p.printWithComment(0, "public type $def$", {{"def", table.structureType}}, table.comment);
    for (const ModuleField& field : table.fields) {
        const std::string length = field.lengthFlag ? " * " + std::to_string(field.lengthInteger) : std::string();
        p.printWithComment(1, "$member$ as $type$$length$",
                           {{"member", field.memberName}, {"type", field.type}, {"length", length}},
                           field.comment);
    }
    p.print(0, "end type");
}

}  // namespace

void MakeTypeModule(SourcePrinter& p, const std::vector<ModuleTable>& tables, const std::string& moduleName,
                    const IdentifierSet& ids)
{
    p.print(0, R"(Attribute VB_Name = "$prefix$$module$")", {{"prefix", ids.ModuleNamePrefix}, {"module", moduleName}});
    p.print(0, "Option Explicit");
    p.blank();
    if (p.settings().ModuleKind != 1)
        return;
    p.print(0, "' フィールドへの読み書きデータをユーザ定義型へ代入できるように、");
    p.print(0, "' ユーザ定義型を宣言します");
    for (const ModuleTable& table : tables)
        writeTypeDeclaration(p, table);
}

}  // namespace schemist
