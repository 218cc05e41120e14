// Options dialog rules.
#include "ui/option_dialog_logic.h"

#include <string>

namespace schemist::ui {
namespace {

// A number box's text as a setting: "" is 0; anything but digits, or a value
// beyond the signed 16-bit range, has no value.
std::optional<std::int16_t> numberFromBox(const std::string& text)
{
    if (text.empty())
        return 0;
    if (text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    std::size_t digits = text.find_first_not_of('0');
    if (digits == std::string::npos)
        return 0;
    if (text.size() - digits > 5)
        return std::nullopt;
    int value = std::stoi(text.substr(digits));
    if (value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

void select(OptionButton& chosen, OptionButton& partner)
{
    chosen.selected = true;
    partner.selected = false;
}

}  // namespace

void OptionDialogLogic::load(const RunSettings& s)
{
    shown_ = s;
    c_ = OptionControls{};
    c_.choices = {s.HeaderLeft, s.HeaderCenter, s.HeaderRight, s.FooterLeft, s.FooterCenter, s.FooterRight};
    switch (s.ModuleKind) {
    case 1:
    case 2:
        select(c_.optStandardOut, c_.optClassOut);
        clickStandardOut();
        c_.chkCollection = {false, false};
        if (s.ModuleKind == 1)
            select(c_.optStandard, c_.optForm);
        else
            select(c_.optForm, c_.optStandard);
        c_.frame5Enabled = true;
        break;
    case 3:
        select(c_.optClassOut, c_.optStandardOut);
        clickClassOut();
        c_.chkCollection.selected = s.CollectionFlag == kTrue;
        c_.chkCollection.enabled = true;
        c_.frame5Enabled = false;
        c_.optStandard.selected = false;
        c_.optForm.selected = false;
        break;
    default:
        break;
    }
    if (s.CheckStyle == 1)
        select(c_.optStyle1, c_.optStyle2);
    else if (s.CheckStyle == 2)
        select(c_.optStyle2, c_.optStyle1);
    if (s.FieldStyle == 1)
        select(c_.optField1, c_.optField2);
    else if (s.FieldStyle == 2)
        select(c_.optField2, c_.optField1);
    c_.chkWith = s.WithFlag == kTrue;
    c_.txtCommentPos = std::to_string(s.CommentPos);
    c_.txtTabSize = std::to_string(s.TabSize);
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
    std::optional<std::int16_t> commentPos = numberFromBox(c_.txtCommentPos);
    if (!commentPos || c_.txtCommentPos.size() > kCommentPosMaxChars) {
        c_.txtCommentPos = std::to_string(shown_.CommentPos);
        return std::string(kCommentPosRangeMessage);
    }
    std::optional<std::int16_t> tabSize = numberFromBox(c_.txtTabSize);
    if (!tabSize) {
        c_.txtTabSize = std::to_string(s.TabSize);
        return std::string(kTabSizeRangeMessage);
    }
    if (c_.optStyle1.selected)
        s.CheckStyle = 1;
    else if (c_.optStyle2.selected)
        s.CheckStyle = 2;
    if (c_.optField1.selected)
        s.FieldStyle = 1;
    else if (c_.optField2.selected)
        s.FieldStyle = 2;
    s.WithFlag = c_.chkWith ? kTrue : kFalse;
    if (c_.optStandardOut.selected) {
        if (c_.optStandard.selected)
            s.ModuleKind = 1;
        else if (c_.optForm.selected)
            s.ModuleKind = 2;
    } else if (c_.optClassOut.selected) {
        s.ModuleKind = 3;
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
    return std::nullopt;
}

}  // namespace schemist::ui
