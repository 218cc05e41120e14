// Safe and unique page file names.
#include "doc/file_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace schemist::doc {
namespace {

// ASCII letters folded; other bytes as they are. Case-insensitive file
// systems fold more than ASCII, but table names differing only in the case
// of a non-ASCII letter are not worth a second rule.
std::string folded(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool isReservedOnWindows(const std::string& stem)
{
    static const std::array<const char*, 22> reserved = {
        "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
        "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};
    // "CON.txt" and "con .x" are reserved as well: the part before a dot counts.
    std::string base = folded(stem.substr(0, stem.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    return std::any_of(reserved.begin(), reserved.end(), [&](const char* r) { return base == r; });
}

}  // namespace

std::string safeStem(const std::string& stem)
{
    std::string out;
    for (char c : stem) {
        auto u = static_cast<unsigned char>(c);
        out += (u < 0x20 || u == 0x7F || std::strchr("\\/:*?\"<>|", c)) ? '_' : c;
    }
    if (out.empty())
        out = "_";
    if (out.back() == '.' || out.back() == ' ')
        out.back() = '_';
    if (isReservedOnWindows(out))
        out.insert(0, "_");
    return out;
}

FileNames::FileNames(std::set<std::string> taken)
{
    for (const std::string& name : taken)
        folded_.insert(folded(name));
}

std::string FileNames::unique(const std::string& stem, const std::string& extension)
{
    std::string safe = safeStem(stem);
    std::string name = safe + extension;
    for (int n = 2; folded_.count(folded(name)); ++n)
        name = safe + "~" + std::to_string(n) + extension;
    folded_.insert(folded(name));
    return name;
}

}  // namespace schemist::doc
