// The main window's "open project" and "save project" without widgets: what
// the window holds turned into a project file's entries and back. A project
// opened in the window runs as `schemist-cli --project FILE` runs it, so
// entries the file leaves out take the values the command line takes.
#pragma once

#include "project/project_file.h"
#include "model/run_settings.h"
#include "ui/document_choice.h"

#include <optional>
#include <string>
#include <vector>

namespace schemist::ui {

inline constexpr const char* kDefaultJet3Charset = "CP932";

// Everything of the main window that a project file records.
struct WindowProject {
    std::string database;              // the listed file; "" when none
    std::vector<std::string> tables;   // the selected tables, in list order
    // Every table of the file: all listed tables selected, or none (a project
    // without a table list means every table, as on the command line).
    bool everyTable = false;
    std::string outputFolder;
    std::string outputName;            // as typed
    bool makeVB = true;
    bool makeExcel = true;
    DocumentChoice documents;
    RunSettings settings;              // WorkStorePath included
    std::string jet3Charset = kDefaultJet3Charset;

    bool operator==(const WindowProject& other) const;
};

class ProjectLogic {
public:
    // `defaultWorkStore`: the store a run uses when no project names one.
    explicit ProjectLogic(std::string defaultWorkStore) : defaultWorkStore_(std::move(defaultWorkStore)) {}

    // The window's state after opening the project file at `path`; entries
    // the file does not hold take the command line's values, except that the
    // output folder stays as `current` shows it. Throws ProjectError naming
    // file, key and line, or the missing database or output folder; nothing
    // is to change then.
    WindowProject open(const std::string& path, const WindowProject& current);

    // Why the window cannot be saved as it is (the output name a run would
    // refuse), or nothing.
    static std::optional<std::string> saveProblem(const WindowProject& window);

    // Writes the project file atomically. Throws Error naming the path.
    void save(const std::string& path, const WindowProject& window);

    // The entries of a project file for what the window holds.
    Project projectOf(const WindowProject& window) const;
    // What the window shows for a project read from a file (no checks).
    WindowProject windowOf(const Project& project, const WindowProject& current) const;

    // The file last opened or saved, where the file dialogs start.
    const std::string& lastPath() const { return lastPath_; }

private:
    std::string defaultWorkStore_;
    std::string lastPath_;
};


}  // namespace schemist::ui
