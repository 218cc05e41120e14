// The members every collection class carries: Add, Item, Count, Remove,
// NewEnum and the creation and release of its Collection.
#pragma once

#include "gen/common/vb_table_model.h"
#include "gen/common/source_printer.h"

namespace schemist {

// Written at fixed indentation, whatever TabSize says: this is the text the
// VB class builder itself produces for a collection.
void WriteCollectionMembers(SourcePrinter& p, const VbTable& table);

}  // namespace schemist
