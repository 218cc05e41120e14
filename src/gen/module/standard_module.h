// The generated standard module (.bas): type declarations, then the read,
// write and delete routines of every table and the null-check functions.
#pragma once

#include "gen/common/output_file.h"
#include "gen/common/source_printer.h"
#include "gen/common/vb_text.h"
#include "gen/common/vb_table_model.h"
#include "model/definition_row.h"

#include <string>
#include <vector>

namespace schemist {

// The routines of the data-access part, appended after the declarations.
void MakeModule(SourcePrinter& p, const std::vector<VbTable>& tables, const IdentifierSet& ids);

// The whole .bas: MakeTypeModule's lines, then MakeModule's (read group,
// write group, delete group, null-check functions). `vbTables` holds one
// table per TableNo, ascending, rows in ascending FieldNo. Throws Error when
// there is no table or a table has no rows.
OutputFile MakeStandardModule(const std::vector<DefinitionTable>& vbTables, const std::string& outputPathStem,
                              const std::string& moduleName, GenerationContext& ctx);

}  // namespace schemist
