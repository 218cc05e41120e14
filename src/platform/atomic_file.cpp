// Atomic file replacement: mkstemp beside the target, write, fsync, rename.
#include "platform/atomic_file.h"

#include "platform/error.h"
#include "platform/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

}  // namespace

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
    std::string tmpl = joinPath(folderOf(path), "." + fileNameOf(path) + ".tmpXXXXXX");
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
void syncFolders(const std::vector<PendingFile>& files)
{
    std::vector<std::string> folders;
    for (const PendingFile& file : files) {
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

void writeFilesAtomically(const std::vector<PendingFile>& files)
{
    std::vector<std::string> temporaries;
    auto removeTemporaries = [&](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i)
            ::unlink(temporaries[i].c_str());
    };
    try {
        for (const PendingFile& file : files)
            temporaries.push_back(writeTemporary(file.path, file.bytes, files.size() == 1));
        if (files.size() > 1)
            syncFolders(files);
    } catch (...) {
        removeTemporaries(0);
        throw;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            moveIntoPlace(temporaries[i], files[i].path);
        } catch (...) {
            removeTemporaries(i + 1);
            throw;
        }
    }
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
