// The rules Excel applies to sheet names, and the repair of a table name
// that breaks them: at most 31 characters, none of [ ] : * ? / \, not
// empty, not starting or ending with an apostrophe, not the reserved
// "History", and unique in the workbook without regard to case.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace schemist::excel {

inline constexpr std::size_t kMaxSheetNameLength = 31;  // UTF-16 units, as Excel counts

// Why Excel would refuse the name on its own (Japanese), or nothing.
std::optional<std::string> sheetNameProblem(std::string_view name);

// Excel compares sheet names without case: ASCII and full-width Latin letters.
bool sameSheetName(std::string_view a, std::string_view b);
// The name with those letters folded: equal keys, same sheet name.
std::string sheetNameKey(std::string_view name);

// The name itself when valid and not taken; otherwise a valid name close to
// it: forbidden characters become "_", the name is cut to 31 characters, and
// a taken name gets " (2)", " (3)", ... within those 31 characters.
std::string makeValidSheetName(std::string_view wanted, const std::function<bool(const std::string&)>& isTaken);

}  // namespace schemist::excel
