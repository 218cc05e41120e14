// Silences standard output and standard error while libmdb runs: it reports
// damaged pages with fprintf, which must not reach the user's terminal.
#pragma once

namespace schemist::mdb {

class QuietStandardStreams {
public:
    QuietStandardStreams();
    ~QuietStandardStreams();
    QuietStandardStreams(const QuietStandardStreams&) = delete;
    QuietStandardStreams& operator=(const QuietStandardStreams&) = delete;

private:
    int savedOut_ = -1;
    int savedErr_ = -1;
};

}  // namespace schemist::mdb
