// The table definitions of a source Access database, as the reader hands
// them to the run (placeholder shape; the reader implementation lands with
// the libmdb layer).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemist {
struct SourceField { std::string name; int daoType = 0; std::int32_t size = 0; std::optional<std::string> description; std::optional<std::string> defaultValue; bool allowZeroLength = false; };
struct SourceIndex { std::string name; bool primary = false, unique = false, ignoreNulls = false; std::string fields; /* "+A;-B" */ };
struct SourceTable { std::string name; std::int32_t attributes = 0; std::optional<std::string> description; bool definitionsRead = false; std::vector<SourceField> fields; std::vector<SourceIndex> indexes; };
struct SourceSchema { std::vector<SourceTable> tables; };   // every catalog table (local, linked, system, hidden) in DAO order
struct SourceReadOptions {
    std::string jet3Charset = "CP932";      // code page for Jet3 (Access 97) text
    bool readDefinitions = true;            // false: names and attributes only (table listing)
    std::vector<std::string> onlyTables;    // read definitions of these local tables only; empty = all local tables (attributes 0)
};
SourceSchema readSourceSchema(const std::string& path, const SourceReadOptions& options);          // in this process
SourceSchema readSourceSchemaIsolated(const std::string& path, const SourceReadOptions& options,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(60)); // in a child process
}
