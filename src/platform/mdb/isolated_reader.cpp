// readSourceSchemaIsolated: the in-process reader run in a child process. The
// child sends one status byte and then either the encoded schema ('S') or the
// message of the Error it met ('E'); every other outcome becomes an Error here.
#include "platform/mdb/source_schema.h"

#include "platform/mdb/child_process.h"
#include "platform/mdb/read_failure.h"
#include "platform/mdb/schema_wire.h"

namespace schemist {
namespace {

constexpr char kSchemaFollows = 'S';
constexpr char kErrorFollows = 'E';
constexpr std::size_t kLongestMessage = 64 * 1024;

std::string readInChild(const std::string& path, const SourceReadOptions& options)
{
    try {
        return kSchemaFollows + mdb::encodeSchema(readSourceSchema(path, options));
    } catch (const Error& error) {
        return kErrorFollows + std::string(error.what());
    }
}

Error failureOf(const std::string& path, const mdb::ChildFailure& failure, std::chrono::milliseconds timeout)
{
    switch (failure.kind) {
    case mdb::ChildFailure::TimedOut:
        return mdb::readFailure(path, mdb::reason::timedOut(timeout.count()));
    case mdb::ChildFailure::Signaled:
        return mdb::readFailure(path, mdb::reason::killedBySignal(failure.detail));
    case mdb::ChildFailure::ExitedNonZero:
        return mdb::readFailure(path, mdb::reason::exitedWith(failure.detail));
    case mdb::ChildFailure::OutputTooLarge:
        return mdb::readFailure(path, mdb::reason::kMalformedResult);
    case mdb::ChildFailure::CouldNotStart:
        break;
    }
    return mdb::readFailure(path, mdb::reason::kNoChild);
}

// The child's message is passed on only when it has the shape every read
// failure has; anything else is treated as a broken result.
Error errorFromChild(const std::string& path, std::string_view message)
{
    std::string expectedStart = mdb::readFailure(path, "").what();
    if (message.size() > kLongestMessage || message.substr(0, expectedStart.size()) != expectedStart)
        return mdb::readFailure(path, mdb::reason::kMalformedResult);
    return Error(std::string(message));
}

}  // namespace

SourceSchema readSourceSchemaIsolated(const std::string& path, const SourceReadOptions& options,
                                      std::chrono::milliseconds timeout)
{
    mdb::ChildLimits limits;
    limits.timeout = timeout;
    std::string bytes;
    try {
        bytes = mdb::runInChild([&] { return readInChild(path, options); }, limits);
    } catch (const mdb::ChildFailure& failure) {
        throw failureOf(path, failure, timeout);
    }
    std::string_view body = std::string_view(bytes).substr(bytes.empty() ? 0 : 1);
    if (!bytes.empty() && bytes[0] == kErrorFollows)
        throw errorFromChild(path, body);
    if (bytes.empty() || bytes[0] != kSchemaFollows)
        throw mdb::readFailure(path, mdb::reason::kMalformedResult);
    try {
        return mdb::decodeSchema(body);
    } catch (const mdb::MalformedWire&) {
        throw mdb::readFailure(path, mdb::reason::kMalformedResult);
    }
}

}  // namespace schemist
