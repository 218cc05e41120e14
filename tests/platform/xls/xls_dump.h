// Test helper: reads an .xls file with xlrd (Debian python3-xlrd) through
// xls_dump.py beside this header, and offers what it found to the tests.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace schemist::test {

inline std::string xlsDumpScript()
{
    // Found from the tests' folder rather than __FILE__, which a compiler
    // cache may have made relative to the build folder.
    return (std::filesystem::path(SCHEMIST_TEST_DATA).parent_path() / "platform" / "xls" / "xls_dump.py").string();
}

inline bool xlrdAvailable()
{
    return std::system("/usr/bin/python3 -c 'import xlrd' >/dev/null 2>&1") == 0;
}

// The dump of the file as JSON; ADD_FAILURE and an empty object when xlrd
// cannot read it.
inline nlohmann::json readXls(const std::string& path)
{
    std::string command = "/usr/bin/python3 '" + xlsDumpScript() + "' '" + path + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return nlohmann::json::object();
    }
    std::string text;
    char buffer[65536];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    int status = pclose(pipe);
    nlohmann::json dump = nlohmann::json::parse(text, nullptr, false);
    if (status != 0 || dump.is_discarded() || dump.contains("error")) {
        ADD_FAILURE() << "xlrd could not read " << path << ": " << text.substr(0, 2000);
        return nlohmann::json::object();
    }
    return dump;
}

// The [row, col, kind, value, xf] entry of a cell (0-based), if any.
inline std::optional<nlohmann::json> cellAt(const nlohmann::json& sheet, int row, int column)
{
    for (const auto& c : sheet["cells"])
        if (c[0] == row && c[1] == column)
            return c;
    return std::nullopt;
}

}  // namespace schemist::test
