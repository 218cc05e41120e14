// Small command for fuzz campaigns: reads one file's schema and reports the
// outcome by exit status. 0: read (prints the number of tables, fields and
// warnings; the warnings go to standard error); 2: a read error (its message
// on standard error); 64: bad usage.
//   read_probe [--plain] [--timeout-ms N] FILE
// --plain reads in this process, so that libmdb's own faults show as signals;
// by default the read runs isolated in a child, as the program does.
#include "platform/mdb/schema_reader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    bool plain = false;
    long timeoutMs = 10000;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--plain") == 0)
            plain = true;
        else if (std::strcmp(argv[i], "--timeout-ms") == 0 && i + 1 < argc)
            timeoutMs = std::strtol(argv[++i], nullptr, 10);
        else if (!file)
            file = argv[i];
        else
            file = nullptr, i = argc;
    }
    if (!file) {
        std::fprintf(stderr, "usage: read_probe [--plain] [--timeout-ms N] FILE\n");
        return 64;
    }
    try {
        schemist::SourceReadOptions options;
        schemist::SourceSchema schema =
            plain ? schemist::readSourceSchema(file, options)
                  : schemist::readSourceSchemaIsolated(file, options, std::chrono::milliseconds(timeoutMs));
        std::size_t fields = 0;
        for (const auto& table : schema.tables)
            fields += table.fields.size();
        std::printf("%zu tables, %zu fields, %zu warnings\n", schema.tables.size(), fields, schema.warnings.size());
        for (const std::string& warning : schema.warnings)
            std::fprintf(stderr, "%s\n", warning.c_str());
        return 0;
    } catch (const schemist::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
