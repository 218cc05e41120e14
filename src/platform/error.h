// Error: the one exception type of the system. Its message is already in the
// user's language and names what failed and on which file or table, so the
// front ends show it as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace schemist {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Prefixes a message with the step that failed ("スキーマ読み込み: ...").
inline Error withContext(const std::string& context, const std::exception& cause)
{
    return Error(context + ": " + cause.what());
}

}  // namespace schemist
