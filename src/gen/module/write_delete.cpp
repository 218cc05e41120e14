// Write and delete procedures of the generated standard module.
#include "gen/module/write_delete.h"

#include "gen/common/recordset_code.h"
#include "gen/module/routine_parts.h"

namespace schemist {
namespace {

// Every field, key fields included, from the structure into the record.
void writeCopyLines(SourcePrinter& p, const VbTable& table)
{
    const bool structure = withStructure(p.settings());
    if (structure)
        p.print(0, "' 構造体からレコードセットへデータをコピー");
    for (const VbField& field : table.fields)
        writeFieldAssignment(p, field, structure ? table.structureParameter + "." + field.typedName : std::string());
}

void writeWriteSub(SourcePrinter& p, const VbTable& table)
{
    p.blank();
    writeRoutineHead(p, table, RoutineKind::Write);
    writeKeyConditionBlock(p, table, RoutineKind::Write);
    writeOpenRecordset(p, table);
    writeAddOrEdit(p, table);
    p.blank();
    {
        auto copy = p.indented(recordLevel(p));
        writeCopyLines(p, table);
    }
    writeRecordBlockEnd(p, table, true);
    p.print(0, "end sub");
}

void writeDeleteSub(SourcePrinter& p, const VbTable& table)
{
    p.blank();
    writeRoutineHead(p, table, RoutineKind::Delete);
    writeKeyConditionBlock(p, table, RoutineKind::Delete);
    // The recordset variable of the head stays unused here.
    p.block(R"(
    $db$.Execute($sql$)
end sub
)",
            {{"db", table.databaseParameter}, {"sql", table.ids->SqlVariable}});
}

}  // namespace

void MakeWriteSub(SourcePrinter& p, const std::vector<VbTable>& tables)
{
    p.blank();
    p.print(0, "' DAOを使った書き込みルーチンのサンプルです");
    for (const VbTable& table : tables)
        writeWriteSub(p, table);
}

void MakeDeleteSub(SourcePrinter& p, const std::vector<VbTable>& tables)
{
    p.blank();
    p.print(0, "' DAOを使ったレコード削除ルーチンのサンプルです");
    for (const VbTable& table : tables)
        writeDeleteSub(p, table);
}

}  // namespace schemist
