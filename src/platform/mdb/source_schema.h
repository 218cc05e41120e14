// The table definitions of a source Access database (.mdb/.accdb), read
// without an Access engine. This is the one door to libmdb: nothing outside
// this folder knows it. The source file is opened read-only and never changed.
#pragma once

#include "platform/error.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemist {

// One field of a table definition, as DAO reports it.
struct SourceField {
    std::string name;
    int daoType = 0;                            // DAO type code; 0 when the column type is unknown
    std::int32_t size = 0;                      // Text in characters, Memo/LongBinary 0, Decimal/GUID 16
    std::optional<std::string> description;     // "Description" property
    std::optional<std::string> defaultValue;    // "DefaultValue" property
    bool allowZeroLength = false;               // "AllowZeroLength" property (absent: false)
};

struct SourceIndex {
    std::string name;
    bool primary = false, unique = false, ignoreNulls = false;
    std::string fields;                         // "+A;-B": "+" ascending, "-" descending
};

struct SourceTable {
    std::string name;
    std::int32_t attributes = 0;                // DAO TableDef.Attributes
    std::optional<std::string> description;     // the table's "Description" property
    bool definitionsRead = false;               // fields and indexes were read
    std::vector<SourceField> fields;            // in column order
    std::vector<SourceIndex> indexes;           // in the file's index order
};

// Every catalog table (local, linked, system, hidden) in DAO order.
struct SourceSchema {
    std::vector<SourceTable> tables;
};

// DAO TableDef.Attributes values the reader produces.
inline constexpr std::int32_t kTableHidden = 0x1;                                 // dbHiddenObject
inline constexpr std::int32_t kTableSystem = static_cast<std::int32_t>(0x80000002u); // dbSystemObject
inline constexpr std::int32_t kTableLinked = 0x40000000;                          // dbAttachedTable
inline constexpr std::int32_t kTableLinkedOdbc = 0x20000000;                      // dbAttachedODBC

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

// Reads in a child process, so that a file that would crash libmdb, make it
// loop or exhaust memory ends in the same Error instead of taking the caller
// down. The child is killed when it runs past `timeout`.
SourceSchema readSourceSchemaIsolated(const std::string& path, const SourceReadOptions& options,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(60));

// An ordinary local table (attributes 0): the only kind a run reads.
inline bool isOrdinaryLocalTable(const SourceTable& table) { return table.attributes == 0; }

}  // namespace schemist
