// Number settings typed as text: the edges the command line and the options
// dialog must read alike.
#include "run/setting_number.h"

#include <gtest/gtest.h>

using namespace schemist;

TEST(SettingNumber, EmptyTextIsZeroWhereZeroIsAllowed)
{
    EXPECT_EQ(ParseSettingNumber("", 0, 32767), 0);
    EXPECT_EQ(ParseSettingNumber("", 1, 3), std::nullopt);
}

TEST(SettingNumber, LeadingZerosDoNotCountTowardsTheRange)
{
    EXPECT_EQ(ParseSettingNumber("0000000000008", 0, 32767), 8);
    EXPECT_EQ(ParseSettingNumber("0032767", 0, 32767), 32767);
    EXPECT_EQ(ParseSettingNumber("0000", 0, 999), 0);
    EXPECT_EQ(ParseSettingNumber("0999", 0, 999), 999);
    EXPECT_EQ(ParseSettingNumber("0032768", 0, 32767), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("01000", 0, 999), std::nullopt);
}

TEST(SettingNumber, OnlyDigitsWithinTheRange)
{
    for (const char* text : {"-1", "+1", " 1", "1 ", "4a", "0x10", "1.0", "１"})
        EXPECT_EQ(ParseSettingNumber(text, 0, 32767), std::nullopt) << text;
    EXPECT_EQ(ParseSettingNumber("99999", 0, 32767), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("999999999999999999999", 0, 32767), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("4", 1, 3), std::nullopt);
    EXPECT_EQ(ParseSettingNumber("3", 1, 3), 3);
}
