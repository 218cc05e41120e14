// The opening lines of the two class files of a table: the class attributes
// the VB project loader reads, and Option Explicit.
#pragma once

#include "gen/common/vb_table_model.h"
#include "gen/common/source_printer.h"

namespace schemist {

// Header of the item class; with a collection it also declares the Key member.
void WriteClassHeader(SourcePrinter& p, const VbTable& table);

// Header of the collection class, ending with the declaration of its Collection.
void WriteCollectionHeader(SourcePrinter& p, const VbTable& table);

}  // namespace schemist
