// POSIX path rules of the program: joining a folder and a name, path stems,
// and where the user's documents folder is.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace schemist {

// Folder and name joined with "/" unless the folder already ends with one.
std::string joinPath(std::string_view folder, std::string_view name);

// The path without its extension (text after the last "." of the last
// component); a name without a dot is returned whole.
std::string pathStem(std::string_view path);

// The last component of a path ("a/b/c.mdb" gives "c.mdb").
std::string fileNameOf(std::string_view path);

// The folder part of a path ("a/b/c.mdb" gives "a/b"; "c.mdb" gives ".").
std::string folderOf(std::string_view path);

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string&)>;

// The process environment.
EnvironmentLookup processEnvironment();

// The documents folder: $XDG_DOCUMENTS_DIR, else the XDG_DOCUMENTS_DIR line
// of ~/.config/user-dirs.dirs (or $XDG_CONFIG_HOME/user-dirs.dirs), else
// ~/Documents when it exists, else $HOME.
std::string documentsFolder(const EnvironmentLookup& env);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

}  // namespace schemist
