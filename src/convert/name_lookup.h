// Name lookups in the three name tables of the work store, and the builder
// of the identifier set.
#pragma once

#include "convert/identifier_set.h"
#include "platform/workstore/database.h"

#include <string>

namespace schemist {

// The ConvertName of the key's row, or "" when the table has no row for it or
// its ConvertName is Null. The key is a bound parameter: a key holding a
// quote character finds its row or none, like any other key.
std::string LookupTopName(dao::Database& db, const std::string& key);
std::string LookupEndName(dao::Database& db, const std::string& key);
std::string LookupFullName(dao::Database& db, const std::string& key);

// The 27 entries of the identifier set, looked up in their fixed order.
IdentifierSet BuildIdentifierSet(dao::Database& db);

// The whole prefix table as a type-prefix lookup: the result of
// LookupTopName for any type name, read once per run since it cannot change
// while a run holds the store.
TypePrefixes LoadTypePrefixes(dao::Database& db);

}  // namespace schemist
