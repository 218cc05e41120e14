// The tables a user names (on the command line, in a project file) as the
// database spells them: blanks around a name are ignored and ASCII letters
// compared without regard to case, as Access compares names.
#pragma once

#include <string>
#include <vector>

namespace schemist {

// `wanted` resolved against the tables `listed`, in the order wanted and
// without duplicates; names found nowhere go to `unknown`.
std::vector<std::string> tablesAsSpelled(const std::vector<std::string>& wanted, const std::vector<std::string>& listed,
                                         std::vector<std::string>& unknown);

}  // namespace schemist
