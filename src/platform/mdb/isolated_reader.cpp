// readSourceSchemaIsolated: the in-process reader run in a child process. The
// child sends one status byte and then either the encoded schema ('S') or the
// message of the Error it met ('E'); every other outcome becomes an Error here.
#include "platform/mdb/schema_reader.h"

#include "platform/mdb/child_process.h"
#include "platform/mdb/read_failure.h"
#include "platform/mdb/schema_wire.h"
#include "platform/paths.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace schemist {
namespace {

constexpr char kSchemaFollows = 'S';
constexpr char kErrorFollows = 'E';
constexpr std::size_t kLongestMessage = 64 * 1024;

// The reading program: $SCHEMIST_READER, else schemist-read beside the
// running program, else the one of the build tree; "" when there is none.
std::string readerProgram()
{
    if (const char* configured = std::getenv("SCHEMIST_READER"); configured && *configured)
        return configured;
    char self[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string beside = folderOf(std::string(self, static_cast<std::size_t>(n))) + "/schemist-read";
        if (::access(beside.c_str(), X_OK) == 0)
            return beside;
    }
#ifdef SCHEMIST_READER_BUILD_PATH
    if (::access(SCHEMIST_READER_BUILD_PATH, X_OK) == 0)
        return SCHEMIST_READER_BUILD_PATH;
#endif
    return {};
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

std::string readSourceSchemaForParent(const std::string& path, const SourceReadOptions& options)
{
    try {
        return kSchemaFollows + mdb::encodeSchema(readSourceSchema(path, options));
    } catch (const Error& error) {
        return kErrorFollows + std::string(error.what());
    }
}

std::vector<std::string> readerArguments(const std::string& path, const SourceReadOptions& options)
{
    std::vector<std::string> args = {path, options.jet3Charset, options.readDefinitions ? "1" : "0"};
    args.insert(args.end(), options.onlyTables.begin(), options.onlyTables.end());
    return args;
}

SourceReadOptions readerOptionsFrom(const std::vector<std::string>& arguments, std::string& path)
{
    SourceReadOptions options;
    if (arguments.size() < 3)
        throw Error("schemist-read: 引数が足りません");
    path = arguments[0];
    options.jet3Charset = arguments[1];
    options.readDefinitions = arguments[2] == "1";
    options.onlyTables.assign(arguments.begin() + 3, arguments.end());
    return options;
}

SourceSchema readSourceSchemaIsolated(const std::string& path, const SourceReadOptions& options,
                                      std::chrono::milliseconds timeout)
{
    mdb::ChildLimits limits;
    limits.timeout = timeout;
    // One thread reads, so its CPU time cannot outrun the clock the parent
    // watches; the limit only acts when the parent no longer watches.
    limits.mostCpuTime = std::chrono::ceil<std::chrono::seconds>(timeout) + std::chrono::seconds(5);
    std::string bytes;
    try {
        std::string program = readerProgram();
        if (program.empty()) {
            bytes = mdb::runInChild([&] { return readSourceSchemaForParent(path, options); }, limits);
        } else {
            std::vector<std::string> argv = {program};
            for (std::string& arg : readerArguments(path, options))
                argv.push_back(std::move(arg));
            bytes = mdb::runProgramInChild(argv, limits);
        }
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
