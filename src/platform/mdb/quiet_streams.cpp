// Points file descriptors 1 and 2 at /dev/null for the life of the object and
// puts the originals back afterwards.
#include "platform/mdb/quiet_streams.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace schemist::mdb {

QuietStandardStreams::QuietStandardStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull < 0)
        return;  // nothing to redirect to: better noisy than failing the read
    savedOut_ = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    savedErr_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (savedOut_ >= 0)
        ::dup2(devNull, STDOUT_FILENO);
    if (savedErr_ >= 0)
        ::dup2(devNull, STDERR_FILENO);
    ::close(devNull);
}

QuietStandardStreams::~QuietStandardStreams()
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (savedOut_ >= 0) {
        ::dup2(savedOut_, STDOUT_FILENO);
        ::close(savedOut_);
    }
    if (savedErr_ >= 0) {
        ::dup2(savedErr_, STDERR_FILENO);
        ::close(savedErr_);
    }
}

}  // namespace schemist::mdb
