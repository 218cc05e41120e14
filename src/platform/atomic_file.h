// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file beside the destination, which is renamed over it only
// when complete.
#pragma once

#include <string>
#include <string_view>

namespace schemist {

// Writes `bytes` to `path` atomically. Throws Error naming the path when the
// folder cannot be written, the disk is full or the rename fails; the old file
// (if any) is then unchanged and no temporary file is left.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; throws Error naming the path when it cannot be read.
std::string readWholeFile(const std::string& path);

// The system's message for an errno value, for error texts.
std::string systemMessage(int errorNumber);

}  // namespace schemist
