// The conversions of Values on their way into and out of the work store: to
// a field's type on assignment (refusing what does not fit), to bound SQL
// parameters, and from result columns.
#pragma once

#include "platform/value.h"
#include "platform/workstore/table_def.h"

#include <cstdint>
#include <string>

struct sqlite3_stmt;

namespace schemist::dao {

// Converts a value to the field's type as the engine would on assignment:
// numbers from text, Booleans -1/0, integers rounded half to even and
// refused outside their type's range, texts refused beyond the field's size.
// Throws Error naming the table and field. The value is taken by value so
// that a text already of the right type is moved, not copied, into the row.
Value convertForField(const FieldDef& field, Value value, const std::string& table);

// `lasting`: the bound text is not copied (it outlives the next step).
void bindValue(sqlite3_stmt* stmt, int index, const Value& value, bool lasting);
Value columnValue(sqlite3_stmt* stmt, int column, std::int16_t fieldType);

}  // namespace schemist::dao
