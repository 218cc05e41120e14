// Number settings read from text.
#include "run/setting_number.h"

namespace schemist {

std::optional<std::int16_t> ParseSettingNumber(std::string_view text, int min, int max)
{
    if (text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const std::size_t first = text.find_first_not_of('0');
    const std::string_view digits = first == std::string_view::npos ? std::string_view() : text.substr(first);
    // Six significant digits already exceed every range a setting can have,
    // and stopping there keeps the sum below from overflowing.
    if (digits.size() > 5)
        return std::nullopt;
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    if (value < min || value > max)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace schemist
