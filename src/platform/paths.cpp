// Path helpers and the documents-folder lookup of the XDG user directories.
#include "platform/paths.h"

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace schemist {

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string fileNameOf(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

std::string pathStem(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string(path);
    return std::string(path.substr(0, dot));
}

EnvironmentLookup processEnvironment()
{
    return [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr)
            return std::nullopt;
        return std::string(value);
    };
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool directoryExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

// Reads XDG_DOCUMENTS_DIR="$HOME/..." from a user-dirs.dirs file.
std::optional<std::string> documentsFromUserDirs(const std::string& file, const std::string& home)
{
    std::ifstream in(file);
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        std::string value = line.substr(start + key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        if (!value.empty())
            return value;
    }
    return std::nullopt;
}

}  // namespace

std::string documentsFolder(const EnvironmentLookup& env)
{
    if (auto direct = env("XDG_DOCUMENTS_DIR"); direct && !direct->empty())
        return *direct;
    std::string home = env("HOME").value_or("");
    std::string configHome = env("XDG_CONFIG_HOME").value_or("");
    if (configHome.empty())
        configHome = joinPath(home, ".config");
    if (auto fromFile = documentsFromUserDirs(joinPath(configHome, "user-dirs.dirs"), home))
        return *fromFile;
    std::string documents = joinPath(home, "Documents");
    if (directoryExists(documents))
        return documents;
    return home;
}

}  // namespace schemist
