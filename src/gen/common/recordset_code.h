// Generated code that the standard module's routines and the class methods
// share: the SQL text that finds records by their key, opening the
// recordset, the eof test of a read and the addnew/edit choice of a write,
// and the lines that copy one field between the recordset and a variable.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/common/vb_table_model.h"

#include <functional>
#include <string>

namespace schemist {

enum class SqlForm { Select, Delete };

// Level of the record block below the routine: one deeper inside the
// with-statement over the recordset.
int recordLevel(const SourcePrinter& p);

// The statement that starts the SQL text: SELECT or DELETE over the table.
void writeSqlStart(SourcePrinter& p, const VbTable& table, SqlForm form);

// The SQL start, then "WHERE " and one condition per key field comparing
// with valueOf(field). A table without key fields gets no WHERE line, so the
// generated statement addresses every row.
void writeKeySql(SourcePrinter& p, const VbTable& table, SqlForm form,
                 const std::function<std::string(const VbField&)>& valueOf);

// set rstStaff = dboStaff.openrecordset(strSQL), and the empty line after it.
void writeOpenRecordset(SourcePrinter& p, const VbTable& table);

// The with-statement over the recordset (when the run asks for one), the
// two comment lines and the eof test that sets the read function's result;
// the else branch stays open for the copy lines.
void writeReadResultBranch(SourcePrinter& p, const VbTable& table, const std::string& function);

// The with-statement (when asked for) and the addnew/edit choice of a write.
void writeAddOrEdit(SourcePrinter& p, const VbTable& table);

// Copies one field of the record into `target` (a variable, or nothing in a
// module without the user-defined type): through an isnull test, or through
// the Null-check function when the run asks for functions.
void writeReadCopy(SourcePrinter& p, const VbField& field, const std::string& target);

// Copies `value` into one field of the record. A text column that refuses
// empty strings is only written when the value is not empty.
void writeFieldAssignment(SourcePrinter& p, const VbField& field, const std::string& value);

// The end of the eof test that writeReadResultBranch opened, then the
// closing lines of a read.
void writeReadResultEnd(SourcePrinter& p, const VbTable& table);

// update (for a write), close, and the end of the with-statement.
void writeRecordBlockEnd(SourcePrinter& p, const VbTable& table, bool update);

}  // namespace schemist
