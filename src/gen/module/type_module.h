// The start of a standard module: the module header and, for a module that
// works through user-defined types, one type declaration per table.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/common/vb_table_model.h"

#include <string>
#include <vector>

namespace schemist {

// `moduleName` is already fit to stand in an identifier.
void MakeTypeModule(SourcePrinter& p, const std::vector<VbTable>& tables, const std::string& moduleName,
                    const IdentifierSet& ids);

}  // namespace schemist
