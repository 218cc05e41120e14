// Reading a source database's schema in this process: the catalog once, then
// the definitions of the local tables asked for, then DAO's order.
#include "platform/mdb/schema_reader.h"

#include "platform/mdb/catalog.h"
#include "platform/mdb/mdb_database.h"
#include "platform/mdb/property_blocks.h"
#include "platform/mdb/quiet_streams.h"
#include "platform/mdb/read_failure.h"
#include "platform/mdb/relationships.h"
#include "platform/mdb/table_definition.h"

#include <algorithm>
#include <new>

namespace schemist {
namespace {

bool wantsDefinition(const mdb::CatalogTable& row, const SourceReadOptions& options)
{
    if (!options.readDefinitions || row.type != mdb::kLocalTableType || row.attributes != 0)
        return false;
    if (options.onlyTables.empty())
        return true;
    return std::find(options.onlyTables.begin(), options.onlyTables.end(), row.name) != options.onlyTables.end();
}

SourceTable tableOf(const mdb::MdbDatabase& database, const mdb::CatalogTable& row, const SourceReadOptions& options)
{
    SourceTable table;
    table.name = row.name;
    table.attributes = row.attributes;
    if (!wantsDefinition(row, options))
        return table;
    mdb::PropertyBlocks properties;
    try {
        properties = mdb::parsePropertyBlocks(database, row.properties);
    } catch (const mdb::MalformedProperties&) {
        throw mdb::readFailure(database.path(), mdb::reason::damagedTable(row.name));
    }
    if (const mdb::PropertyValues* own = properties.forTable(row.name)) {
        table.description = own->description;
        table.caption = own->caption;
        table.validationRule = own->validationRule;
        table.validationText = own->validationText;
    }
    mdb::readTableDefinition(database, row, properties, table);
    return table;
}

// The relationships only add to the tables: a catalog of them that cannot be
// read is reported beside the schema instead of failing the whole read.
void readRelationshipsInto(const mdb::MdbDatabase& database, const std::vector<mdb::CatalogTable>& rows,
                           SourceSchema& schema)
{
    try {
        schema.relationships = mdb::readRelationships(database, rows);
    } catch (const mdb::RelationshipsUnreadable&) {
        schema.relationships.clear();
        schema.relationshipsProblem = mdb::relationshipsProblem(database.path());
    }
}

SourceSchema readSchema(const std::string& path, const SourceReadOptions& options)
{
    mdb::MdbDatabase database(path, options.jet3Charset);
    SourceSchema schema;
    if (database.trailingBytes() != 0)
        schema.warnings.push_back(mdb::notice::trailingBytes(path, database.trailingBytes()));
    std::vector<mdb::CatalogTable> rows = mdb::readCatalogTables(
        database, [&](const mdb::CatalogTable& row) { return wantsDefinition(row, options); }, schema.warnings);

    schema.tables.reserve(rows.size());
    for (const mdb::CatalogTable& row : rows)
        schema.tables.push_back(tableOf(database, row, options));
    std::stable_sort(schema.tables.begin(), schema.tables.end(),
                     [](const SourceTable& a, const SourceTable& b) { return mdb::daoNameOrder(a.name, b.name); });
    if (options.readDefinitions)
        readRelationshipsInto(database, rows, schema);
    return schema;
}

}  // namespace

SourceSchema readSourceSchema(const std::string& path, const SourceReadOptions& options)
{
    mdb::QuietStandardStreams quiet;
    try {
        return readSchema(path, options);
    } catch (const std::bad_alloc&) {
        throw mdb::readFailure(path, "メモリが足りません");
    }
}

}  // namespace schemist
