// The rules of the type and name table editors, without windows.
#include "ui/name_editor_logic.h"
#include "ui/type_editor_logic.h"

#include "platform/workstore/database.h"
#include "store/default_rows.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

namespace schemist::test {
namespace {

using ui::CellRef;
using ui::NameEditorLogic;
using ui::NameTableKind;
using ui::TypeEditorLogic;

int rowOf(const ui::TableEditorLogic& logic, const std::string& key)
{
    for (int r = 0; r < logic.rowCount(); ++r)
        if (logic.cell(r, 0) == key)
            return r;
    return -1;
}

TEST(TypeEditorLogic, OpensWithTheDefaultRowsAndApplyDisabled)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    EXPECT_FALSE(logic.load());
    EXPECT_EQ(logic.rowCount(), 22);
    EXPECT_FALSE(logic.applyEnabled());
    EXPECT_EQ(logic.langHeading(), "VB");
    logic.activate();
    EXPECT_EQ(logic.langHeading(), "Visual Basic");
}

TEST(TypeEditorLogic, EmptyTableShowsTwoEmptyRows)
{
    FreshStore store;
    SaveTypeTable(store.path(), {});
    TypeEditorLogic logic(store.path());
    logic.load();
    EXPECT_EQ(logic.rowCount(), 2);
    EXPECT_EQ(logic.cell(1, 0), "");
}

TEST(TypeEditorLogic, OnlyAnEditEnablesApply)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    logic.editCell(0, 0, logic.cell(0, 0));  // unchanged text
    EXPECT_FALSE(logic.applyEnabled());
    logic.setLoading(true);
    logic.editCell(0, 4, "Variant");  // the program filling a cell
    logic.setLoading(false);
    EXPECT_FALSE(logic.applyEnabled());
    logic.addRow();
    EXPECT_FALSE(logic.applyEnabled());
    logic.editCell(1, 1, "True");
    EXPECT_TRUE(logic.applyEnabled());
}

TEST(TypeEditorLogic, ClearedKeyRemovesTheRowWithoutCheckingItsCells)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    const std::string key = logic.cell(3, 0);
    logic.editCell(3, 0, "");
    logic.editCell(3, 2, "abc");  // not checked: the row is dropped
    ui::EditorAnswer answer = logic.apply();
    EXPECT_FALSE(answer.message);
    EXPECT_EQ(answer.focus, (CellRef{0, 0}));
    EXPECT_FALSE(logic.applyEnabled());
    std::vector<TypeCells> rows = LoadTypeTable(store.path());
    EXPECT_EQ(rows.size(), 21u);
    for (const TypeCells& row : rows)
        EXPECT_NE(row[0], key);
}

TEST(TypeEditorLogic, DuplicateKeysEndAsTheLaterRow)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    const std::string key = logic.cell(0, 0);
    int added = logic.addRow();
    logic.editCell(added, 0, key);
    logic.editCell(added, 4, "LaterType");
    EXPECT_FALSE(logic.apply().message);
    TypeEditorLogic reopened(store.path());
    reopened.load();
    EXPECT_EQ(reopened.rowCount(), 22);
    EXPECT_EQ(reopened.cell(rowOf(reopened, key), 4), "LaterType");
}

TEST(TypeEditorLogic, DecimalLengthPassesAndIsStoredAsInteger)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    EXPECT_TRUE(TypeEditorLogic::lengthKeyAccepted(U'.'));
    logic.editCell(5, 2, "3.5");
    EXPECT_FALSE(logic.apply().message);
    EXPECT_EQ(LoadTypeTable(store.path())[5][2], "4");
}

TEST(TypeEditorLogic, NonNumericLengthOnOkShowsTheMessageAndClosesWithoutSaving)
{
    FreshStore store;
    std::vector<TypeCells> before = LoadTypeTable(store.path());
    TypeEditorLogic logic(store.path());
    logic.load();
    logic.editCell(0, 4, "Changed");
    logic.editCell(7, 10, "1.2.3");
    ui::EditorAnswer answer = logic.ok();
    ASSERT_TRUE(answer.message);
    EXPECT_EQ(*answer.message, "入力できるのは数値のみです");
    EXPECT_EQ(answer.focus, (CellRef{7, 10}));
    EXPECT_TRUE(answer.close);
    EXPECT_EQ(LoadTypeTable(store.path()), before);
}

