// The connections to work stores open in this process, by file. A store is
// held either by one exclusive connection or by any number of shared ones;
// anything else is a programming error and fails loudly.
#pragma once

#include <string>

namespace schemist::dao {

// Registers one connection to a file for the life of the object. Throws
// std::logic_error when the file is already held in a way that excludes it.
class OpenRegistration {
public:
    OpenRegistration(const std::string& path, bool exclusive);
    OpenRegistration(OpenRegistration&& other) noexcept;
    OpenRegistration& operator=(OpenRegistration&&) = delete;
    OpenRegistration(const OpenRegistration&) = delete;
    ~OpenRegistration();

private:
    std::string key_;
    bool exclusive_ = false;
    bool active_ = false;
};

}  // namespace schemist::dao
