// Mermaid erDiagram blocks of documented tables, in the syntax the usual Git
// hosts render: entity and attribute names that are not plain identifiers
// are replaced by identifiers, with the real name shown as the entity's
// alias or the attribute's comment.
#pragma once

#include "model/source_schema.h"

#include <set>
#include <string>

namespace schemist::doc {

enum class AttributeDetail { KeysOnly, AllFields };

// One erDiagram (without the code fence) of `tables` and the relationships
// among them. A table in `tables` that the schema does not define (the far
// end of a relationship that was not selected) is drawn without attributes.
// `detailed` lists the tables whose every field is drawn; the others show
// their key fields only.
std::string erDiagram(const SourceSchema& schema, const std::set<std::string>& tables,
                      const std::set<std::string>& detailed);

// The groups of tables connected by relationships (each sorted by the
// schema's table order, then by name), in the order of their first table.
std::vector<std::set<std::string>> connectedGroups(const SourceSchema& schema);

}  // namespace schemist::doc
