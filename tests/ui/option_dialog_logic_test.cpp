// The options dialog's rules, without the window.
#include "ui/option_dialog_logic.h"

#include <gtest/gtest.h>

namespace schemist::test {
namespace {

using ui::OptionDialogLogic;

RunSettings startValues() { return RunSettings::startValues(); }

TEST(OptionDialogLogic, RightAfterStartUpShowsTheStartValues)
{
    OptionDialogLogic dialog;
    dialog.load(startValues());
    const ui::OptionControls& c = dialog.controls();
    EXPECT_TRUE(c.optStandardOut.selected);
    EXPECT_FALSE(c.optClassOut.selected);
    EXPECT_TRUE(c.optStandard.selected);
    EXPECT_FALSE(c.optForm.selected);
    EXPECT_TRUE(c.frame5Enabled);
    EXPECT_FALSE(c.chkCollection.selected);
    EXPECT_FALSE(c.chkCollection.enabled);
    EXPECT_TRUE(c.optStyle2.selected);
    EXPECT_FALSE(c.optStyle1.selected);
    EXPECT_TRUE(c.optField2.selected);
    EXPECT_TRUE(c.chkWith);
    EXPECT_EQ(c.txtCommentPos, "0");
    EXPECT_EQ(c.txtTabSize, "4");
    EXPECT_EQ(c.choices, (std::array<int, 6>{0, 1, 0, 2, 3, 0}));
}

TEST(OptionDialogLogic, ModuleKindTwoSelectsTheSecondFormat)
{
    RunSettings s = startValues();
    s.ModuleKind = ModuleKind::ModuleOnly;
    OptionDialogLogic dialog;
    dialog.load(s);
    EXPECT_TRUE(dialog.controls().optForm.selected);
    EXPECT_FALSE(dialog.controls().optStandard.selected);
}

TEST(OptionDialogLogic, ClassModulesLoadWithTheStandardFormatsDisabled)
{
    RunSettings s = startValues();
    s.ModuleKind = ModuleKind::ClassModules;
    s.CollectionFlag = kTrue;
    OptionDialogLogic dialog;
    dialog.load(s);
    const ui::OptionControls& c = dialog.controls();
    EXPECT_TRUE(c.optClassOut.selected);
    EXPECT_TRUE(c.chkCollection.selected);
    EXPECT_TRUE(c.chkCollection.enabled);
    EXPECT_FALSE(c.frame5Enabled);
    EXPECT_FALSE(c.optStandard.selected || c.optForm.selected);
    // The click handler ran during the load.
    EXPECT_FALSE(c.optStandard.enabled);
    EXPECT_FALSE(c.optForm.enabled);
}

TEST(OptionDialogLogic, CancelChangesNothing)
{
    RunSettings s = startValues();
    const RunSettings before = s;
    OptionDialogLogic dialog;
    dialog.load(s);
    dialog.chooseClassOut();
    dialog.controls().txtTabSize = "8";
    dialog.controls().chkWith = false;
    // Cancel: the dialog simply goes; reopening shows the old values.
    OptionDialogLogic reopened;
    reopened.load(s);
    EXPECT_EQ(reopened.controls().txtTabSize, "4");
    EXPECT_EQ(s.TabSize, before.TabSize);
    EXPECT_EQ(s.ModuleKind, before.ModuleKind);
}

TEST(OptionDialogLogic, CollectionFlagSurvivesStandardModulesAndIsClearedOnSwitchingBack)
{
    RunSettings s = startValues();
    OptionDialogLogic dialog;
    dialog.load(s);
    dialog.chooseClassOut();
    EXPECT_FALSE(dialog.controls().chkCollection.selected);
    EXPECT_TRUE(dialog.controls().chkCollection.enabled);
    dialog.controls().chkCollection.selected = true;
    ASSERT_FALSE(dialog.confirm(s));
    EXPECT_EQ(s.ModuleKind, ModuleKind::ClassModules);
    EXPECT_EQ(s.CollectionFlag, kTrue);

    OptionDialogLogic second;
    second.load(s);
    EXPECT_TRUE(second.controls().chkCollection.selected);
    second.chooseStandardOut();
    EXPECT_TRUE(second.controls().optStandard.selected);
    EXPECT_FALSE(second.controls().chkCollection.enabled);
    ASSERT_FALSE(second.confirm(s));
    EXPECT_EQ(s.ModuleKind, ModuleKind::TypeAndModule);
    EXPECT_EQ(s.CollectionFlag, kTrue);

    OptionDialogLogic third;
    third.load(s);
    third.chooseClassOut();
    EXPECT_FALSE(third.controls().chkCollection.selected);
}

TEST(OptionDialogLogic, EmptyNumberBoxesMeanZero)
{
    RunSettings s = startValues();
    OptionDialogLogic dialog;
    dialog.load(s);
    dialog.controls().txtCommentPos = "";
    dialog.controls().txtTabSize = "";
    ASSERT_FALSE(dialog.confirm(s));
    EXPECT_EQ(s.CommentPos, 0);
    EXPECT_EQ(s.TabSize, 0);
    OptionDialogLogic again;
    again.load(s);
    EXPECT_EQ(again.controls().txtCommentPos, "0");
}

TEST(OptionDialogLogic, TabSizeBeyondSixteenBitsIsRefusedKeepingTheOldValue)
{
    for (const char* text : {"32768", "123456", "99999"}) {
        RunSettings s = startValues();
        s.TabSize = 6;
        OptionDialogLogic dialog;
        dialog.load(s);
        dialog.controls().txtTabSize = text;
        dialog.controls().chkWith = false;
        std::optional<std::string> refused = dialog.confirm(s);
        ASSERT_TRUE(refused) << text;
        EXPECT_EQ(*refused, ui::kTabSizeRangeMessage);
        EXPECT_EQ(s.TabSize, 6);
        EXPECT_EQ(s.WithFlag, kTrue);  // nothing was written
        EXPECT_EQ(dialog.controls().txtTabSize, "6");
    }
    RunSettings s = startValues();
    OptionDialogLogic dialog;
    dialog.load(s);
    dialog.controls().txtTabSize = "0032767";
    ASSERT_FALSE(dialog.confirm(s));
    EXPECT_EQ(s.TabSize, 32767);
}

TEST(OptionDialogLogic, ConfirmWritesEveryControl)
{
    RunSettings s = startValues();
    OptionDialogLogic dialog;
    dialog.load(s);
    ui::OptionControls& c = dialog.controls();
    c.optStyle1 = {true, true};
    c.optStyle2 = {false, true};
    c.optField1 = {true, true};
    c.optField2 = {false, true};
    c.optStandard.selected = false;
    c.optForm.selected = true;
    c.txtCommentPos = "40";
    c.choices = {3, 2, 1, 0, 1, 2};
    ASSERT_FALSE(dialog.confirm(s));
    EXPECT_EQ(s.CheckStyle, CheckStyle::InlineIf);
    EXPECT_EQ(s.FieldStyle, FieldStyle::FieldsValue);
    EXPECT_EQ(s.ModuleKind, ModuleKind::ModuleOnly);
    EXPECT_EQ(s.CommentPos, 40);
    EXPECT_EQ(s.HeaderLeft, 3);
    EXPECT_EQ(s.FooterRight, 2);
}

// The documents group shows the window's choice and writes it back with the
// settings, and only then: a refused number leaves the choice as it was.
TEST(OptionDialogLogic, DocumentsAreShownAndWrittenBackWithTheSettingsOnly)
{
    RunSettings s = startValues();
    ui::DocumentChoice documents;
    OptionDialogLogic dialog;
    dialog.load(s, documents);
    EXPECT_FALSE(dialog.controls().chkDocXlsx || dialog.controls().chkDocMarkdown);  // off by default
    dialog.controls().chkDocMarkdown = true;
    dialog.controls().txtTabSize = "99999";
    ASSERT_TRUE(dialog.confirm(s, documents));
    EXPECT_EQ(documents, ui::DocumentChoice{});
    dialog.controls().txtTabSize = "4";
    ASSERT_FALSE(dialog.confirm(s, documents));
    EXPECT_TRUE(documents.markdown);
    EXPECT_FALSE(documents.xlsx);

    OptionDialogLogic again;
    again.load(s, {false, true});
    EXPECT_TRUE(again.controls().chkDocXlsx);
    EXPECT_FALSE(again.controls().chkDocMarkdown);
    EXPECT_EQ(ui::DocumentChoice::fromKinds({"xlsx", "md"}).kinds(), (std::vector<std::string>{"md", "xlsx"}));
}

// A revision history needs a document to appear in and a label needs a
// history, as on the command line; refused, nothing is written.
TEST(OptionDialogLogic, AHistoryIsTakenOnlyWithADocumentAndALabelOnlyWithAHistory)
{
    RunSettings s = startValues();
    s.TabSize = 6;
    ui::DocumentChoice documents;
    OptionDialogLogic dialog;
    dialog.load(s, documents);
    ui::OptionControls& c = dialog.controls();
    c.txtTabSize = "8";
    c.txtHistoryFrom = " schema/App-1.0.json ";
    ASSERT_TRUE(dialog.confirm(s, documents));
    c.txtHistoryFrom = "";
    c.txtHistoryLabel = "1.1";
    c.chkDocXlsx = true;
    ASSERT_TRUE(dialog.confirm(s, documents));
    EXPECT_EQ(documents, ui::DocumentChoice{});
    EXPECT_EQ(s.TabSize, 6);

    c.txtHistoryFrom = " schema/App-1.0.json ";
    ASSERT_FALSE(dialog.confirm(s, documents));
    EXPECT_EQ(documents.historyFrom, "schema/App-1.0.json");
    EXPECT_EQ(documents.historyLabel, "1.1");
    EXPECT_TRUE(documents.xlsx);
    EXPECT_EQ(s.TabSize, 8);
}

TEST(OptionDialogLogic, NumberKeysAreDigitsOnly)
{
    for (char32_t c : {U'a', U' ', U'-', U'\b', U'.', U'\r'})
        EXPECT_FALSE(OptionDialogLogic::numberKeyAccepted(c));
    EXPECT_TRUE(OptionDialogLogic::numberKeyAccepted(U'7'));
}

}  // namespace
}  // namespace schemist::test
