// Comparison of a run's outputs with the output folder.
#include "run/output_check.h"

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "run/line_diff.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace schemist {
namespace {

std::vector<std::string> decodedLines(const std::string& bytes)
{
    return splitLines(decodeToUtf8(bytes, "CP932"));
}

// True when the file at `path` is a class module named `className`.
bool isClassFileOf(const std::string& path, const std::string& className)
{
    std::string head;
    try {
        head = readWholeFile(path).substr(0, 512);
    } catch (const std::exception&) {
        return false;
    }
    return head.rfind("VERSION 1.0 CLASS\r\n", 0) == 0 &&
           head.find("\r\nAttribute VB_Name = \"" + className + "\"\r\n") != std::string::npos;
}

}  // namespace

std::vector<OutputDifference> compareWithFolder(const RunOutputs& outputs, const std::string& outputFolder,
                                                const std::vector<std::string>& classPrefixes)
{
    std::vector<OutputDifference> differences;
    std::set<std::string> written;
    for (const OutputFile& file : outputs.sources) {
        written.insert(fileNameOf(file.path));
        std::string fresh = file.bytes();
        if (!fileExists(file.path)) {
            differences.push_back({OutputDifference::Kind::Missing, file.path,
                                   unifiedDiff({}, decodedLines(fresh), "/dev/null", "b/" + fileNameOf(file.path))});
            continue;
        }
        std::string current = readWholeFile(file.path);
        if (current != fresh)
            differences.push_back({OutputDifference::Kind::Changed, file.path,
                                   unifiedDiff(decodedLines(current), decodedLines(fresh), "a/" + fileNameOf(file.path),
                                               "b/" + fileNameOf(file.path))});
    }
    if (!outputs.workbookPath.empty()) {
        if (!fileExists(outputs.workbookPath))
            differences.push_back({OutputDifference::Kind::Missing, outputs.workbookPath, "定義書がありません"});
        else if (readWholeFile(outputs.workbookPath) != outputs.workbookBytes)
            differences.push_back({OutputDifference::Kind::Changed, outputs.workbookPath,
                                   "定義書の内容が変わります（表計算ソフトで開いて保存し直した定義書も変更として扱います）"});
    }
    if (!classPrefixes.empty() && directoryExists(outputFolder)) {
        std::vector<std::string> stale;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(outputFolder, ec)) {
            std::string name = entry.path().filename().string();
            if (entry.path().extension() != ".cls" || written.count(name))
                continue;
            std::string className = name.substr(0, name.size() - 4);
            bool ours = std::any_of(classPrefixes.begin(), classPrefixes.end(), [&](const std::string& prefix) {
                return !prefix.empty() && className.rfind(prefix, 0) == 0;
            });
            if (ours && isClassFileOf(entry.path().string(), className))
                stale.push_back(entry.path().string());
        }
        std::sort(stale.begin(), stale.end());
        for (const std::string& path : stale)
            differences.push_back({OutputDifference::Kind::Stale, path,
                                   unifiedDiff(decodedLines(readWholeFile(path)), {}, "a/" + fileNameOf(path), "/dev/null")});
    }
    return differences;
}

std::string describeDifferences(const std::vector<OutputDifference>& differences)
{
    std::string out;
    for (const OutputDifference& d : differences) {
        switch (d.kind) {
        case OutputDifference::Kind::Changed: out += "変更: " + d.path + "\n"; break;
        case OutputDifference::Kind::Missing: out += "未作成: " + d.path + "\n"; break;
        case OutputDifference::Kind::Stale: out += "不要: " + d.path + "（このテーブルはもうありません）\n"; break;
        }
        out += d.detail;
        if (!d.detail.empty() && d.detail.back() != '\n')
            out += "\n";
    }
    return out;
}

}  // namespace schemist
