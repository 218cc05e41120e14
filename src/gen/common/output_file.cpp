// Encoding and atomic writing of generated source files.
#include "gen/common/output_file.h"

#include "platform/atomic_file.h"
#include "platform/text.h"

namespace schemist {

std::string OutputFile::bytes() const
{
    if (encoded)
        return *encoded;
    // One conversion for the whole file: CR LF are ASCII and pass through
    // unchanged, and converting line by line costs more than the text itself.
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return encodeCp932(text).bytes;
}

void writeOutputFile(const OutputFile& file)
{
    writeFileAtomically(file.path, file.bytes());
}

}  // namespace schemist