TEST(TypeEditorLogic, ApplyWithAnEmptyLengthStaysOpenOnTheCell)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    logic.editCell(2, 7, "");
    ui::EditorAnswer answer = logic.apply();
    ASSERT_TRUE(answer.message);
    EXPECT_EQ(*answer.message, "入力できるのは数値のみです");
    EXPECT_EQ(answer.focus, (CellRef{2, 7}));
    EXPECT_FALSE(answer.close);
    EXPECT_TRUE(logic.applyEnabled());
}

TEST(TypeEditorLogic, ValuesTheTableCannotHoldAreRefusedBeforeTheSave)
{
    FreshStore store;
    std::vector<TypeCells> before = LoadTypeTable(store.path());
    TypeEditorLogic logic(store.path());
    logic.load();
    logic.editCell(1, 0, "NewKey");
    logic.editCell(4, 3, "40000");
    ui::EditorAnswer answer = logic.apply();
    ASSERT_TRUE(answer.message);
    EXPECT_EQ(*answer.message, ui::kLengthRangeMessage);
    EXPECT_EQ(answer.focus, (CellRef{4, 3}));
    EXPECT_EQ(LoadTypeTable(store.path()), before);

    logic.editCell(4, 3, "32767");
    logic.editCell(6, 8, std::string(256, 'x'));
    answer = logic.apply();
    ASSERT_TRUE(answer.message);
    EXPECT_EQ(*answer.message, ui::kTextTooLongMessage);
    EXPECT_FALSE(answer.close);
    logic.editCell(6, 8, std::string(255, 'x'));
    EXPECT_FALSE(logic.apply().message);
}

TEST(TypeEditorLogic, DataAddThenOkSavesNothingNew)
{
    FreshStore store;
    std::vector<TypeCells> before = LoadTypeTable(store.path());
    TypeEditorLogic logic(store.path());
    logic.load();
    int row = logic.addRow();
    EXPECT_EQ(row, 22);
    EXPECT_EQ(logic.cell(row, 0), "");
    EXPECT_EQ(logic.cell(row, 1), "False");
    EXPECT_EQ(logic.cell(row, 2), "0");
    ui::EditorAnswer answer = logic.ok();
    EXPECT_TRUE(answer.close);
    EXPECT_FALSE(answer.message);
    EXPECT_EQ(LoadTypeTable(store.path()), before);
}

TEST(TypeEditorLogic, EditsOfSeveralRowsAreKeptUntilSaved)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    logic.editCell(0, 4, "First");
    logic.editCell(21, 4, "Last");  // another page of the list
    EXPECT_EQ(logic.cell(0, 4), "First");
    EXPECT_FALSE(logic.apply().message);
    std::vector<TypeCells> rows = LoadTypeTable(store.path());
    EXPECT_EQ(rows[0][4], "First");
    EXPECT_EQ(rows[21][4], "Last");
}

TEST(TypeEditorLogic, DatabaseErrorIsAnsweredAndTheWindowStays)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    logic.editCell(0, 4, "X");
    {
        dao::Database db = dao::Database::open(store.path(), dao::OpenMode::Shared);
        db.deleteTableDef(kDefaultTypeTable);
    }
    ui::EditorAnswer answer = logic.ok();
    ASSERT_TRUE(answer.message);
    EXPECT_NE(answer.message->find("Default_Type_Table"), std::string::npos);
    EXPECT_FALSE(answer.close);
    EXPECT_TRUE(logic.applyEnabled());

    TypeEditorLogic reopened(store.path());
    EXPECT_TRUE(reopened.load());
    EXPECT_EQ(reopened.rowCount(), 2);
}

TEST(TypeEditorLogic, EnterWalksTheRowThenTheNextRowThenOk)
{
    FreshStore store;
    TypeEditorLogic logic(store.path());
    logic.load();
    EXPECT_EQ(logic.nextAfterEnter({0, 0}), (CellRef{0, 1}));
    EXPECT_EQ(logic.nextAfterEnter({0, 11}), (CellRef{1, 0}));
    EXPECT_EQ(logic.nextAfterEnter({21, 11}), std::nullopt);
}

