// The schema of a source Access database as the reader hands it on: tables,
// fields with their properties, indexes and relationships. Plain values, shared
// by the import, the definition documents and the reader itself.
#pragma once

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

// An ordinary local table (attributes 0): the only kind a run reads.
inline bool isOrdinaryLocalTable(const SourceTable& table) { return table.attributes == 0; }

}  // namespace schemist
