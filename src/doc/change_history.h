// The revision history (改訂履歴) the definition documents carry when asked:
// what changed since a schema snapshot, dated by the snapshot's own content
// rather than the clock, so that the same inputs give the same documents.
#pragma once

#include "doc/schema_diff_report.h"
#include "model/source_schema.h"

#include <string>
#include <vector>

namespace schemist::doc {

struct ChangeHistory {
    std::string label;           // the version label the user gave; may be empty
    std::string since;           // "YYYY-MM-DD" of the snapshot's definitions; empty when it holds no date
    std::string snapshotSource;  // file name of the database the snapshot was made from
    SourceSchema before;
};

// Reads the snapshot at `path` (throws Error naming it).
ChangeHistory changeHistoryFrom(const std::string& path, const std::string& label);

// The history's lines for the documented schema.
std::vector<ChangeLine> historyLines(const ChangeHistory& history, const SourceSchema& documented);

// "sample.mdb (2026-11-02 時点の定義)": what the history compares with.
std::string historyBaseText(const ChangeHistory& history);

// The README section "## 改訂履歴".
std::string historyMarkdown(const ChangeHistory& history, const SourceSchema& documented);

}  // namespace schemist::doc
