// Headers of item and collection classes: which attribute lines appear for
// a table comment and for the collection setting, and the exact text the
// VB project loader reads.
#include "class_fixture.h"

#include "gen/class/class_header.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;

namespace {

const std::vector<std::string> kAttributeLines = {
    "VERSION 1.0 CLASS",
    "BEGIN",
    "  MultiUse = -1  'True",
    "END",
    "Attribute VB_Name = \"clsShain\"",
    "Attribute VB_GlobalNameSpace = False",
    "Attribute VB_Creatable = True",
    "Attribute VB_PredeclaredId = False",
    "Attribute VB_Exposed = False",
};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(ClassHeader, ItemClassWithoutCollectionEndsWithOptionExplicitAndOneEmptyLine)
{
    ClassFixture f;
    EXPECT_EQ(f.write(WriteClassHeader, shainTable()), concat(kAttributeLines, {"Option Explicit", ""}));
}

TEST(ClassHeader, ItemClassOfACollectionDeclaresTheKey)
{
    ClassFixture f;
    f.settings.CollectionFlag = kTrue;
    EXPECT_EQ(f.write(WriteClassHeader, shainTable()),
              concat(kAttributeLines, {"Attribute VB_Ext_KEY = \"Top_Level\" ,\"No\"", "Option Explicit", "",
                                       "public Key as string", ""}));
}

TEST(ClassHeader, TableCommentBecomesAQuotedDescription)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Shain", false, "社員 \"正\"").field("ID", "Long").build();
    std::vector<std::string> lines = f.write(WriteClassHeader, table);
    ASSERT_EQ(lines.size(), kAttributeLines.size() + 3);
    // Without quotes the loader would not take the attribute; a quotation
    // mark inside is doubled so that the literal stays closed.
    EXPECT_EQ(lines[9], "Attribute VB_Description = \"社員 \"\"正\"\"\"");
    EXPECT_EQ(lines[10], "Option Explicit");
}

TEST(ClassHeader, BlankCommentGivesNoDescriptionAndLineBreaksBecomeBlanks)
{
    ClassFixture f;
    EXPECT_EQ(f.write(WriteClassHeader, TableBuilder(1, "Shain", false, "   ").field("ID", "Long").build()),
              concat(kAttributeLines, {"Option Explicit", ""}));

    std::vector<std::string> lines =
        f.write(WriteClassHeader, TableBuilder(1, "Shain", false, "一行目\r\n二行目").field("ID", "Long").build());
    EXPECT_EQ(lines[9], "Attribute VB_Description = \"一行目  二行目\"");
}

TEST(ClassHeader, CollectionHeaderNamesTheItemClassAndEndsWithTheCollection)
{
    ClassFixture f;
    f.settings.CollectionFlag = kTrue;
    std::vector<std::string> expected = kAttributeLines;
    expected[4] = "Attribute VB_Name = \"conShain\"";
    expected.push_back("Attribute VB_Description = \"社員\"");
    expected = concat(expected, {
        "Attribute VB_Ext_KEY = \"Collection\" ,\"clsShain\"",
        "Attribute VB_Ext_KEY = \"Member0\" ,\"clsShain\"",
        "Attribute VB_Ext_KEY = \"Top_Level\" ,\"Yes\"",
        "Option Explicit",
        "",
        "'ｺﾚｸｼｮﾝを保持するﾛｰｶﾙ変数",
        "Private mCol As Collection",
    });
    EXPECT_EQ(f.write(WriteCollectionHeader, TableBuilder(1, "Shain", false, "社員").field("ID", "Long").build()),
              expected);
}

TEST(ClassHeader, TableNameThatCannotBeAnIdentifierIsRenamedOnceWithAWarning)
{
    ClassFixture f;
    DefinitionTable table = TableBuilder(1, "Order Details").field("ID", "Long").build();
    std::vector<std::string> lines = f.write(WriteClassHeader, table);
    EXPECT_EQ(lines[4], "Attribute VB_Name = \"clsOrder_Details\"");
    f.write(WriteClassHeader, table);
    ASSERT_EQ(f.warnings.messages().size(), 1u);
    EXPECT_NE(f.warnings.messages()[0].find("Order Details"), std::string::npos);
}
