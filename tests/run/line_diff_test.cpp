// Unified diffs as a check prints them: hunk ranges and context must match
// what diff(1) and patch(1) expect.
#include "run/line_diff.h"

#include <gtest/gtest.h>

using namespace schemist;

namespace {
std::vector<std::string> lines(std::initializer_list<const char*> l) { return {l.begin(), l.end()}; }
}

TEST(LineDiff, SplitsCrLfAndLfLines)
{
    EXPECT_EQ(splitLines("a\r\nb\r\n"), lines({"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), lines({"a", "b"}));
    EXPECT_EQ(splitLines("\r\n"), lines({""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(LineDiff, OneChangedLineWithContext)
{
    auto a = lines({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    auto b = a;
    b[4] = "five";
    EXPECT_EQ(unifiedDiff(a, b, "a/x", "b/x"),
              "--- a/x\n+++ b/x\n@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n");
    EXPECT_EQ(unifiedDiff(a, a, "a", "b"), "");
}

TEST(LineDiff, AddedAndRemovedFilesAndSeparateHunks)
{
    EXPECT_EQ(unifiedDiff({}, lines({"x", "y"}), "a", "b"), "--- a\n+++ b\n@@ -0,0 +1,2 @@\n+x\n+y\n");
    EXPECT_EQ(unifiedDiff(lines({"x"}), {}, "a", "b"), "--- a\n+++ b\n@@ -1 +0,0 @@\n-x\n");
    std::vector<std::string> a, b;
    for (int i = 0; i < 30; ++i)
        a.push_back(std::to_string(i));
    b = a;
    b[2] = "two";
    b[25] = "twenty-five";
    std::string diff = unifiedDiff(a, b, "a", "b");
    EXPECT_NE(diff.find("@@ -1,6 +1,6 @@"), std::string::npos) << diff;
    EXPECT_NE(diff.find("@@ -23,7 +23,7 @@"), std::string::npos) << diff;
}
