// The one reading of a number setting typed as text, shared by the command
// line and the options dialog so that both accept exactly the same texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace schemist {

// Decimal digits only, no sign and no blanks. An empty text is 0, as an
// emptied number box in the options dialog means 0. Leading zeros do not
// count: the value, not the length of the text, decides whether it lies in
// [min, max] (both within the signed 16-bit range the settings hold).
std::optional<std::int16_t> ParseSettingNumber(std::string_view text, int min, int max);

}  // namespace schemist
