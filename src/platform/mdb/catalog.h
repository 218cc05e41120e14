// The table rows of the system catalog (MSysObjects): local tables, tables
// linked to another Access file and ODBC links, with what DAO derives from
// them (attributes, collection order).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace schemist::mdb {

class MdbDatabase;

// MSysObjects.Type values of table-like objects.
inline constexpr int kLocalTableType = 1;
inline constexpr int kOdbcLinkType = 4;
inline constexpr int kAccessLinkType = 6;

struct CatalogTable {
    std::string name;
    int type = 0;
    std::uint32_t flags = 0;
    std::uint32_t definitionPage = 0;  // page of the table definition (local tables)
    std::int32_t attributes = 0;
    std::string properties;            // raw LvProp value; read only when asked for
};

// DAO TableDef.Attributes of a catalog row.
std::int32_t daoAttributes(const std::string& name, int type, std::uint32_t flags);

// DAO's collection order: by name with ASCII letters compared without case,
// ties broken by the exact name.
bool daoNameOrder(const std::string& left, const std::string& right);

// Reads the catalog in one pass. `wantsProperties` decides, per table row
// (with its attributes already set), whether its LvProp value is read.
// Throws readFailure when the catalog itself cannot be read; rows or pages
// of it that could not be read are added to `warnings`.
std::vector<CatalogTable> readCatalogTables(const MdbDatabase& database,
                                            const std::function<bool(const CatalogTable&)>& wantsProperties,
                                            std::vector<std::string>& warnings);

}  // namespace schemist::mdb
