// Check mode: what a run would write, compared with the files already in the
// output folder, without writing anything.
#pragma once

#include "run/run_driver.h"

#include <string>
#include <vector>

namespace schemist {

struct OutputDifference {
    enum class Kind { Changed, Missing, Stale, Interrupted };
    Kind kind;
    std::string path;
    // For source files: a unified diff of the decoded text. For the
    // workbook: a sentence saying why it counts as changed.
    std::string detail;
};

// Compares the run's outputs with the output folder. Class files of tables
// no longer in the run are named as stale only when they carry this run's
// class-file naming (a prefix of this run and a matching VB_Name line). A
// file far larger than the one the run would write counts as changed without
// being read. A rename record left by an interrupted run is reported too, and
// so are table pages in the Markdown document's folder that the run would not
// write (pages of tables no longer selected).
std::vector<OutputDifference> compareWithFolder(const RunOutputs& outputs, const std::string& outputFolder,
                                                const std::vector<std::string>& classPrefixes);

// The differences as a report for standard output.
std::string describeDifferences(const std::vector<OutputDifference>& differences);

}  // namespace schemist
