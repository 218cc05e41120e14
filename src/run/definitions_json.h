// The definitions of a run as one JSON document, for scripts and reviews.
#pragma once

#include "run/run_driver.h"

#include <string>

namespace schemist {

// {"format": "schemist-definitions 2", "source": ..., "Access_Table": [...],
//  "VB_Table": [...], "schema": {...}, "warnings": [...]}: each row an object
// of the 18 columns as the work table holds them (Null as null, Booleans as
// true/false); "schema" the selected tables as read, with every property,
// and the relationships touching them.
std::string definitionsJson(const RunOutcome& outcome, const std::string& sourcePath);

}  // namespace schemist
