// The item class's methods that read, write and delete the one record its
// key properties name (written when the class has no collection).
#pragma once

#include "gen/class/class_table.h"
#include "gen/common/source_printer.h"

namespace schemist {

void WriteReadFunction(SourcePrinter& p, const ClassTable& table);
void WriteWriteSub(SourcePrinter& p, const ClassTable& table);
void WriteDeleteSub(SourcePrinter& p, const ClassTable& table);

}  // namespace schemist
