// The table-definition workbook: one sheet per table read in the run, with
// the table's name and comment and a grid of its fields (key mark, name,
// type, length, description), written as an Excel 97-2003 .xls file.
#pragma once

#include <string>
#include <vector>

#include "platform/report.h"
#include "model/run_settings.h"
#include "model/definition_row.h"

namespace schemist {

// The workbook bytes for the tables of Access_Table (grouped by TableNo, ascending; each table's rows in ascending FieldNo).
// The tables are let go once every sheet is made, before the file's bytes are.
std::string BuildWorkbook(std::vector<DefinitionTable> accessTables, const RunSettings& settings,
                          const std::string& sourceFileName, Progress& progress, Warnings& warnings);
// Builds it and writes outputPathStem + ".xls" atomically (platform/atomic_file.h writeFileAtomically).
void MakeWorkbook(const std::vector<DefinitionTable>& accessTables, const RunSettings& settings,
                  const std::string& sourceFileName, const std::string& outputPathStem,
                  Progress& progress, Warnings& warnings);

}  // namespace schemist
