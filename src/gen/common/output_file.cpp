// Atomic writing of generated source files.
#include "gen/common/output_file.h"

#include "platform/atomic_file.h"

namespace schemist {

void writeOutputFile(const OutputFile& file)
{
    writeFileAtomically(file.path, file.bytes());
}

}  // namespace schemist
