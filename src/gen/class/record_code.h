// Pieces of generated record code that the single-record methods of the item
// class and the multi-record methods of the collection class share: the
// usage comments, local declarations and the key block.
#pragma once

#include "gen/common/recordset_code.h"
#include "gen/common/source_printer.h"
#include "gen/common/vb_table_model.h"

#include <string_view>

namespace schemist {

// "' 使い方", an optional usage line, "' パラメータ説明" and the database
// parameter line.
void writeUsageHead(SourcePrinter& p, const VbTable& table, std::string_view usage);
void writeReturnValueLines(SourcePrinter& p);

void writeSqlDeclaration(SourcePrinter& p, const VbTable& table);
void writeRecordsetDeclaration(SourcePrinter& p, const VbTable& table);
void writeLoopDeclaration(SourcePrinter& p, const VbTable& table);
void writeFlagDeclaration(SourcePrinter& p, const VbTable& table);

// The value a key condition compares with: the member variable in the item
// class, the argument in the collection class.
enum class KeyValue { Member, Argument };
const std::string& keyValueName(const VbField& field, KeyValue value);

// The comment line and the SQL text with one WHERE/AND condition per key field.
void writeKeyBlock(SourcePrinter& p, const VbTable& table, SqlForm form, KeyValue value);

}  // namespace schemist
