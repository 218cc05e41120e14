// The write and delete groups of a standard module: per table, a procedure
// that adds or changes the record selected by its key, and one that deletes
// the records its key selects.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/module/module_names.h"

#include <vector>

namespace schemist {

void MakeWriteSub(SourcePrinter& p, const std::vector<ModuleTable>& tables, const IdentifierSet& ids);
void MakeDeleteSub(SourcePrinter& p, const std::vector<ModuleTable>& tables, const IdentifierSet& ids);

}  // namespace schemist
