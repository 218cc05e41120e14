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

    // The rest of the field's definition, for the definition documents.
    std::optional<int> precision, scale;        // Decimal only
    bool required = false;                      // "Required" property (absent: false)
    bool autoNumber = false;                    // AutoNumber (Long increment or GUID)
    std::optional<std::string> caption;         // "Caption": the logical name where the database has one
    std::optional<std::string> format, inputMask, validationRule, validationText;
    std::optional<std::string> rowSource;       // lookup "RowSource"
    std::optional<int> decimalPlaces;           // "DecimalPlaces"; 255 is "Auto"
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

    // The table's logical name and validation, for the definition documents.
    std::optional<std::string> caption, validationRule, validationText;
};

// A relationship (MSysRelationships) between two user tables.
struct SourceRelationship {
    std::string name;
    std::string table;                          // the referencing ("many") side
    std::vector<std::string> columns;
    std::string referencedTable;                // the referenced ("one") side, which holds the unique index
    std::vector<std::string> referencedColumns;
    bool oneToOne = false, enforced = false, cascadeUpdates = false, cascadeDeletes = false;
};

// Every catalog table (local, linked, system, hidden) in DAO order.
struct SourceSchema {
    std::vector<SourceTable> tables;
    // What the reader had to pass over (a catalog row it could not read, bytes
    // after the last whole page), in the user's language, naming the file.
    std::vector<std::string> warnings;

    // Relationships, read with the definitions, sorted by name. A relationship
    // catalog that cannot be read leaves them empty and says why here, so
    // the tables can still be used.
    std::vector<SourceRelationship> relationships;
    std::optional<std::string> relationshipsProblem;
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

// An ordinary local table (attributes 0): the only kind a run reads.
inline bool isOrdinaryLocalTable(const SourceTable& table) { return table.attributes == 0; }

}  // namespace schemist
