// File names for the pages of a document, safe on every file system a
// reviewer may copy them to.
#pragma once

#include <set>
#include <string>

namespace schemist::doc {

// Hands out file names made from table names: characters no file system
// takes (\ / : * ? " < > | and control characters) become "_", as do a
// trailing dot or blank; a name Windows reserves (CON, NUL, COM1, ...) gets
// a leading "_"; a name already handed out, compared without letter case,
// gets "~2", "~3", ... before the extension.
class FileNames {
public:
    // Names that are taken from the start (for example "README.md").
    explicit FileNames(std::set<std::string> taken = {});

    std::string unique(const std::string& stem, const std::string& extension);

private:
    std::set<std::string> folded_;
};

// The stem made safe, without the uniqueness step.
std::string safeStem(const std::string& stem);

}  // namespace schemist::doc
