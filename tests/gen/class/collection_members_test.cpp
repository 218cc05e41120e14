// Members every collection class carries. Their indentation is fixed, so the
// lines are compared as they stand, blanks included.
#include "class_fixture.h"

#include "gen/class/collection_members.h"

#include <gtest/gtest.h>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;

TEST(CollectionMembers, AddTakesTheKeyOneArgumentPerFieldAndTheCollectionKey)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteCollectionMembers, shainTable());
    std::vector<std::string> head(lines.begin(), lines.begin() + 13);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "",
                        "Public Function Add(Key As String, _",
                        "                    lngID, _",
                        "                    strName, _",
                        "                    Optional sKey As String) As clsShain",
                        "    '新規ｵﾌﾞｼﾞｪｸﾄを作成します。",
                        "    Dim objNewMember As clsShain",
                        "    Set objNewMember = New clsShain",
                        "",
                        "    'ﾒｿｯﾄﾞに渡すﾌﾟﾛﾊﾟﾃｨを設定します。",
                        "    objNewMember.Key = Key",
                        "    objNewMember.lngID = lngID",
                        "    objNewMember.strName = strName",
                    }));
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines.size(), 63u + 2u * 2u);
    EXPECT_EQ(lines.back(), "End Sub");
}

TEST(CollectionMembers, AddWithoutTakingPartFieldsGoesStraightToTheOptionalKey)
{
    ClassFixture f;
    std::vector<std::string> lines =
        f.write(WriteCollectionMembers, TableBuilder(1, "Shain").field("Blob", "").build());
    EXPECT_EQ(lines[1], "Public Function Add(Key As String, _");
    EXPECT_EQ(lines[2], "                    Optional sKey As String) As clsShain");
    EXPECT_EQ(lines[8], "    objNewMember.Key = Key");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "    If Len(sKey) = 0 Then");
    EXPECT_EQ(lines.size(), 63u);
}

TEST(CollectionMembers, NewEnumFlagsKeepTheBlanksOfAPrintedNumber)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteCollectionMembers, shainTable());
    int at = indexOf(lines, "Public Property Get NewEnum() As IUnknown");
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 1], "Attribute NewEnum.VB_UserMemId = -4");
    EXPECT_EQ(lines[at + 2], "Attribute NewEnum.VB_MemberFlags =  40 ");
    EXPECT_EQ(lines[at + 5], "    Set NewEnum = mCol.[_NewEnum]");
}

TEST(CollectionMembers, ItemCommentsKeepTheirUnevenIndentation)
{
    ClassFixture f;
    std::vector<std::string> lines = f.write(WriteCollectionMembers, shainTable());
    int item = indexOf(lines, "Public Property Get Item(vntIndexKey As Variant) As clsShain");
    ASSERT_GE(item, 0);
    EXPECT_EQ(lines[item + 1], "Attribute Item.VB_UserMemId = 0");
    EXPECT_EQ(lines[item + 3], "'vntIndexKey は ｲﾝﾃﾞｯｸｽまたはｷｰのどちらかを");
    EXPECT_EQ(lines[item + 6], "  Set Item = mCol(vntIndexKey)");
    int remove = indexOf(lines, "Public Sub Remove(vntIndexKey As Variant)");
    ASSERT_GE(remove, 0);
    EXPECT_EQ(lines[remove + 2], "    'vntIndexKey は ｲﾝﾃﾞｯｸｽまたはｷｰのどちらかを");
}

TEST(CollectionMembers, IndentationDoesNotFollowTabSize)
{
    ClassFixture f;
    std::vector<std::string> four = f.write(WriteCollectionMembers, shainTable());
    f.settings.TabSize = 0;
    EXPECT_EQ(f.write(WriteCollectionMembers, shainTable()), four);
}
