// The definition documents a run from the window makes beside its other
// outputs: the choice the options dialog shows and a project file records as
// output.documents ("md", "xlsx"). Neither is made unless asked for.
#pragma once

#include "run/run_driver.h"

#include <string>
#include <vector>

namespace schemist::ui {

struct DocumentChoice {
    bool markdown = false;  // the folder NAME-doc/ of Markdown pages
    bool xlsx = false;      // NAME.xlsx

    // The kinds as a project file and --doc name them, in the order --doc
    // documents them.
    std::vector<std::string> kinds() const
    {
        std::vector<std::string> result;
        if (markdown)
            result.push_back("md");
        if (xlsx)
            result.push_back("xlsx");
        return result;
    }

    // Kinds a project file has already checked; others are not there.
    static DocumentChoice fromKinds(const std::vector<std::string>& kinds)
    {
        DocumentChoice choice;
        for (const std::string& kind : kinds) {
            choice.markdown = choice.markdown || kind == "md";
            choice.xlsx = choice.xlsx || kind == "xlsx";
        }
        return choice;
    }

    // The run request's documents, which the run driver makes exactly as it
    // does for --doc.
    void applyTo(RunRequest& request) const
    {
        request.docMarkdown = markdown;
        request.docXlsx = xlsx;
    }

    bool operator==(const DocumentChoice&) const = default;
};

}  // namespace schemist::ui
