// The item class's methods that read, write and delete the one record its
// key properties name (written when the class has no collection).
#pragma once

#include "gen/common/vb_table_model.h"
#include "gen/common/source_printer.h"

namespace schemist {

void WriteReadFunction(SourcePrinter& p, const VbTable& table);
void WriteWriteSub(SourcePrinter& p, const VbTable& table);
void WriteDeleteSub(SourcePrinter& p, const VbTable& table);

}  // namespace schemist
