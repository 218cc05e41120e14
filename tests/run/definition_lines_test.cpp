// The --show-definitions lines: one line of 19 tab-separated fields per row,
// whatever the texts of the source hold.
#include "run/definition_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace schemist;

namespace {

DefinitionRow staffId()
{
    DefinitionRow r;
    r.TableNo = 1;
    r.TableName = "Staff";
    r.TableNameChange = true;
    r.FieldNo = 1;
    r.FieldName = "ID";
    r.FieldNameChange = true;
    r.Type = "Long";
    r.LengthInteger = 4;
    r.Primary = true;
    return r;
}

}  // namespace

TEST(DefinitionLines, NullIsEmptyAndBooleansAreTrueFalse)
{
    DefinitionRow r = staffId();
    r.AllowZeroLength = std::nullopt;
    EXPECT_EQ(definitionLines("Access_Table", {r}),
              "Access_Table\t1\tStaff\tTrue\t\t1\tID\tTrue\tLong\tFalse\t4\t0\t\tTrue\tFalse\tFalse\t\tFalse\t\n");
}

TEST(DefinitionLines, TabsLineBreaksAndBackslashesInTextsKeepTheRowOnOneLine)
{
    DefinitionRow r = staffId();
    r.TableComment = "社員\r\nマスタ";
    r.Comment = "a\tb";
    r.DefaultValue = "C:\\temp\\n";
    std::string text = definitionLines("VB_Table", {r, staffId()});
    ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    std::string first = text.substr(0, text.find('\n'));
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), 18);
    EXPECT_NE(first.find("\t社員\\r\\nマスタ\t"), std::string::npos);
    EXPECT_NE(first.find("\ta\\tb\t"), std::string::npos);
    EXPECT_TRUE(first.ends_with("\tC:\\\\temp\\\\n")) << first;
}

TEST(DefinitionLines, OtherControlCharactersCannotReachTheTerminal)
{
    DefinitionRow r = staffId();
    r.TableName = "St\x1b]0;owned\x07" "aff";
    r.FieldName = std::string("I\0D\x7f", 4);
    std::string text = definitionLines("Access_Table", {r});
    EXPECT_EQ(text.find_first_of(std::string("\x1b\x07\x7f\0", 4)), std::string::npos) << text;
    EXPECT_NE(text.find("\tSt\\x1B]0;owned\\x07aff\t"), std::string::npos) << text;
    EXPECT_NE(text.find("\tI\\x00D\\x7F\t"), std::string::npos) << text;
}
