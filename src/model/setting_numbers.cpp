// The numbers of the run settings, as the edges of the program know them.
#include "model/setting_numbers.h"

#include <stdexcept>

namespace schemist {
namespace {

// The plain numbers, for reading (const) and writing alike.
template <class Settings>
auto plainNumber(Settings& s, NumberedSetting setting) -> decltype(&s.CommentPos)
{
    switch (setting) {
    case NumberedSetting::CommentPos: return &s.CommentPos;
    case NumberedSetting::TabSize: return &s.TabSize;
    case NumberedSetting::HeaderLeft: return &s.HeaderLeft;
    case NumberedSetting::HeaderCenter: return &s.HeaderCenter;
    case NumberedSetting::HeaderRight: return &s.HeaderRight;
    case NumberedSetting::FooterLeft: return &s.FooterLeft;
    case NumberedSetting::FooterCenter: return &s.FooterCenter;
    case NumberedSetting::FooterRight: return &s.FooterRight;
    default: return nullptr;
    }
}

}  // namespace

NumberRange settingRange(NumberedSetting setting)
{
    switch (setting) {
    case NumberedSetting::ModuleKind: return {1, 3};
    case NumberedSetting::FieldStyle:
    case NumberedSetting::CheckStyle: return {1, 2};
    case NumberedSetting::CommentPos: return {0, kCommentPosMax};
    case NumberedSetting::TabSize: return {0, kTabSizeMax};
    default: return {kChoiceNone, kChoicePageNumber};
    }
}

int settingNumber(const RunSettings& settings, NumberedSetting setting)
{
    switch (setting) {
    case NumberedSetting::ModuleKind: return static_cast<int>(settings.ModuleKind);
    case NumberedSetting::FieldStyle: return static_cast<int>(settings.FieldStyle);
    case NumberedSetting::CheckStyle: return static_cast<int>(settings.CheckStyle);
    default: return *plainNumber(settings, setting);
    }
}

void setSettingNumber(RunSettings& settings, NumberedSetting setting, int value)
{
    NumberRange range = settingRange(setting);
    if (value < range.min || value > range.max)
        throw std::out_of_range("setting number out of range");
    switch (setting) {
    case NumberedSetting::ModuleKind: settings.ModuleKind = static_cast<ModuleKind>(value); break;
    case NumberedSetting::FieldStyle: settings.FieldStyle = static_cast<FieldStyle>(value); break;
    case NumberedSetting::CheckStyle: settings.CheckStyle = static_cast<CheckStyle>(value); break;
    default: *plainNumber(settings, setting) = static_cast<std::int16_t>(value); break;
    }
}

}  // namespace schemist
