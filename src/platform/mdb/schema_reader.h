// Reading the table definitions of a source Access database (.mdb/.accdb)
// without an Access engine, in this process or in an isolated child. This is
// the one door to libmdb: nothing outside this folder knows it. The source
// file is opened read-only and never changed.
#pragma once

#include "model/source_schema.h"
#include "platform/error.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemist {

struct SourceReadOptions {
    std::string jet3Charset = "CP932";      // code page for Jet3 (Access 97) text
    bool readDefinitions = true;            // false: names and attributes only (table listing)
    std::vector<std::string> onlyTables;    // read definitions of these local tables only; empty = all local tables (attributes 0)
};

// Reads in this process. libmdb's own complaints about damaged files are kept
// off the terminal while it runs (standard output and error are silenced for
// the duration, so do not call it concurrently with other output).
// Throws Error "データベースを読み込めません: <file>: <reason>".
SourceSchema readSourceSchema(const std::string& path, const SourceReadOptions& options);

// The reading program's half of an isolated read: the schema, or the Error it
// met, as the bytes readSourceSchemaIsolated expects from its child.
std::string readSourceSchemaForParent(const std::string& path, const SourceReadOptions& options);

// Its command line (after the program name): path, charset, "1" or "0" for
// readDefinitions, then the tables of onlyTables.
std::vector<std::string> readerArguments(const std::string& path, const SourceReadOptions& options);
SourceReadOptions readerOptionsFrom(const std::vector<std::string>& arguments, std::string& path);

// Reads in a child process, so that a file that would crash libmdb, make it
// loop or exhaust memory ends in the same Error instead of taking the caller
// down. The child is killed when it runs past `timeout`. The child starts the
// program schemist-read (from $SCHEMIST_READER, beside this program, or in
// the build tree), so that nothing of the caller's threads and locks goes
// with it; only where that program is missing does it read in a plain fork.
SourceSchema readSourceSchemaIsolated(const std::string& path, const SourceReadOptions& options,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(60));

}  // namespace schemist
