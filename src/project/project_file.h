// The project file: a TOML file beside an Access database that records what
// a run reads, what it writes and every run setting, so that the same run can
// be repeated without repeating its options. Paths in the file are relative
// to the file's own folder; in memory they are as the caller uses them.
#pragma once

#include "model/run_settings.h"
#include "model/setting_numbers.h"

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace schemist {

// A numeric run setting as the project file names it. Settings with choice
// names are written by name; a number within range is read as well.
struct ProjectNumberSetting {
    const char* key;
    NumberedSetting setting;
    std::vector<const char*> choices;  // choices[i] names the value range().min + i; empty: plain number

    NumberRange range() const { return settingRange(setting); }
};

const std::vector<ProjectNumberSetting>& projectNumberSettings();

// Everything a project file may hold; an absent entry leaves the program's
// own default in force.
struct Project {
    std::optional<std::string> database;
    std::optional<std::vector<std::string>> tables;
    std::optional<std::string> outputFolder;
    std::optional<std::string> outputName;
    std::optional<bool> makeVB;
    std::optional<bool> makeWorkbook;
    std::optional<std::vector<std::string>> documents;  // definition documents: "md", "xlsx"
    std::optional<std::string> historyFrom;   // snapshot the documents' revision history compares with
    std::optional<std::string> historyLabel;  // the version label of that history
    std::map<std::string, std::int16_t> numbers;  // by ProjectNumberSetting::key
    std::optional<bool> with;
    std::optional<bool> collection;
    std::optional<std::string> jet3Charset;
    std::optional<std::string> workStore;

    bool operator==(const Project&) const = default;
};

// A project file that cannot be read or holds something the program does not
// take. `usage` is true for content faults (the user's to fix in the file)
// and false for a file that cannot be read at all.
class ProjectError : public std::runtime_error {
public:
    ProjectError(const std::string& message, bool usage) : std::runtime_error(message), usage(usage) {}
    bool usage;
};

// Reads the project file at `path`; paths in it come back resolved against
// the file's folder. Throws ProjectError naming the file, the key and the line.
Project readProjectFile(const std::string& path);

// Parses project file text that came from `path` (used for messages and for
// resolving relative paths).
Project parseProjectText(const std::string& text, const std::string& path);

// The text of a project file to be stored at `path`: paths are written
// relative to its folder.
std::string projectFileText(const Project& project, const std::string& path);

// Writes the project file atomically. Throws Error naming the path.
void writeProjectFile(const Project& project, const std::string& path);

// `override` laid over `base`: every entry `override` holds wins.
Project mergeProjects(const Project& base, const Project& override);

}  // namespace schemist
