// What the reader passed over reaches the user: its warnings become the
// run's, on standard error and in the definitions JSON.
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace schemist;
using test::runCli;

namespace {

TEST(ReaderWarningsCli, ATrailingByteIsReadPastWithAWarningOnStderrAndInTheJson)
{
    test::ScratchDir home, out;
    ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0);
    std::string source = out.file("tail.mdb");
    test::writeFile(source, test::readFile(test::dataFile("sample.mdb")) + "x");
    auto result = runCli({source, "--tables", "tblStaff", "--out", out.path(), "--name", "Staff",
                          "--definitions-json", out.file("rows.json")},
                         home.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("末尾の 1 バイト"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(source), std::string::npos) << result.err;
    EXPECT_NE(test::readFile(out.file("rows.json")).find("末尾の 1 バイト"), std::string::npos);
}

}  // namespace
