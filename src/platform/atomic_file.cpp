// Atomic file replacement: mkstemp beside the target, write, fsync, rename;
// the temporary names, the record of a batch's renames, and the clean-up
// after a run that was killed.
#include "platform/atomic_file.h"

#include "platform/error.h"
#include "platform/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace schemist {

std::string systemMessage(int errorNumber)
{
    return std::strerror(errorNumber);
}

namespace {

[[noreturn]] void failWrite(const std::string& path, int errorNumber)
{
    throw Error("ファイルを書き込めません: " + path + ": " + systemMessage(errorNumber));
}

constexpr std::string_view kTemporaryMarker = ".schemist-tmp-";
constexpr std::size_t kTemporaryUnique = 6;  // mkstemp's XXXXXX
constexpr std::string_view kRecordSuffix = ".schemist-renames";

// The first `limit` bytes of a UTF-8 name, not splitting a character.
std::string cutUtf8(const std::string& name, std::size_t limit)
{
    if (name.size() <= limit)
        return name;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    return name.substr(0, end);
}

// ".NAME" + marker, NAME cut so that the temporary name fits where NAME does.
std::string temporaryPrefix(const std::string& folder, const std::string& fileName)
{
    return "." + temporaryFileTargetOf(folder, fileName) + std::string(kTemporaryMarker);
}

void syncFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        failWrite(folder, errno);
    int rc = ::fsync(fd);
    int err = errno;
    ::close(fd);
    if (rc != 0)
        failWrite(folder, err);
}

}  // namespace

