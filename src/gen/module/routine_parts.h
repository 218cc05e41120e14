// What the read, write and delete routines of a standard module share: the
// quoted fragments of their SQL text, the routine head (H1..H13), the key
// condition block (K1..K7) and the way a routine names a recordset field.
#pragma once

#include "gen/common/source_printer.h"
#include "gen/module/module_names.h"

#include <string>
#include <string_view>

namespace schemist {

// The fragments that hold a quotation mark, by number. The templates of the
// routines spell them out; these are the pieces used on their own.
namespace fragment {
inline constexpr std::string_view Q15 = ".fields(\"";
inline constexpr std::string_view Q16 = "\").value";
inline constexpr std::string_view Q17 = " = \"\"";
inline constexpr std::string_view Q18 = " <> \"\" then ";
}  // namespace fragment

enum class RoutineKind { Read, Write, Delete };

// Per-routine values that depend on the run settings.
struct RoutineShape {
    bool withStructure;  // ModuleKind 1: the user-defined type is a parameter
    bool withBlocks;     // WithFlag True
};
RoutineShape routineShapeOf(const RunSettings& settings);

// The routine name: the real table name as an identifier + the kind's suffix.
std::string routineName(const ModuleTable& table, RoutineKind kind, const IdentifierSet& ids);

// H1..H13: declaration line, usage comments, the two dim lines.
void writeRoutineHead(SourcePrinter& p, const ModuleTable& table, RoutineKind kind, const IdentifierSet& ids);

// K1..K7: the SQL text that selects (or deletes) the record by its key.
void writeKeyConditionBlock(SourcePrinter& p, const ModuleTable& table, RoutineKind kind,
                            const IdentifierSet& ids);

// The field reference F of a copy line: R + .fields("name").value with
// FieldStyle 1, R + ![name] with FieldStyle 2.
std::string fieldReference(const ModuleField& field, std::string_view recordset, const RunSettings& settings);

}  // namespace schemist
