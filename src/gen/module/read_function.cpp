// Read functions of the generated standard module.
#include "gen/module/read_function.h"

#include "gen/common/recordset_code.h"
#include "gen/module/routine_parts.h"

namespace schemist {
namespace {

// The member of the user-defined type, named through the structure
// parameter or, inside a with-statement over it, from the dot on.
std::string memberReference(const std::string& structure, const VbField& field)
{
    return structure + "." + field.typedName;
}

// The structure is cleared first, so that a missing record leaves no old
// values. A member of a type without an initial value is not assigned: its
// line keeps only the indentation, the structure reference and the comment.
void writeClearingLines(SourcePrinter& p, const VbTable& table)
{
    const bool withBlocks = p.settings().with();
    p.print(1, "' レコードが無い場合に備えて、変数のクリアを行います");
    if (withBlocks)
        p.print(1, "with $typ$", {{"typ", table.structureParameter}});
    const std::string structure = withBlocks ? std::string() : table.structureParameter;
    const int level = withBlocks ? 2 : 1;
    for (const VbField* field : table.otherFields()) {
        const std::string clearing =
            field->initialValue.empty() ? structure : memberReference(structure, *field) + field->initialValue;
        p.printWithComment(level, "$clearing$", {{"clearing", clearing}}, field->comment);
    }
    if (withBlocks)
        p.print(1, "end with");
}

// The record's non-key fields into the structure: written out in full also
// inside the with-statement over the recordset.
void writeCopyLines(SourcePrinter& p, const VbTable& table)
{
    const bool structure = withStructure(p.settings());
    if (structure)
        p.print(0, "' レコードセットから構造体へデータをコピー");
    for (const VbField* field : table.otherFields())
        writeReadCopy(p, *field, structure ? memberReference(table.structureParameter, *field) : std::string());
}

void writeReadFunction(SourcePrinter& p, const VbTable& table)
{
    writeRoutineHead(p, table, RoutineKind::Read);
    if (withStructure(p.settings()))
        writeClearingLines(p, table);
    p.blank();
    writeKeyConditionBlock(p, table, RoutineKind::Read);
    writeOpenRecordset(p, table);
    writeReadResultBranch(p, table, routineName(table, RoutineKind::Read));
    p.blank();
    {
        auto copy = p.indented(recordLevel(p) + 1);
        writeCopyLines(p, table);
    }
    writeReadResultEnd(p, table);
    p.print(0, "end function");
}

}  // namespace

void MakeReadFunction(SourcePrinter& p, const std::vector<VbTable>& tables)
{
    p.blank();
    p.print(0, "' DAOを使った読み込みルーチンのサンプルです");
    for (const VbTable& table : tables)
        writeReadFunction(p, table);
}

}  // namespace schemist
