// A character outside the Basic Multilingual Plane in a source database, from
// the reader to every output of schemist-cli: the workbook (UTF-16) and the
// definitions JSON hold it whole; the Shift-JIS source, which cannot, holds
// one "?" for it, and the run warns naming the table and field.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

using namespace schemist;
using test::runCli;

namespace {


std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Every cell of every sheet of an .xls, one per line, read with xlrd.
std::string workbookCells(const std::string& path, const std::string& scratch)
{
    const char* python = "/usr/bin/python3";
    std::string script = scratch + "/cells.py";
    test::writeFile(script, "import sys, xlrd\n"
                            "book = xlrd.open_workbook(sys.argv[1])\n"
                            "out = open(sys.argv[2], 'w', encoding='utf-8')\n"
                            "for sheet in book.sheets():\n"
                            "    for r in range(sheet.nrows):\n"
                            "        for value in sheet.row_values(r):\n"
                            "            out.write(str(value) + '\\n')\n");
    std::string cells = scratch + "/cells.txt";
    std::string command = std::string(python) + " " + script + " '" + path + "' '" + cells + "' 2>&1";
    if (std::system(command.c_str()) != 0)
        return "(xlrd could not read " + path + ")";
    return test::readFile(cells);
}

bool xlrdAvailable()
{
    return std::system("/usr/bin/python3 -c 'import xlrd' >/dev/null 2>&1") == 0;
}

struct TextBeyondBmpCli : ::testing::Test {
    test::ScratchDir home;
    test::ScratchDir out;

    void SetUp() override { ASSERT_EQ(runCli({"--init"}, home.path()).exitCode, 0); }

    // sample.mdb with the description of tblStaff.fldName, 氏名, made 🍣
    // (one character, two UTF-16 code units, as the two it replaces).
    std::string sampleWithEmoji()
    {
        std::string bytes = test::readFile(test::dataFile("sample.mdb"));
        std::string from = test::utf16le(u"氏名"), to = test::utf16le(u"🍣");
        std::size_t at = bytes.find(from);
        EXPECT_NE(at, std::string::npos);
        EXPECT_EQ(bytes.find(from, at + 1), std::string::npos);
        bytes.replace(at, from.size(), to);
        std::string path = out.file("emoji.mdb");
        test::writeFile(path, bytes);
        return path;
    }
};

TEST_F(TextBeyondBmpCli, EmojiReachesWorkbookAndJsonWholeAndTheSourceAsOneQuestionMark)
{
    if (!xlrdAvailable())
        GTEST_SKIP() << "python3-xlrd is not installed (scripts/install-deps.sh)";
    std::string source = sampleWithEmoji();
    std::filesystem::create_directory(out.file("plain"));
    std::filesystem::create_directory(out.file("emoji"));
    auto plain = runCli({test::dataFile("sample.mdb"), "--tables", "tblStaff", "--out", out.file("plain"),
                         "--name", "Staff", "--definitions-json", out.file("plain/rows.json")},
                        home.path());
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    auto result = runCli({source, "--tables", "tblStaff", "--out", out.file("emoji"), "--name", "Staff",
                          "--definitions-json", out.file("emoji/rows.json")},
                         home.path());
    ASSERT_EQ(result.exitCode, 0) << result.err;

    std::string cells = workbookCells(out.file("emoji/Staff.xls"), out.path());
    EXPECT_NE(cells.find("🍣\n"), std::string::npos) << cells;
    EXPECT_EQ(cells.find("?"), std::string::npos) << cells;

    std::string json = test::readFile(out.file("emoji/rows.json"));
    EXPECT_TRUE(json.find("🍣") != std::string::npos || json.find("\\ud83c\\udf63") != std::string::npos) << json;

    // The source differs from the plain run's only where the description
    // stood: 氏名 (four Shift-JIS bytes) there, one "?" here.
    std::string plainSource = test::readFile(out.file("plain/Staff.bas"));
    std::string emojiSource = test::readFile(out.file("emoji/Staff.bas"));
    const std::string shiftJisName = "\x8E\x81\x96\xBC";  // 氏名
    ASSERT_GE(occurrences(plainSource, shiftJisName), 1u);
    EXPECT_EQ(occurrences(emojiSource, "?"), occurrences(plainSource, "?") + occurrences(plainSource, shiftJisName));
    EXPECT_EQ(occurrences(emojiSource, "??"), occurrences(plainSource, "??"));

    EXPECT_NE(result.err.find("tblStaff"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("fldName"), std::string::npos) << result.err;
    EXPECT_EQ(plain.err.find("fldName"), std::string::npos) << plain.err;
}

}  // namespace
