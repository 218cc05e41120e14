// CP932 conversion and byte counting: the counts decide comment placement in
// generated source, so they are checked against known byte lengths.
#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

using namespace schemist;

TEST(Cp932, CountsDoubleByteAndHalfWidthCharacters)
{
    EXPECT_EQ(cp932ByteCount("abc"), 3u);
    EXPECT_EQ(cp932ByteCount("社員"), 4u);
    EXPECT_EQ(cp932ByteCount("ﾛｰｶﾙ"), 4u);           // half-width katakana: 1 byte each
    EXPECT_EQ(cp932ByteCount("    abc社員名 ab Single"), 23u);
}

TEST(Cp932, UnencodableCharacterBecomesQuestionMark)
{
    Cp932Text text = encodeCp932("a\xF0\x9F\x98\x80" "b");  // an emoji between two letters
    EXPECT_EQ(text.bytes, "a?b");
    EXPECT_TRUE(text.lossy);
    EXPECT_EQ(cp932ByteCount("a\xF0\x9F\x98\x80" "b"), 3u);
    EXPECT_FALSE(fitsCp932("Umsätze"));
    EXPECT_TRUE(fitsCp932("受注明細"));
}

TEST(Cp932, RoundTripsJapaneseText)
{
    Cp932Text text = encodeCp932("ﾌﾟﾛﾊﾟﾃｨ値を保持する");
    EXPECT_FALSE(text.lossy);
    EXPECT_EQ(decodeToUtf8(text.bytes, "CP932"), "ﾌﾟﾛﾊﾟﾃｨ値を保持する");
}

TEST(Cp932, MixedLinesEncodeAsIconvEncodesThemWhole)
{
    // Every ASCII character next to Japanese text, half-width katakana and
    // symbols: the bytes must be those of one iconv pass over the line.
    std::string ascii;
    for (int c = 1; c < 0x80; ++c)
        ascii.push_back(static_cast<char>(c));
    for (const std::string& line :
         {std::string("    strName As String * 50      ' 氏名"), "' ﾌﾟﾛﾊﾟﾃｨ" + ascii + "値～①\\￥", ascii + "社員" + ascii,
          std::string("受注明細")}) {
        iconv_t cd = iconv_open("CP932", "UTF-8");
        ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
        std::string expected(line.size() * 2, '\0');
        char* in = const_cast<char*>(line.data());
        std::size_t inLeft = line.size();
        char* out = expected.data();
        std::size_t outLeft = expected.size();
        ASSERT_NE(iconv(cd, &in, &inLeft, &out, &outLeft), static_cast<std::size_t>(-1)) << line;
        iconv_close(cd);
        expected.resize(expected.size() - outLeft);
        Cp932Text text = encodeCp932(line);
        EXPECT_EQ(text.bytes, expected) << line;
        EXPECT_FALSE(text.lossy);
    }
    Cp932Text text = encodeCp932("社\xF0\x9F\x98\x80員 x\xF0\x9F\x98\x80");
    EXPECT_EQ(text.bytes, encodeCp932("社").bytes + "?" + encodeCp932("員").bytes + " x?");
    EXPECT_TRUE(text.lossy);
    // Runs met before give the same bytes and the same loss as the first time.
    EXPECT_EQ(encodeCp932("社\xF0\x9F\x98\x80員 x\xF0\x9F\x98\x80").bytes, text.bytes);
    EXPECT_TRUE(encodeCp932("y社\xF0\x9F\x98\x80員").lossy);
    EXPECT_FALSE(encodeCp932("x社").lossy);
}

namespace {

// What one iconv pass makes of a run of non-ASCII bytes, skipping a refused
// character (as many bytes as its lead byte announces) and writing "?".
std::string iconvOf(const std::string& run)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string result;
    char* in = const_cast<char*>(run.data());
    std::size_t inLeft = run.size();
    while (inLeft > 0) {
        char buffer[64];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            auto lead = static_cast<unsigned char>(*in);
            std::size_t skip = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 1;
            skip = std::min(skip, inLeft);
            in += skip;
            inLeft -= skip;
            result.push_back('?');
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return result;
}

}  // namespace

