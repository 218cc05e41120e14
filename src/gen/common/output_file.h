// A generated source file: its path and lines, written as CP932 with CR LF
// after every line, atomically.
#pragma once

#include "gen/common/source_text.h"

#include <string>

namespace schemist {

struct OutputFile {
    std::string path;
    SourceText lines;

    // The bytes as written: each line encoded as CP932 and followed by CR LF.
    // The lines are kept in this form, so this costs nothing.
    const std::string& bytes() const { return lines.bytes(); }
};

// Writes the file beside its destination and moves it into place when
// complete; throws Error naming the path on failure.
void writeOutputFile(const OutputFile& file);

}  // namespace schemist
