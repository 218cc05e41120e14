// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file beside the destination, which is renamed over it only
// when complete.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace schemist {

// Writes `bytes` to `path` atomically. Throws Error naming the path when the
// folder cannot be written, the disk is full or the rename fails; the old file
// (if any) is then unchanged and no temporary file is left.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// A file to be written by writeFilesAtomically.
struct PendingFile {
    std::string path;
    std::string bytes;
};

// Writes several files so that, when one of them cannot be written (a full
// disk, a read-only file, a folder in its place), none is replaced: each is
// first written and synced to a temporary file beside its destination, and
// only when all are complete are they renamed into place. Throws Error naming
// the path that failed; no temporary file is left.
void writeFilesAtomically(const std::vector<PendingFile>& files);

// Reads a whole file; throws Error naming the path when it cannot be read.
std::string readWholeFile(const std::string& path);

// The system's message for an errno value, for error texts.
std::string systemMessage(int errorNumber);

}  // namespace schemist
