// Options dialog rules.
#include "ui/option_dialog_logic.h"

#include "platform/text.h"
#include "run/setting_number.h"

#include <string>

namespace schemist::ui {
namespace {

void select(OptionButton& chosen, OptionButton& partner)
{
    chosen.selected = true;
    partner.selected = false;
}

}  // namespace

void OptionDialogLogic::load(const RunSettings& s, const DocumentChoice& documents)
{
    shown_ = s;
    c_ = OptionControls{};
    c_.choices = {s.HeaderLeft, s.HeaderCenter, s.HeaderRight, s.FooterLeft, s.FooterCenter, s.FooterRight};
    switch (s.ModuleKind) {
    case ModuleKind::TypeAndModule:
    case ModuleKind::ModuleOnly:
        select(c_.optStandardOut, c_.optClassOut);
        clickStandardOut();
        c_.chkCollection = {false, false};
        if (s.ModuleKind == ModuleKind::TypeAndModule)
            select(c_.optStandard, c_.optForm);
        else
            select(c_.optForm, c_.optStandard);
        c_.frame5Enabled = true;
        break;
    case ModuleKind::ClassModules:
        select(c_.optClassOut, c_.optStandardOut);
        clickClassOut();
        c_.chkCollection.selected = s.CollectionFlag == kTrue;
        c_.chkCollection.enabled = true;
        c_.frame5Enabled = false;
        c_.optStandard.selected = false;
        c_.optForm.selected = false;
        break;
    }
    if (s.CheckStyle == CheckStyle::InlineIf)
        select(c_.optStyle1, c_.optStyle2);
    else if (s.CheckStyle == CheckStyle::NullCheckFunctions)
        select(c_.optStyle2, c_.optStyle1);
    if (s.FieldStyle == FieldStyle::FieldsValue)
        select(c_.optField1, c_.optField2);
    else if (s.FieldStyle == FieldStyle::Bang)
        select(c_.optField2, c_.optField1);
    c_.chkWith = s.WithFlag == kTrue;
    c_.txtCommentPos = std::to_string(s.CommentPos);
    c_.txtTabSize = std::to_string(s.TabSize);
    c_.chkDocXlsx = documents.xlsx;
    c_.chkDocMarkdown = documents.markdown;
    c_.txtHistoryFrom = documents.historyFrom;
    c_.txtHistoryLabel = documents.historyLabel;
}

void OptionDialogLogic::chooseStandardOut()
{
    select(c_.optStandardOut, c_.optClassOut);
    clickStandardOut();
}

void OptionDialogLogic::chooseClassOut()
{
    select(c_.optClassOut, c_.optStandardOut);
    clickClassOut();
}

void OptionDialogLogic::clickClassOut()
{
    if (!c_.optClassOut.selected)
        return;
    c_.frame5Enabled = false;
    c_.optStandard = {false, false};
    c_.optForm = {false, false};
    c_.chkCollection = {false, true};
}

void OptionDialogLogic::clickStandardOut()
{
    if (!c_.optStandardOut.selected)
        return;
    c_.frame5Enabled = true;
    c_.optStandard = {true, true};
    c_.optForm.enabled = true;
    c_.optForm.selected = false;
    c_.chkCollection = {false, false};
}

std::optional<std::string> OptionDialogLogic::confirm(RunSettings& s)
{
    DocumentChoice unused;
    return confirm(s, unused);
}

std::optional<std::string> OptionDialogLogic::confirm(RunSettings& s, DocumentChoice& documents)
{
    DocumentChoice chosen;
    chosen.xlsx = c_.chkDocXlsx;
    chosen.markdown = c_.chkDocMarkdown;
    chosen.historyFrom = trimBlanks(c_.txtHistoryFrom);
    chosen.historyLabel = trimBlanks(c_.txtHistoryLabel);
    if (auto problem = chosen.problem())
        return problem;
    std::optional<std::int16_t> commentPos = ParseSettingNumber(c_.txtCommentPos, 0, kCommentPosMax);
    if (!commentPos) {
        c_.txtCommentPos = std::to_string(shown_.CommentPos);
        return std::string(kCommentPosRangeMessage);
    }
    std::optional<std::int16_t> tabSize = ParseSettingNumber(c_.txtTabSize, 0, kTabSizeMax);
    if (!tabSize) {
        c_.txtTabSize = std::to_string(s.TabSize);
        return std::string(kTabSizeRangeMessage);
    }
    if (c_.optStyle1.selected)
        s.CheckStyle = CheckStyle::InlineIf;
    else if (c_.optStyle2.selected)
        s.CheckStyle = CheckStyle::NullCheckFunctions;
    if (c_.optField1.selected)
        s.FieldStyle = FieldStyle::FieldsValue;
    else if (c_.optField2.selected)
        s.FieldStyle = FieldStyle::Bang;
    s.WithFlag = c_.chkWith ? kTrue : kFalse;
    if (c_.optStandardOut.selected) {
        if (c_.optStandard.selected)
            s.ModuleKind = ModuleKind::TypeAndModule;
        else if (c_.optForm.selected)
            s.ModuleKind = ModuleKind::ModuleOnly;
    } else if (c_.optClassOut.selected) {
        s.ModuleKind = ModuleKind::ClassModules;
        s.CollectionFlag = c_.chkCollection.selected ? kTrue : kFalse;
    }
    s.CommentPos = *commentPos;
    s.TabSize = *tabSize;
    s.HeaderLeft = static_cast<std::int16_t>(c_.choices[0]);
    s.HeaderCenter = static_cast<std::int16_t>(c_.choices[1]);
    s.HeaderRight = static_cast<std::int16_t>(c_.choices[2]);
    s.FooterLeft = static_cast<std::int16_t>(c_.choices[3]);
    s.FooterCenter = static_cast<std::int16_t>(c_.choices[4]);
    s.FooterRight = static_cast<std::int16_t>(c_.choices[5]);
    documents = chosen;
    return std::nullopt;
}

}  // namespace schemist::ui
