// Whole generated classes compared byte for byte with reviewed golden files,
// for the sample table tblStaff held in memory as the conversion leaves it.
#include "class_fixture.h"
#include "golden.h"

#include "gen/class/class_modules.h"
#include "platform/paths.h"

#include <algorithm>

using namespace schemist;
using namespace schemist::test;
using namespace schemist::test::classes;

namespace {

struct GoldenCase {
    const char* folder;
    std::int16_t collection, fieldStyle, checkStyle, with, tabSize, commentPos;
};

void expectCase(const GoldenCase& c)
{
    ClassFixture f;
    f.settings.CollectionFlag = c.collection;
    f.settings.FieldStyle = static_cast<FieldStyle>(c.fieldStyle);
    f.settings.CheckStyle = static_cast<CheckStyle>(c.checkStyle);
    f.settings.WithFlag = c.with;
    f.settings.TabSize = c.tabSize;
    f.settings.CommentPos = c.commentPos;
    std::vector<DefinitionTable> tables = {staffTable(1)};
    for (const OutputFile& file : MakeClassModules(tables, "/out", f.ctx))
        expectGolden(std::string("memory/") + c.folder + "/" + fileNameOf(file.path), file.bytes());
}

}  // namespace

TEST(ClassGolden, StaffItemClassWithDefaults)
{
    expectCase({"item_fs2_cs2_with_tab4_col40", kFalse, 2, 2, kTrue, 4, 40});
}

TEST(ClassGolden, StaffItemClassWithFieldsCollectionInlineChecksNoWith)
{
    expectCase({"item_fs1_cs1_nowith_tab0_col0", kFalse, 1, 1, kFalse, 0, 0});
}

TEST(ClassGolden, StaffCollectionWithDefaults)
{
    expectCase({"collection_fs2_cs2_with_tab4_col40", kTrue, 2, 2, kTrue, 4, 40});
}

TEST(ClassGolden, StaffCollectionWithFieldsCollectionInlineChecksNoWith)
{
    expectCase({"collection_fs1_cs1_nowith_tab0_col0", kTrue, 1, 1, kFalse, 0, 0});
}
