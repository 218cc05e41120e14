// CP932 conversion and byte counting: the counts decide comment placement in
// generated source, so they are checked against known byte lengths.
#include "platform/text.h"

#include <gtest/gtest.h>

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

TEST(Utf8, CharacterOperations)
{
    EXPECT_EQ(utf8Length("tbl受注"), 5u);
    EXPECT_EQ(utf8Left("受注明細", 3), "受注明");
    EXPECT_EQ(utf8Mid("tbl受注", 3), "受注");
    EXPECT_EQ(utf8Mid("tb", 3), "");
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
}
