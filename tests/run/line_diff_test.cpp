// Unified diffs as a check prints them: hunk ranges and context must match
// what diff(1) and patch(1) expect.
#include "run/line_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

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

namespace {

// Applies a unified diff to the old lines, as patch(1) would.
std::vector<std::string> applyDiff(const std::vector<std::string>& a, const std::string& diff)
{
    std::vector<std::string> out;
    std::size_t x = 0;
    std::vector<std::string> dl = splitLines(diff);
    for (std::size_t i = 2; i < dl.size(); ++i) {
        const std::string& l = dl[i];
        if (l.rfind("@@ -", 0) == 0) {
            std::size_t start = std::stoul(l.substr(4));
            std::size_t comma = l.find(',', 4), space = l.find(' ', 4);
            std::size_t count = comma < space ? std::stoul(l.substr(comma + 1)) : 1;
            std::size_t first = count == 0 ? start : start - 1;
            while (x < first)
                out.push_back(a[x++]);
        } else if (l[0] == ' ') {
            out.push_back(a[x++]);
        } else if (l[0] == '-') {
            ++x;
        } else if (l[0] == '+') {
            out.push_back(l.substr(1));
        }
    }
    while (x < a.size())
        out.push_back(a[x++]);
    return out;
}

}  // namespace

TEST(LineDiff, LargeFilesWithManyChangesGiveExactHunksInBoundedTime)
{
    // A generated module of 150,000 lines in which a renamed prefix changes
    // every 25th line: far more edits than a plain search may make, yet the
    // diff shows just those lines.
    std::vector<std::string> a, b;
    for (int i = 0; i < 150000; ++i) {
        std::string line = "    line " + std::to_string(i) + (i % 3 == 0 ? " ' 社員マスタ" : "");
        a.push_back(line);
        b.push_back(i % 25 == 7 ? "    changed " + std::to_string(i) : line);
    }
    b.insert(b.begin() + 1000, "    inserted");
    b.erase(b.begin() + 90000);  // the unchanged line 89999 of a
    auto started = std::chrono::steady_clock::now();
    std::string diff = unifiedDiff(a, b, "a/Big.bas", "b/Big.bas");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    std::vector<std::string> dl = splitLines(diff);
    auto removed = std::count_if(dl.begin() + 2, dl.end(), [](const std::string& l) { return l[0] == '-'; });
    auto added = std::count_if(dl.begin() + 2, dl.end(), [](const std::string& l) { return l[0] == '+'; });
    EXPECT_EQ(removed, 6000 + 1);
    EXPECT_EQ(added, 6000 + 1);
    EXPECT_EQ(applyDiff(a, diff), b);
}
