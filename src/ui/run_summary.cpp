// The message after a successful run.
#include "ui/run_summary.h"

#include "platform/paths.h"

namespace schemist::ui {
namespace {

// A file below the output folder by its path from there (README.md of the
// Markdown documents as NAME-doc/README.md), others in full.
std::string shownPath(const std::string& file, const std::string& outputFolder)
{
    std::string prefix = outputFolder;
    if (prefix.empty() || prefix.back() != '/')
        prefix += '/';
    if (file.size() > prefix.size() && file.compare(0, prefix.size(), prefix) == 0)
        return file.substr(prefix.size());
    return file;
}

}  // namespace

std::string runSummaryMessage(const std::string& outputFolder, const std::vector<std::string>& files,
                              const std::vector<std::string>& warnings)
{
    std::string text;
    if (files.empty()) {
        text = "作成したファイルはありません (出力する内容が選ばれていません)。";
    } else {
        text = "次の " + std::to_string(files.size()) + " ファイルを作成しました:";
        for (const std::string& file : files)
            text += "\n  " + (folderOf(file) == outputFolder ? fileNameOf(file) : shownPath(file, outputFolder));
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
