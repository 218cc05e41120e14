// A generated source file: its path and lines, written as CP932 with CR LF
// after every line, atomically.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace schemist {

struct OutputFile {
    std::string path;
    std::vector<std::string> lines;

    // The bytes as written: each line encoded as CP932 and followed by CR LF.
    std::string bytes() const;

    // Encodes the lines now and keeps the bytes, so that bytes() later costs
    // nothing (the run encodes on the generator's thread).
    void encode() { encoded = bytes(); }
    std::optional<std::string> encoded;
};

// Writes the file beside its destination and moves it into place when
// complete; throws Error naming the path on failure.
void writeOutputFile(const OutputFile& file);

}  // namespace schemist
