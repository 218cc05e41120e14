// fork + pipe + poll. The child never returns into the caller's code: static
// destructors and atexit handlers of the parent's program must not run twice.
#include "platform/mdb/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace schemist::mdb {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWorkThrew = 70;
constexpr int kWriteFailed = 71;
constexpr int kExecFailed = 127;
constexpr int kOrphaned = 72;

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void silenceStandardStreams()
{
    int devNull = ::open("/dev/null", O_RDWR);
    if (devNull < 0)
        return;
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(devNull, STDERR_FILENO);
    if (devNull > STDERR_FILENO)
        ::close(devNull);
}

// A child whose parent was killed would otherwise read on unwatched, with no
// time limit, until it ends by itself. The parent may already be gone by the
// time the request is made; then the child is an orphan and leaves at once.
void dieWithParent(pid_t parent)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(kOrphaned);
}

void limitCpuTime(const ChildLimits& limits)
{
    auto seconds = static_cast<rlim_t>(std::max<long long>(1, limits.mostCpuTime.count()));
    struct rlimit cpu {seconds, seconds + 1};
    ::setrlimit(RLIMIT_CPU, &cpu);
}

void limitResources(const ChildLimits& limits)
{
    limitCpuTime(limits);
    // AddressSanitizer reserves terabytes of address space for its shadow
    // memory; under it the limit would stop every child at its first
    // allocation, so sanitizer builds go without it.
    if (!kAddressSpaceLimitWorks) {
        struct rlimit noCore {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        return;
    }
    struct rlimit memory {limits.mostAddressSpace, limits.mostAddressSpace};
    ::setrlimit(RLIMIT_AS, &memory);
    struct rlimit noCore {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
}

[[noreturn]] void runChild(int writeEnd, const std::function<std::string()>& work, const ChildLimits& limits)
{
    silenceStandardStreams();
    limitResources(limits);
    std::string result;
    try {
        result = work();
    } catch (...) {
        ::_exit(kWorkThrew);
    }
    ::_exit(writeAll(writeEnd, result) ? 0 : kWriteFailed);
}

int millisecondsUntil(Clock::time_point deadline)
{
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 1 << 30));
}

void killAndReap(pid_t pid)
{
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Reads until the child closes its end. Throws (after killing the child) on
// time-out or too much output.
std::string readAll(int readEnd, pid_t pid, Clock::time_point deadline, const ChildLimits& limits)
{
    std::string bytes;
    char buffer[65536];
    for (;;) {
        int wait = millisecondsUntil(deadline);
        if (wait == 0) {
            killAndReap(pid);
            throw ChildFailure{ChildFailure::TimedOut};
        }
        struct pollfd p {readEnd, POLLIN, 0};
        int ready = ::poll(&p, 1, wait);
        if (ready < 0 && errno != EINTR) {
            killAndReap(pid);
            throw ChildFailure{ChildFailure::CouldNotStart, errno};
        }
        if (ready <= 0)
            continue;
        ssize_t n = ::read(readEnd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return bytes;  // end of file (or a broken pipe: the exit status tells)
        if (bytes.size() + static_cast<std::size_t>(n) > limits.mostOutputBytes) {
            killAndReap(pid);
            throw ChildFailure{ChildFailure::OutputTooLarge};
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// Waits for the child's exit within the same deadline; it has closed the pipe,
// so this is normally immediate.
int reap(pid_t pid, Clock::time_point deadline)
{
    for (;;) {
        int status = 0;
        pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return status;
        if (done < 0 && errno != EINTR)
            throw ChildFailure{ChildFailure::CouldNotStart, errno};
        if (millisecondsUntil(deadline) == 0) {
            killAndReap(pid);
            throw ChildFailure{ChildFailure::TimedOut};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

struct Pipe {
    int readEnd = -1, writeEnd = -1;
    ~Pipe()
    {
        if (readEnd >= 0)
            ::close(readEnd);
        if (writeEnd >= 0)
            ::close(writeEnd);
    }
};

}  // namespace

namespace {

// Forks; the child runs `childBody` with the pipe's write end (it never
// returns); the parent reads the pipe with the limits and reaps the child.
std::string runChildProcess(const std::function<void(int writeEnd)>& childBody, const ChildLimits& limits)
{
    Clock::time_point deadline = Clock::now() + limits.timeout;
    Pipe pipe;
    const pid_t parent = ::getpid();
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw ChildFailure{ChildFailure::CouldNotStart, errno};
    pipe.readEnd = ends[0];
    pipe.writeEnd = ends[1];

    pid_t pid = ::fork();
    if (pid < 0)
        throw ChildFailure{ChildFailure::CouldNotStart, errno};
    if (pid == 0) {
        dieWithParent(parent);
        ::close(pipe.readEnd);
        childBody(pipe.writeEnd);
        ::_exit(kWorkThrew);
    }
    ::close(pipe.writeEnd);
    pipe.writeEnd = -1;

    std::string bytes = readAll(pipe.readEnd, pid, deadline, limits);
    int status = reap(pid, deadline);
    if (WIFSIGNALED(status))
        throw ChildFailure{ChildFailure::Signaled, WTERMSIG(status)};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw ChildFailure{ChildFailure::ExitedNonZero, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    return bytes;
}

}  // namespace

std::string runInChild(const std::function<std::string()>& work, const ChildLimits& limits)
{
    return runChildProcess([&](int writeEnd) { runChild(writeEnd, work, limits); }, limits);
}

std::string runProgramInChild(const std::vector<std::string>& argv, const ChildLimits& limits)
{
    // Everything the child needs is made before the fork: between fork and
    // exec only async-signal-safe calls are made.
    std::vector<std::string> copies = argv;
    std::vector<char*> args;
    for (std::string& arg : copies)
        args.push_back(arg.data());
    args.push_back(nullptr);
    return runChildProcess(
        [&](int writeEnd) {
            silenceStandardStreams();
            ::dup2(writeEnd, STDOUT_FILENO);
            limitResources(limits);
            ::execv(args[0], args.data());
            ::_exit(kExecFailed);
        },
        limits);
}

}  // namespace schemist::mdb
