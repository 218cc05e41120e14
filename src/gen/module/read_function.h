// The read group of a standard module: one function per table that reads the
// record selected by its key into the user-defined type.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/common/vb_table_model.h"

#include <vector>

namespace schemist {

void MakeReadFunction(SourcePrinter& p, const std::vector<VbTable>& tables);

}  // namespace schemist
