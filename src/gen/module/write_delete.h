// The write and delete groups of a standard module: per table, a procedure
// that adds or changes the record selected by its key, and one that deletes
// the records its key selects.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/common/vb_table_model.h"

#include <vector>

namespace schemist {

void MakeWriteSub(SourcePrinter& p, const std::vector<VbTable>& tables);
void MakeDeleteSub(SourcePrinter& p, const std::vector<VbTable>& tables);

}  // namespace schemist
