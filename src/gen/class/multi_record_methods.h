// The collection class's methods over several records: read the records
// that match the keys given into the collection, write one record from
// arguments, delete the matching records.
#pragma once

#include "gen/common/vb_table_model.h"
#include "gen/common/source_printer.h"

namespace schemist {

void WriteCollectionReadFunction(SourcePrinter& p, const VbTable& table);
void WriteCollectionWriteSub(SourcePrinter& p, const VbTable& table);
void WriteCollectionDeleteSub(SourcePrinter& p, const VbTable& table);

}  // namespace schemist
