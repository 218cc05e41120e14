// What the read, write and delete routines of a standard module share: the
// routine's name, its head (declaration line, usage comments, local
// variables) and the block that builds the SQL text finding the record by
// its key from the user-defined type's members.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/common/vb_table_model.h"

#include <string>

namespace schemist {

enum class RoutineKind { Read, Write, Delete };

// Whether the routines take the user-defined type as a parameter
// (ModuleKind::TypeAndModule); without it every place that would name the type or a member of it is
// left empty.
bool withStructure(const RunSettings& settings);

// The database table name as an identifier + the kind's suffix: tblStaff_Read.
std::string routineName(const VbTable& table, RoutineKind kind);

// Declaration line, usage comments and the two local variables, ending in an
// empty line.
void writeRoutineHead(SourcePrinter& p, const VbTable& table, RoutineKind kind);

// The comment line and the SQL text that selects (or, for a delete, deletes)
// the record by its key, ending in an empty line. With with-statements the
// key values are read inside a with-statement over the user-defined type.
void writeKeyConditionBlock(SourcePrinter& p, const VbTable& table, RoutineKind kind);

}  // namespace schemist
