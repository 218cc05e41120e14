// schemist-read: reads one source database's definitions for a parent
// program and writes them to standard output in the form the parent's
// isolated reader expects. It is started by the programs themselves, not by
// users; its only job is to keep libmdb out of the parent's process.
#include "platform/error.h"
#include "platform/mdb/schema_reader.h"

#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string bytes;
    try {
        std::string path;
        schemist::SourceReadOptions options = schemist::readerOptionsFrom(arguments, path);
        bytes = schemist::readSourceSchemaForParent(path, options);
    } catch (const std::exception&) {
        return 64;
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(STDOUT_FILENO, data, left);
        if (written <= 0)
            return 71;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}