std::size_t fileNameLimit(const std::string& folder)
{
    long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

void checkFileNameLength(const std::string& path)
{
    std::string name = fileNameOf(path);
    std::size_t limit = fileNameLimit(folderOf(path));
    if (name.size() > limit)
        throw Error("ファイル名が長すぎます（" + std::to_string(name.size()) + " バイト。" + std::to_string(limit) +
                    " バイトまでです）: " + path);
}

std::string temporaryFileTargetOf(const std::string& folder, const std::string& fileName)
{
    std::size_t overhead = 1 + kTemporaryMarker.size() + kTemporaryUnique;
    std::size_t limit = fileNameLimit(folder);
    return cutUtf8(fileName, limit > overhead ? limit - overhead : 0);
}

std::optional<std::string> temporaryFileTarget(const std::string& entryName)
{
    std::size_t tail = kTemporaryMarker.size() + kTemporaryUnique;
    if (entryName.size() <= 1 + tail || entryName[0] != '.')
        return std::nullopt;
    std::size_t marker = entryName.size() - tail;
    if (entryName.compare(marker, kTemporaryMarker.size(), kTemporaryMarker) != 0)
        return std::nullopt;
    return entryName.substr(1, marker - 1);
}

std::size_t removeTemporaryFiles(const std::string& folder, const std::function<bool(const std::string&)>& isOurs)
{
    std::size_t removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        std::optional<std::string> target = temporaryFileTarget(name);
        if (!target || !isOurs(*target) || !entry.is_regular_file(ec))
            continue;
        if (::unlink(entry.path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

std::string renameRecordPath(const std::string& folder, const std::string& outputName)
{
    std::size_t limit = fileNameLimit(folder);
    std::size_t overhead = 1 + kRecordSuffix.size();
    return joinPath(folder, "." + cutUtf8(outputName, limit > overhead ? limit - overhead : 0) + std::string(kRecordSuffix));
}

namespace {

// The first half of an atomic write: the bytes in a temporary file beside
// the destination, synced when `sync` (a batch syncs once at its end).
// Returns the temporary file's path.
std::string writeTemporary(const std::string& path, std::string_view bytes, bool sync)
{
    // A read-only file is the user's way of saying "do not replace this";
    // a rename would replace it all the same, so ask first.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        failWrite(path, errno);
    // A folder in the destination's place would only fail at the rename.
    if (directoryExists(path))
        failWrite(path, EISDIR);
    std::string folder = folderOf(path);
    std::string tmpl = joinPath(folder, temporaryPrefix(folder, fileNameOf(path)) + std::string(kTemporaryUnique, 'X'));
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0)
        failWrite(path, errno);
    std::string tmpPath(name.data());

    auto abandon = [&](int errorNumber) {
        ::close(fd);
        ::unlink(tmpPath.c_str());
        failWrite(path, errorNumber);
    };

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            abandon(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // Generated files are ordinary user files: honour the umask, as a plain
    // create would, instead of mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (sync && ::fsync(fd) != 0)
        abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmpPath.c_str());
        failWrite(path, err);
    }
    return tmpPath;
}

// The second half: the finished temporary file renamed over the destination.
void moveIntoPlace(const std::string& tmpPath, const std::string& path)
{
    if (::rename(tmpPath.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmpPath.c_str());
        failWrite(path, err);
    }
}

// Flushes the file systems holding the temporary files: one syncfs per
// folder instead of one fsync per file, which for a run of hundreds of class
// files is most of its time.
void syncFolders(const std::vector<FileToWrite>& files)
{
    std::vector<std::string> folders;
    for (const FileToWrite& file : files) {
        std::string folder = folderOf(file.path);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    for (const std::string& folder : folders) {
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            failWrite(folder, errno);
        int rc = ::syncfs(fd);
        int err = errno;
        ::close(fd);
        if (rc != 0)
            failWrite(folder, err);
    }
}

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    moveIntoPlace(writeTemporary(path, bytes, true), path);
}

namespace {

// Pairs of temporary and final paths, each ended by a NUL byte.
std::string recordText(const std::vector<std::string>& temporaries, const std::vector<FileToWrite>& files)
{
    std::string text;
    for (std::size_t i = 0; i < files.size(); ++i) {
        text += temporaries[i];
        text += '\0';
        text += files[i].path;
        text += '\0';
    }
    return text;
}

std::vector<std::pair<std::string, std::string>> recordPairs(const std::string& renameRecord)
{
    std::string text = readWholeFile(renameRecord);
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\0', from)) != std::string::npos; from = end + 1)
        parts.push_back(text.substr(from, end - from));
    if (from != text.size() || parts.size() % 2 != 0)
        throw Error("書き込みの記録が壊れています: " + renameRecord + "（このファイルを削除してからもう一度実行してください）");
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        pairs.emplace_back(parts[i], parts[i + 1]);
    return pairs;
}

}  // namespace

std::optional<PendingRenames> pendingRenames(const std::string& renameRecord)
{
    if (!fileExists(renameRecord))
        return std::nullopt;
    PendingRenames state;
    for (const auto& [temporary, path] : recordPairs(renameRecord)) {
        ++state.total;
        if (fileExists(temporary))
            ++state.remaining;
    }
    return state;
}

std::optional<PendingRenames> finishPendingRenames(const std::string& renameRecord)
{
    std::optional<PendingRenames> state = pendingRenames(renameRecord);
    if (!state)
        return state;
    // The temporary files were complete and synced before the record was
    // written, so the interrupted set can be completed as it was meant.
    for (const auto& [temporary, path] : recordPairs(renameRecord))
        if (fileExists(temporary) && ::rename(temporary.c_str(), path.c_str()) != 0)
            failWrite(path, errno);
    syncFolder(folderOf(renameRecord));
    if (::unlink(renameRecord.c_str()) != 0)
        failWrite(renameRecord, errno);
    return state;
}

void writeFilesAtomically(const std::vector<FileToWrite>& files, const std::string& renameRecord)
{
    if (files.empty())
        return;
    for (const FileToWrite& file : files)
        checkFileNameLength(file.path);
    std::vector<std::string> temporaries;
    auto removeTemporaries = [&](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i)
            ::unlink(temporaries[i].c_str());
    };
    try {
        for (const FileToWrite& file : files)
            temporaries.push_back(writeTemporary(file.path, file.bytes, files.size() == 1));
        if (files.size() > 1)
            syncFolders(files);
        if (!renameRecord.empty()) {
            writeFileAtomically(renameRecord, recordText(temporaries, files));
            syncFolder(folderOf(renameRecord));
        }
    } catch (...) {
        removeTemporaries(0);
        throw;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            moveIntoPlace(temporaries[i], files[i].path);
        } catch (...) {
            removeTemporaries(i + 1);
            if (!renameRecord.empty())
                ::unlink(renameRecord.c_str());
            throw;
        }
    }
    if (!renameRecord.empty()) {
        // The renames reach the disk before the record that lists them goes.
        std::vector<std::string> folders;
        for (const FileToWrite& file : files)
            if (std::find(folders.begin(), folders.end(), folderOf(file.path)) == folders.end())
                folders.push_back(folderOf(file.path));
        for (const std::string& folder : folders)
            syncFolder(folder);
        ::unlink(renameRecord.c_str());
    }
}

bool fileHolds(const std::string& path, std::string_view bytes)
{
    // Not blocking keeps a FIFO in the file's place from stopping the run;
    // it is no regular file and so never holds the bytes.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) == bytes.size();
    char buffer[1 << 16];
    std::size_t offset = 0;
    while (same && offset < bytes.size()) {
        ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, bytes.size() - offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || std::memcmp(buffer, bytes.data() + offset, static_cast<std::size_t>(got)) != 0)
            same = false;
        else
            offset += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return same;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error("ファイルを読み込めません: " + path + ": " + systemMessage(errno));
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace schemist
