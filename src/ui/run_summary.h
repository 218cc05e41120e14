// What the main window says after a run that succeeded: the files written,
// the warnings when there are any, and the question whether to open the
// output folder.
#pragma once

#include <string>
#include <vector>

namespace schemist::ui {

inline constexpr const char* kOpenOutputFolder = "出力フォルダを開く";
inline constexpr const char* kCloseSummary = "閉じる";

// One message for the whole run; `files` are full paths.
std::string runSummaryMessage(const std::string& outputFolder, const std::vector<std::string>& files,
                              const std::vector<std::string>& warnings);

}  // namespace schemist::ui
