// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file beside the destination, which is renamed over it only
// when complete.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace schemist {

// Writes `bytes` to `path` atomically. Throws Error naming the path when the
// folder cannot be written, the disk is full or the rename fails; the old file
// (if any) is then unchanged and no temporary file is left.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// A file made in memory and not yet written.
struct PendingFile {
    std::string path;
    std::string bytes;
};

// A file to be written by writeFilesAtomically: its bytes stay where they
// were made, the caller keeps them alive.
struct FileToWrite {
    std::string path;
    std::string_view bytes;
};

// Writes several files so that, when one of them cannot be written (a full
// disk, a read-only file, a folder in its place, a name too long), none is
// replaced: each is first written and synced to a temporary file beside its
// destination, and only when all are complete are they renamed into place.
// Throws Error naming the path that failed; no temporary file is left.
// With a `renameRecord` path, the list of renames is kept there (written and
// synced before the first rename, removed after the last), so that a run
// killed among the renames can be completed by finishPendingRenames.
void writeFilesAtomically(const std::vector<FileToWrite>& files, const std::string& renameRecord = {});

// True when the file at `path` is a regular file holding exactly `bytes`: its
// size is compared first, and only a file of the same size is read, once.
bool fileHolds(const std::string& path, std::string_view bytes);

// The longest file name in bytes the folder's file system takes.
std::size_t fileNameLimit(const std::string& folder);

// Throws Error naming the path when its file name is longer than the file
// system takes.
void checkFileNameLength(const std::string& path);

// Temporary files are named ".NAME.schemist-tmp-XXXXXX", NAME cut so that the
// whole fits the file system's limit. The destination file name a temporary
// file in `entryName` was made for (cut as it was), or none when the name is
// not one of this program's temporary files.
std::optional<std::string> temporaryFileTarget(const std::string& entryName);

// `fileName` cut as temporary names of it are cut in `folder`.
std::string temporaryFileTargetOf(const std::string& folder, const std::string& fileName);

// Removes the temporary files in `folder` whose target `isOurs` accepts: those
// left by a run that was killed. Returns how many were removed.
std::size_t removeTemporaryFiles(const std::string& folder, const std::function<bool(const std::string&)>& isOurs);

// The rename record of the outputs named `outputName` in `folder`.
std::string renameRecordPath(const std::string& folder, const std::string& outputName);

// What a rename record left by an interrupted write holds.
struct PendingRenames {
    std::size_t total = 0;      // renames of the interrupted write
    std::size_t remaining = 0;  // of those, not yet done
};

// The record's state, or none when there is no record.
std::optional<PendingRenames> pendingRenames(const std::string& renameRecord);

// Completes the renames of an interrupted write and removes its record.
// Returns the record's state before (none when there was no record); throws
// Error naming the file when a rename fails.
std::optional<PendingRenames> finishPendingRenames(const std::string& renameRecord);

// Reads a whole file; throws Error naming the path when it cannot be read.
std::string readWholeFile(const std::string& path);

// The system's message for an errno value, for error texts.
std::string systemMessage(int errorNumber);

}  // namespace schemist
