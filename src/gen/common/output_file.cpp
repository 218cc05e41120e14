// Encoding and atomic writing of generated source files.
#include "gen/common/output_file.h"

#include "platform/atomic_file.h"
#include "platform/text.h"

namespace schemist {

std::string OutputFile::bytes() const
{
    std::string out;
    for (const std::string& line : lines) {
        out += encodeCp932(line).bytes;
        out += "\r\n";
    }
    return out;
}

void writeOutputFile(const OutputFile& file)
{
    writeFileAtomically(file.path, file.bytes());
}

}  // namespace schemist
