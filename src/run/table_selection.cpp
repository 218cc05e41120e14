// Resolving the names of wanted tables against the database's own spelling.
#include "run/table_selection.h"

#include "platform/text.h"

#include <algorithm>

namespace schemist {
namespace {

// Blanks and tabs around a typed name are not part of it.
std::string trimmedName(const std::string& text)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<std::string> tablesAsSpelled(const std::vector<std::string>& wanted, const std::vector<std::string>& listed,
                                         std::vector<std::string>& unknown)
{
    std::vector<std::string> tables;
    for (const std::string& entry : wanted) {
        const std::string name = trimmedName(entry);
        if (name.empty())
            continue;
        auto found = std::find(listed.begin(), listed.end(), name);
        if (found == listed.end())
            found = std::find_if(listed.begin(), listed.end(),
                                 [&](const std::string& table) { return equalsIgnoringAsciiCase(table, name); });
        if (found == listed.end())
            unknown.push_back(name);
        else if (std::find(tables.begin(), tables.end(), *found) == tables.end())
            tables.push_back(*found);
    }
    return tables;
}

}  // namespace schemist
