// Prints how long reading the 400-table benchmark database takes, in this
// process and in a child process. No limit is asserted: machines differ; the
// figures are for comparing with `mdb-schema` on the same machine.
#include "platform/mdb/schema_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

using namespace schemist;

namespace {

template <typename Read>
double bestOfThreeMilliseconds(Read read)
{
    double best = 1e18;
    for (int i = 0; i < 3; ++i) {
        auto start = std::chrono::steady_clock::now();
        SourceSchema schema = read();
        auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(schema.tables.size(), 400u + 5u) << "400 local tables and 5 system tables";
        best = std::min(best, std::chrono::duration<double, std::milli>(elapsed).count());
    }
    return best;
}

TEST(ReaderTiming, BigDatabaseInProcessAndIsolated)
{
    std::string big = test::sharedFixture("big.mdb");
    if (big.empty())
        GTEST_SKIP() << "../shared/fixtures/big.mdb is absent";
    SourceReadOptions options;
    double plain = bestOfThreeMilliseconds([&] { return readSourceSchema(big, options); });
    double isolated = bestOfThreeMilliseconds([&] { return readSourceSchemaIsolated(big, options); });
    std::printf("[ timing ] big.mdb readSourceSchema: %.1f ms, readSourceSchemaIsolated: %.1f ms\n", plain, isolated);
    RecordProperty("plain_ms", static_cast<int>(plain));
    RecordProperty("isolated_ms", static_cast<int>(isolated));
}

}  // namespace
