// The item class's member variables and the Let/Get property pair through
// which the using program sets and reads each field.
#pragma once

#include "gen/class/class_table.h"
#include "gen/common/source_printer.h"

namespace schemist {

void WritePropertyProcedures(SourcePrinter& p, const ClassTable& table);

}  // namespace schemist
