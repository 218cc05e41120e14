// The message after a successful run.
#include "ui/run_summary.h"

#include "platform/paths.h"

namespace schemist::ui {

std::string runSummaryMessage(const std::string& outputFolder, const std::vector<std::string>& files,
                              const std::vector<std::string>& warnings)
{
    std::string text;
    if (files.empty()) {
        text = "作成したファイルはありません (出力する内容が選ばれていません)。";
    } else {
        text = "次の " + std::to_string(files.size()) + " ファイルを作成しました:";
        for (const std::string& file : files)
            text += "\n  " + (folderOf(file) == outputFolder ? fileNameOf(file) : file);
    }
    text += "\n\n出力先フォルダ: " + outputFolder;
    if (!warnings.empty()) {
        text += "\n\n警告 (" + std::to_string(warnings.size()) + " 件):";
        for (const std::string& w : warnings)
            text += "\n" + w;
    }
    return text;
}

}  // namespace schemist::ui
