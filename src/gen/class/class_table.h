// The model of a table for its class modules: the common Visual Basic model
// with the checks that only classes need.
#pragma once

#include "gen/common/vb_table_model.h"
#include "model/definition_row.h"

namespace schemist {

// The model of one table (which must have rows). Besides the model's own
// warnings, warns once about a member variable that meets another name of
// the class and about a property name that cannot begin a Visual Basic name.
VbTable describeClassTable(const DefinitionTable& table, GenerationContext& ctx);

}  // namespace schemist
