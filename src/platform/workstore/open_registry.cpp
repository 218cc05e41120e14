// Counts of exclusive and shared connections per file, keyed by the file's
// resolved path so that two spellings of one file count as one.
#include "platform/workstore/open_registry.h"

#include <climits>
#include <cstdlib>
#include <map>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace schemist::dao {
namespace {

struct OpenCounts {
    int exclusive = 0;
    int shared = 0;
};

std::mutex registryMutex;

std::map<std::string, OpenCounts>& registry()
{
    static std::map<std::string, OpenCounts> map;
    return map;
}

std::string registryKeyFor(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    return path;
}

}  // namespace

OpenRegistration::OpenRegistration(const std::string& path, bool exclusive)
    : key_(registryKeyFor(path)), exclusive_(exclusive)
{
    std::lock_guard lock(registryMutex);
    OpenCounts& counts = registry()[key_];
    if (counts.exclusive > 0 || (exclusive && counts.shared > 0))
        throw std::logic_error("work store opened twice in one process: " + key_);
    (exclusive ? counts.exclusive : counts.shared)++;
    active_ = true;
}

OpenRegistration::OpenRegistration(OpenRegistration&& other) noexcept
    : key_(std::move(other.key_)), exclusive_(other.exclusive_), active_(std::exchange(other.active_, false))
{
}

OpenRegistration::~OpenRegistration()
{
    if (!active_)
        return;
    std::lock_guard lock(registryMutex);
    auto it = registry().find(key_);
    if (it == registry().end())
        return;
    (exclusive_ ? it->second.exclusive : it->second.shared)--;
    if (it->second.exclusive <= 0 && it->second.shared <= 0)
        registry().erase(it);
}

}  // namespace schemist::dao