TEST(Cp932, EveryCharacterAndBrokenSequenceEncodesAsIconvDoes)
{
    // Each character of the Basic Multilingual Plane alone, twice (the second
    // time from what the first one taught the encoder), between letters.
    for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string utf8;
        if (cp < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (cp & 0x3F))};
        }
        std::string expected = iconvOf(utf8);
        for (int round = 0; round < 2; ++round) {
            Cp932Text text = encodeCp932("a" + utf8 + "b");
            ASSERT_EQ(text.bytes, "a" + expected + "b") << std::hex << static_cast<unsigned>(cp);
            ASSERT_EQ(text.lossy, expected == "?") << std::hex << static_cast<unsigned>(cp);
        }
    }
    // Bytes that are no UTF-8, or not all of it, among characters that are.
    for (const std::string run : {"\xC0\x80", "\xC1\xBF社", "社\xE0\x80\x80員", "\xED\xA0\x80社", "社\xE3\x81",
                                  "\xE3\x81社", "\x80\xBF員", "\xF8\x88\x80\x80\x80社", "\xF4\x90\x80\x80員",
                                  "社\xF0\x9F\x98\x80員", "\xFF", "社\xC3"}) {
        Cp932Text text = encodeCp932("x" + run + "y");
        EXPECT_EQ(text.bytes, "x" + iconvOf(run) + "y") << testing::PrintToString(run);
    }
}

TEST(Cp932, AppendingKeepsWhatTheBufferHeld)
{
    // Pieces appended one after another to one buffer, long ones among them
    // (a comment of thousands of characters, broken bytes at either end).
    std::string longComment;
    for (int i = 0; i < 3000; ++i)
        longComment += i % 7 == 0 ? "x" : "社ﾛ";
    const std::string pieces[] = {"Option Explicit", "' 社員", "", longComment, "\xF0\x9F\x98\x80" + longComment + "\xE3",
                                  "ab\xC3", "    end if"};
    std::string buffer = "head\r\n";
    std::string expected = buffer;
    bool lossy = false;
    for (const std::string& piece : pieces) {
        lossy = appendCp932(buffer, piece) || lossy;
        expected += encodeCp932(piece).bytes;
    }
    EXPECT_EQ(buffer, expected);
    EXPECT_TRUE(lossy);
    EXPECT_FALSE(appendCp932(buffer, longComment));
}

TEST(Cp932, LongRunsMetAgainEncodeAsTheFirstTime)
{
    // Thousands of different runs of six ideographs (some without a CP932
    // form), each twice, more than the encoder keeps.
    auto utf8Of = [](char32_t cp) {
        return std::string{static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                           static_cast<char>(0x80 | (cp & 0x3F))};
    };
    for (char32_t first = 0x4E00; first < 0x4E00 + 6000; ++first) {
        std::string run;
        for (char32_t cp = first; cp < first + 6; ++cp)
            run += utf8Of(cp);
        std::string expected = iconvOf(run);
        for (int round = 0; round < 2; ++round) {
            Cp932Text text = encodeCp932("' " + run + " x");
            ASSERT_EQ(text.bytes, "' " + expected + " x") << std::hex << static_cast<unsigned>(first);
            ASSERT_EQ(text.lossy, expected.find('?') != std::string::npos);
        }
    }
}

TEST(Utf8, CharacterOperations)
{
    EXPECT_EQ(utf8Length("tbl受注"), 5u);
    EXPECT_EQ(utf8Left("受注明細", 3), "受注明");
    EXPECT_EQ(utf8Mid("tbl受注", 3), "受注");
    EXPECT_EQ(utf8Mid("tb", 3), "");
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
}

TEST(PrintableText, ControlCharactersAreShownAsHexEscapes)
{
    EXPECT_EQ(printableText("tbl\x1b[2Jx"), "tbl\\x1B[2Jx");
    EXPECT_EQ(printableText(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(printableText("a\x7f\tb\r\n"), "a\\x7F\\x09b\\x0D\\x0A");
    EXPECT_EQ(printableText("一行目\n二行目\x07", true), "一行目\n二行目\\x07");
    // Multi-byte characters and a backslash pass unchanged.
    EXPECT_EQ(printableText("社員\\マスタ"), "社員\\マスタ");
}

TEST(AccessNameComparison, IgnoresTheCaseOfAsciiLettersOnly)
{
    EXPECT_TRUE(equalsIgnoringAsciiCase("tblStaff", "TBLSTAFF"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("tblStaff", "tblStaf"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("ａ", "Ａ"));
}
