// The class-module generator: one item class per table and, when the run
// asks for collections, one collection class per table.
#pragma once

#include "gen/common/output_file.h"
#include "gen/common/vb_text.h"
#include "model/definition_row.h"

#include <string>
#include <vector>

namespace schemist {

// One item class per table and, with CollectionFlag, one collection class
// per table, in table order (item file before collection file). Throws Error
// before returning anything when a table's item and collection class names
// are equal (message names the table and the two prefixes).
std::vector<OutputFile> MakeClassModules(const std::vector<DefinitionTable>& vbTables,
                                         const std::string& outputFolder, GenerationContext& ctx);

// The file a class is written to: the class name without surrounding blanks,
// with ".cls", in the output folder.
std::string classFilePath(const std::string& outputFolder, const std::string& className);

}  // namespace schemist
