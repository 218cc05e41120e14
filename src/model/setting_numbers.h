// The run settings the command line, the project file and the options dialog
// know by number: each setting named, with the range of its numbers, read
// and written as a number. Inside the program the choices are enums; the
// numbers live only at these edges.
#pragma once

#include "model/run_settings.h"

#include <array>

namespace schemist {

enum class NumberedSetting {
    ModuleKind,
    FieldStyle,
    CheckStyle,
    CommentPos,
    TabSize,
    HeaderLeft,
    HeaderCenter,
    HeaderRight,
    FooterLeft,
    FooterCenter,
    FooterRight,
};

inline constexpr std::array<NumberedSetting, 11> kNumberedSettings = {
    NumberedSetting::ModuleKind,   NumberedSetting::FieldStyle,   NumberedSetting::CheckStyle,
    NumberedSetting::CommentPos,   NumberedSetting::TabSize,      NumberedSetting::HeaderLeft,
    NumberedSetting::HeaderCenter, NumberedSetting::HeaderRight,  NumberedSetting::FooterLeft,
    NumberedSetting::FooterCenter, NumberedSetting::FooterRight,
};

struct NumberRange {
    int min;
    int max;
};

NumberRange settingRange(NumberedSetting setting);
int settingNumber(const RunSettings& settings, NumberedSetting setting);
// `value` must lie in settingRange(setting); the edges check it before.
void setSettingNumber(RunSettings& settings, NumberedSetting setting, int value);

}  // namespace schemist
