// Comparison of a run's outputs with the output folder.
#include "run/output_check.h"

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "run/line_diff.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace schemist {
namespace {

std::vector<std::string> decodedLines(const std::string& bytes)
{
    return splitLines(decodeToUtf8(bytes, "CP932"));
}

// Files larger than this (or, for a file the run writes, than this beyond
// its new size) are not read for a diff: no generated file comes near it,
// and a huge file in an output's place must not be loaded whole.
constexpr std::uintmax_t kDiffLimit = 8u << 20;

std::uintmax_t sizeOf(const std::string& path)
{
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    return ec ? 0 : size;
}

std::string tooLargeToCompare(std::uintmax_t size, std::size_t freshSize)
{
    return "ファイルが大きすぎるため内容は比較しません（" + std::to_string(size) + " バイト。作成されるファイルは " +
           std::to_string(freshSize) + " バイトです）";
}

// True when the file at `path` is a class module named `className`.
bool isClassFileOf(const std::string& path, const std::string& className)
{
    std::string head(512, '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head.rfind("VERSION 1.0 CLASS\r\n", 0) == 0 &&
           head.find("\r\nAttribute VB_Name = \"" + className + "\"\r\n") != std::string::npos;
}

bool isTextDocument(const std::string& path)
{
    return path.size() > 3 && path.compare(path.size() - 3, 3, ".md") == 0;
}

// A definition document: Markdown pages as text diffs, the spreadsheet byte
// for byte.
void compareDocument(const PendingFile& document, std::vector<OutputDifference>& differences)
{
    std::string shown = fileNameOf(document.path);
    bool text = isTextDocument(document.path);
    if (!fileExists(document.path)) {
        differences.push_back({OutputDifference::Kind::Missing, document.path,
                               text ? unifiedDiff({}, splitLines(document.bytes), "/dev/null", "b/" + shown)
                                    : "定義書がありません"});
        return;
    }
    std::string current = readWholeFile(document.path);
    if (current == document.bytes)
        return;
    differences.push_back({OutputDifference::Kind::Changed, document.path,
                           text ? unifiedDiff(splitLines(current), splitLines(document.bytes), "a/" + shown, "b/" + shown)
                                : "定義書の内容が変わります（表計算ソフトで開いて保存し直した定義書も変更として扱います）"});
}

// A table page of a Markdown document: "# NAME", then the link back to the
// table list, as every page the document writes begins. Other Markdown
// files a team keeps beside the pages are none of the run's business.
bool isTablePage(const std::string& path)
{
    std::string head(4096, '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    static const std::string linkBack = "\n\n[テーブル一覧](README.md)\n";
    std::size_t firstLineEnd = head.find('\n');
    return head.rfind("# ", 0) == 0 && firstLineEnd != std::string::npos &&
           head.compare(firstLineEnd, linkBack.size(), linkBack) == 0;
}

// Pages in the documents' folders that the run would not write: tables that
// left the selection or the database since the pages were written.
void staleDocumentPages(const std::vector<PendingFile>& documents, std::vector<OutputDifference>& differences)
{
    std::set<std::string> folders, written;
    for (const PendingFile& document : documents)
        if (isTextDocument(document.path)) {
            folders.insert(folderOf(document.path));
            written.insert(document.path);
        }
    for (const std::string& folder : folders) {
        std::vector<std::string> stale;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            std::string path = joinPath(folder, entry.path().filename().string());
            if (entry.path().extension() == ".md" && entry.is_regular_file(ec) && !written.count(path) &&
                isTablePage(path))
                stale.push_back(path);
        }
        std::sort(stale.begin(), stale.end());
        for (const std::string& path : stale) {
            std::uintmax_t size = sizeOf(path);
            differences.push_back({OutputDifference::Kind::Stale, path,
                                   size > kDiffLimit ? tooLargeToCompare(size, 0)
                                                     : unifiedDiff(splitLines(readWholeFile(path)), {},
                                                                   "a/" + fileNameOf(path), "/dev/null")});
        }
    }
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
        std::uintmax_t size = sizeOf(file.path);
        if (size > fresh.size() + kDiffLimit) {
            differences.push_back({OutputDifference::Kind::Changed, file.path, tooLargeToCompare(size, fresh.size())});
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
        else if (!fileHolds(outputs.workbookPath, outputs.workbookBytes))
            differences.push_back({OutputDifference::Kind::Changed, outputs.workbookPath,
                                   "定義書の内容が変わります（表計算ソフトで開いて保存し直した定義書も変更として扱います）"});
    }
    for (const PendingFile& document : outputs.documents)
        compareDocument(document, differences);
    staleDocumentPages(outputs.documents, differences);
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
        for (const std::string& path : stale) {
            std::uintmax_t size = sizeOf(path);
            differences.push_back({OutputDifference::Kind::Stale, path,
                                   size > kDiffLimit ? tooLargeToCompare(size, 0)
                                                     : unifiedDiff(decodedLines(readWholeFile(path)), {},
                                                                   "a/" + fileNameOf(path), "/dev/null")});
        }
    }
    if (!outputs.renameRecordPath.empty()) {
        if (std::optional<PendingRenames> pending = pendingRenames(outputs.renameRecordPath))
            differences.push_back({OutputDifference::Kind::Interrupted, outputs.renameRecordPath,
                                   "前回の書き込みが途中で止まっています（" + std::to_string(pending->total) +
                                       " 件中 " + std::to_string(pending->remaining) +
                                       " 件が未完了）。次の実行で完了します"});
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
        case OutputDifference::Kind::Interrupted: out += "中断: " + d.path + "\n"; break;
        }
        out += d.detail;
        if (!d.detail.empty() && d.detail.back() != '\n')
            out += "\n";
    }
    return out;
}

}  // namespace schemist
