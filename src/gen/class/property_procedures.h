// The item class's member variables and the Let/Get property pair through
// which the using program sets and reads each field.
#pragma once

#include "gen/common/vb_table_model.h"
#include "gen/common/source_printer.h"

namespace schemist {

void WritePropertyProcedures(SourcePrinter& p, const VbTable& table);

}  // namespace schemist
