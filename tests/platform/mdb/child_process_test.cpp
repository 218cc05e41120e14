// The child-process runner: whatever the work does (crash, exit, loop, flood
// the pipe, eat memory), the parent gets its bytes or a ChildFailure, and the
// child is gone afterwards.
#include "platform/mdb/child_process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace schemist::mdb;
using namespace std::chrono_literals;

namespace {

ChildLimits quick()
{
    ChildLimits limits;
    limits.timeout = 5s;
    return limits;
}

ChildFailure::Kind failureOf(const std::function<std::string()>& work, const ChildLimits& limits = quick())
{
    try {
        runInChild(work, limits);
    } catch (const ChildFailure& failure) {
        return failure.kind;
    }
    ADD_FAILURE() << "the child's work succeeded";
    return ChildFailure::CouldNotStart;
}

// No child of this test process is left behind (reaped or still running).
void expectNoChildren()
{
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(ChildProcess, ReturnsTheWorksBytes)
{
    std::string big(3 << 20, 'x');  // larger than a pipe buffer
    big[12345] = '\0';
    EXPECT_EQ(runInChild([&] { return big; }, quick()), big);
    expectNoChildren();
}

TEST(ChildProcess, CrashIsReportedWithItsSignal)
{
    try {
        runInChild([]() -> std::string { std::raise(SIGSEGV); return ""; }, quick());
        ADD_FAILURE();
    } catch (const ChildFailure& failure) {
        EXPECT_EQ(failure.kind, ChildFailure::Signaled);
        // AddressSanitizer turns the fault into an abort of its own.
        EXPECT_EQ(failure.detail, kAddressSpaceLimitWorks ? SIGSEGV : SIGABRT);
    }
    expectNoChildren();
}

TEST(ChildProcess, AbortAndExitAreFailures)
{
    EXPECT_EQ(failureOf([]() -> std::string { std::abort(); }), ChildFailure::Signaled);
    EXPECT_EQ(failureOf([]() -> std::string { std::_Exit(3); }), ChildFailure::ExitedNonZero);
    EXPECT_EQ(failureOf([]() -> std::string { throw std::runtime_error("x"); }), ChildFailure::ExitedNonZero);
    expectNoChildren();
}

TEST(ChildProcess, EndlessLoopIsKilledAtTheTimeLimit)
{
    ChildLimits limits = quick();
    limits.timeout = 200ms;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf([]() -> std::string { for (;;) std::this_thread::sleep_for(1s); }, limits),
              ChildFailure::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    expectNoChildren();
}

TEST(ChildProcess, OutputBeyondTheLimitIsRefused)
{
    ChildLimits limits = quick();
    limits.mostOutputBytes = 1000;
    EXPECT_EQ(failureOf([] { return std::string(5000, 'x'); }, limits), ChildFailure::OutputTooLarge);
    expectNoChildren();
}

TEST(ChildProcess, MemoryIsBounded)
{
    if (!kAddressSpaceLimitWorks)
        GTEST_SKIP() << "no address-space limit under AddressSanitizer";
    ChildLimits limits = quick();
    limits.mostAddressSpace = 512ull << 20;
    EXPECT_EQ(failureOf([]() -> std::string {
                  std::vector<char> huge(std::size_t(1) << 31, 'x');  // 2 GiB: refused by the limit
                  return std::string(1, huge[123]);
              }, limits),
              ChildFailure::ExitedNonZero);  // bad_alloc thrown out of the work
    expectNoChildren();
}

TEST(ChildProcess, CpuTimeIsBounded)
{
    ChildLimits limits = quick();
    limits.timeout = 60s;
    limits.mostCpuTime = 1s;
    try {
        runInChild(
            []() -> std::string {
                volatile unsigned long n = 0;
                for (;;)
                    n = n + 1;
            },
            limits);
        ADD_FAILURE() << "an endless computation ended by itself";
    } catch (const ChildFailure& failure) {
        EXPECT_EQ(failure.kind, ChildFailure::Signaled);
        EXPECT_TRUE(failure.detail == SIGXCPU || failure.detail == SIGKILL) << failure.detail;
    }
    expectNoChildren();
}

// True while `pid` is a process that has not ended (a zombie has ended).
bool running(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

// A program started for a parent that is killed while it runs must not read
// on unwatched: the parent here is a process of its own, killed with SIGKILL
// (nothing of it runs any more), while its child sleeps.
TEST(ChildProcess, ChildEndsWhenItsParentIsKilled)
{
    char folder[] = "/tmp/child-test-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    std::string pidFile = std::string(folder) + "/pid";
    pid_t parent = ::fork();
    ASSERT_GE(parent, 0);
    if (parent == 0) {
        try {
            runProgramInChild({"/bin/sh", "-c", "echo $$ > " + pidFile + ".part && mv " + pidFile + ".part " +
                                                    pidFile + " && exec sleep 60"},
                              quick());
        } catch (...) {
        }
        ::_exit(0);
    }
    pid_t child = 0;
    for (int wait = 0; wait < 500 && child == 0; ++wait) {
        std::ifstream in(pidFile);
        if (!(in >> child))
            child = 0;
        std::this_thread::sleep_for(20ms);
    }
    ::kill(parent, SIGKILL);
    ::waitpid(parent, nullptr, 0);
    ASSERT_GT(child, 0) << "the child did not start";
    bool gone = false;
    for (int wait = 0; wait < 250 && !gone; ++wait) {
        gone = !running(child);
        if (!gone)
            std::this_thread::sleep_for(20ms);
    }
    EXPECT_TRUE(gone) << "the child " << child << " outlived its killed parent";
    if (!gone)
        ::kill(child, SIGKILL);
    std::remove(pidFile.c_str());
    ::rmdir(folder);
    expectNoChildren();
}

}  // namespace
