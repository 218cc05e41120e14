// A checker of the erDiagram subset the documents write, after the grammar
// the Git hosts' Mermaid accepts: entities (plain identifiers or quoted
// names) with attribute blocks, attributes "type name [PK|FK|PK,FK]
// ["comment"]", and relationships "A ||--o{ B : "label"".
#pragma once

#include <string>
#include <vector>

namespace schemist::test {

// The problems found in one diagram (empty when it is valid), each naming
// the line.
std::vector<std::string> erDiagramProblems(const std::string& diagram);

// The ```mermaid blocks of a Markdown text.
std::vector<std::string> mermaidBlocks(const std::string& markdown);

}  // namespace schemist::test
