// Pieces of generated record code that the single-record methods of the item
// class and the multi-record methods of the collection class share: local
// declarations, the key condition block, opening the recordset, and the
// lines that copy one value into a field.
#pragma once

#include "gen/class/class_table.h"
#include "gen/common/source_printer.h"

namespace schemist {

// Level of the record block: one deeper inside a with-statement.
int recordLevel(const SourcePrinter& p);

// "' 使い方" ... "' パラメータ説明" and the database parameter line.
void writeUsageHead(SourcePrinter& p, const ClassTable& table, std::string_view usage);
void writeReturnValueLines(SourcePrinter& p);

void writeSqlDeclaration(SourcePrinter& p, const ClassTable& table);
void writeRecordsetDeclaration(SourcePrinter& p, const ClassTable& table);
void writeLoopDeclaration(SourcePrinter& p, const ClassTable& table);
void writeFlagDeclaration(SourcePrinter& p, const ClassTable& table);

enum class SqlForm { Select, Delete };

// The first statement of the SQL text: SELECT or DELETE over the table.
void writeSqlStart(SourcePrinter& p, const ClassTable& table, SqlForm form);

// The value a key condition compares with: the member variable in the item
// class, the argument in the collection class.
enum class KeyValue { Member, Argument };
const std::string& keyValueName(const ClassField& field, KeyValue value);

// The text that appends one key condition to the SQL text.
std::string keyConditionText(const ClassTable& table, const ClassField& field, bool first, KeyValue value);

// The SQL start and one WHERE/AND condition per key field, for every key
// field at once.
void writeKeyBlock(SourcePrinter& p, const ClassTable& table, SqlForm form, KeyValue value);

void writeOpenRecordset(SourcePrinter& p, const ClassTable& table);

// The with-statement, the two comment lines and the eof test with the result
// of the read function; the else branch stays open.
void writeReadResultBranch(SourcePrinter& p, const ClassTable& table);

// The with-statement and the addnew/edit choice of the write procedures.
void writeAddOrEdit(SourcePrinter& p, const ClassTable& table);

// The copy of one value into a field of the recordset at level `base`; a
// text column that refuses empty strings is only written when the value
// is not empty.
void writeFieldAssignment(SourcePrinter& p, const ClassField& field, const std::string& value, int base);

// Closing lines of the record block: optional update, close, end with.
void writeRecordBlockEnd(SourcePrinter& p, const ClassTable& table, bool update);

}  // namespace schemist
