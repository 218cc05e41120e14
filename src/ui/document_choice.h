// The definition documents a run from the window makes beside its other
// outputs: the choice the options dialog shows and a project file records as
// output.documents ("md", "xlsx"), with the revision history they may carry
// (output.history-from, output.history-label). Nothing is made unless asked.
#pragma once

#include "run/run_driver.h"

#include <optional>
#include <string>
#include <vector>

namespace schemist::ui {

struct DocumentChoice {
    bool markdown = false;  // the folder NAME-doc/ of Markdown pages
    bool xlsx = false;      // NAME.xlsx
    // A snapshot (--definitions-json) the documents' revision history
    // compares with, and the version label of that history; "" for none.
    std::string historyFrom;
    std::string historyLabel;

    // The kinds as a project file and --doc name them, in the order --doc
    // documents them.
    std::vector<std::string> kinds() const;
    // Kinds a project file has already checked; others are not there.
    static DocumentChoice fromKinds(const std::vector<std::string>& kinds);

    // The pairings the command line refuses too: a history needs a document
    // to appear in, a label needs a history.
    std::optional<std::string> problem() const;

    // The run request's documents, which the run driver makes exactly as it
    // does for --doc and --history-from. Throws Error naming a snapshot that
    // cannot be read.
    void applyTo(RunRequest& request) const;

    bool operator==(const DocumentChoice&) const = default;
};

}  // namespace schemist::ui