TEST(TypeEditorLogic, KeyFilters)
{
    EXPECT_FALSE(TypeEditorLogic::typeNameKeyAccepted(U' '));
    EXPECT_TRUE(TypeEditorLogic::typeNameKeyAccepted(U'型'));
    for (char32_t c : {U'0', U'9', U'.', U'\b', U'\r'})
        EXPECT_TRUE(TypeEditorLogic::lengthKeyAccepted(c));
    for (char32_t c : {U'a', U'-', U' ', U'１'})
        EXPECT_FALSE(TypeEditorLogic::lengthKeyAccepted(c));
}

TEST(NameEditorLogic, OpensEachTableWithItsRows)
{
    FreshStore store;
    const std::pair<NameTableKind, int> expected[] = {
        {NameTableKind::Top, 40}, {NameTableKind::End, 5}, {NameTableKind::Full, 11}};
    for (auto [kind, rows] : expected) {
        NameEditorLogic logic(store.path(), kind);
        EXPECT_FALSE(logic.load());
        EXPECT_EQ(logic.rowCount(), rows) << logic.info().caption;
        EXPECT_FALSE(logic.applyEnabled());
        EXPECT_FALSE(logic.isEditable(0));
        EXPECT_TRUE(logic.isEditable(1));
    }
}

TEST(NameEditorLogic, SaveKeepsTheRowCountAndStoresAnEmptyReplacement)
{
    FreshStore store;
    NameEditorLogic logic(store.path(), NameTableKind::Top);
    logic.load();
    logic.editCell(0, 1, "");
    logic.editCell(1, 1, "日本語&'名");
    ui::EditorAnswer answer = logic.apply();
    EXPECT_FALSE(answer.message);
    EXPECT_EQ(answer.focus, (CellRef{0, 1}));
    std::vector<NameCells> rows = LoadNameTable(store.path(), kDefaultTopNameTable);
    ASSERT_EQ(rows.size(), 40u);
    EXPECT_EQ(rows[0][1], "");
    EXPECT_EQ(rows[1][1], "日本語&'名");
}

TEST(NameEditorLogic, CancelLeavesTheTableAndOkWithoutEditsDoesNotWrite)
{
    FreshStore store;
    std::vector<NameCells> before = LoadNameTable(store.path(), kDefaultFullNameTable);
    NameEditorLogic logic(store.path(), NameTableKind::Full);
    logic.load();
    logic.editCell(2, 1, "changed");
    EXPECT_TRUE(logic.cancel().close);
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultFullNameTable), before);

    NameEditorLogic untouched(store.path(), NameTableKind::Full);
    untouched.load();
    EXPECT_TRUE(untouched.ok().close);
    EXPECT_EQ(LoadNameTable(store.path(), kDefaultFullNameTable), before);
}

TEST(NameEditorLogic, OverlongReplacementIsRefusedWithAMessage)
{
    FreshStore store;
    NameEditorLogic logic(store.path(), NameTableKind::End);
    logic.load();
    logic.editCell(4, 1, std::string(256, 'n'));
    ui::EditorAnswer answer = logic.ok();
    ASSERT_TRUE(answer.message);
    EXPECT_EQ(answer.focus, (CellRef{4, 1}));
    EXPECT_FALSE(answer.close);
}

TEST(NameEditorLogic, EnterGoesDownTheReplacementsThenToOk)
{
    FreshStore store;
    NameEditorLogic logic(store.path(), NameTableKind::End);
    logic.load();
    EXPECT_EQ(logic.nextAfterEnter({0, 1}), (CellRef{1, 1}));
    EXPECT_EQ(logic.nextAfterEnter({4, 1}), std::nullopt);
    EXPECT_FALSE(NameEditorLogic::nameKeyAccepted(U' '));
    EXPECT_TRUE(NameEditorLogic::nameKeyAccepted(U'名'));
}

}  // namespace
}  // namespace schemist::test
