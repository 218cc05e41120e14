// Running a piece of work in a forked child process whose crash, endless loop
// or runaway memory cannot harm the caller: the child's only channel back is
// a pipe, read with a time limit and a size limit.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define SCHEMIST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCHEMIST_ADDRESS_SANITIZER 1
#endif
#endif

namespace schemist::mdb {

#ifdef SCHEMIST_ADDRESS_SANITIZER
inline constexpr bool kAddressSpaceLimitWorks = false;
#else
inline constexpr bool kAddressSpaceLimitWorks = true;
#endif

struct ChildLimits {
    std::chrono::milliseconds timeout{60000};
    std::size_t mostOutputBytes = 256u << 20;        // the parent reads no more than this
    std::uint64_t mostAddressSpace = 2ull << 30;     // RLIMIT_AS of the child (not under AddressSanitizer)
    // RLIMIT_CPU of the child: it holds even when nobody watches the clock
    // any more (a stopped parent); SIGXCPU at the limit, SIGKILL a second later.
    std::chrono::seconds mostCpuTime{120};
};

struct ChildFailure {
    enum Kind { CouldNotStart, TimedOut, Signaled, ExitedNonZero, OutputTooLarge } kind;
    int detail = 0;  // the signal or exit status
};

// Forks; in the child, standard input, output and error are /dev/null, the
// address space and CPU time are bounded, core dumps are off, the child is
// killed when the forking thread's process dies, `work` runs and its result is
// written to the pipe, and the child leaves with _exit (0, or 70 when `work`
// threw). The parent returns the bytes of a child that exited with 0, and
// otherwise throws ChildFailure; a child past the time limit or the output
// limit is killed. The child is always reaped.
std::string runInChild(const std::function<std::string()>& work, const ChildLimits& limits);

// The same for another program: it is started in the child with its standard
// output on the pipe; what it writes there is returned.
std::string runProgramInChild(const std::vector<std::string>& argv, const ChildLimits& limits);

}  // namespace schemist::mdb
