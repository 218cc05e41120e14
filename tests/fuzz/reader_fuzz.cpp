// libFuzzer target for the source schema reader: each input is written to a
// file and read in this process (no child: the fuzzer must see the faults).
// Built only with clang and -DSCHEMIST_FUZZ=ON; run e.g.
//   build/tests/reader_fuzz -max_len=400000 -timeout=10 corpus/ tests/data/
#include "platform/mdb/schema_reader.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string scratchFile()
{
    static std::string path = [] {
        char name[] = "/tmp/reader-fuzz-XXXXXX";
        int fd = ::mkstemp(name);
        if (fd >= 0)
            ::close(fd);
        return std::string(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = scratchFile();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    try {
        schemist::readSourceSchema(path, {});
    } catch (const schemist::Error&) {
    }
    return 0;
}
