// Test helpers that look into a work store.
#pragma once

#include <string>

namespace schemist::test {

// The conversion tables of a work store as text (table count, then every
// cell), to show that a failure left them as they were.
std::string conversionTablesText(const std::string& storePath);

}  // namespace schemist::test
