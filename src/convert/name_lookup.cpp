// Name lookups of the work store.
#include "convert/name_lookup.h"

#include "store/default_rows.h"

namespace schemist {
namespace {

std::string lookup(dao::Database& db, const char* table, const std::string& key)
{
    dao::Recordset rs = db.openRecordset(table, "ConvertType", Value(key));
    if (rs.eof())
        return {};
    return NullToEmpty(rs.field("ConvertName")).toText();
}

const char* tableOf(NameTable table)
{
    switch (table) {
    case NameTable::Top: return kDefaultTopNameTable;
    case NameTable::End: return kDefaultEndNameTable;
    case NameTable::Full: return kDefaultFullNameTable;
    }
    return kDefaultTopNameTable;
}

}  // namespace

std::string LookupTopName(dao::Database& db, const std::string& key) { return lookup(db, kDefaultTopNameTable, key); }
std::string LookupEndName(dao::Database& db, const std::string& key) { return lookup(db, kDefaultEndNameTable, key); }
std::string LookupFullName(dao::Database& db, const std::string& key) { return lookup(db, kDefaultFullNameTable, key); }

IdentifierSet BuildIdentifierSet(dao::Database& db)
{
    IdentifierSet ids;
    for (const IdentifierEntry& entry : kIdentifierEntries)
        ids.*entry.member = lookup(db, tableOf(entry.table), entry.key);
    return ids;
}

TypePrefixes LoadTypePrefixes(dao::Database& db)
{
    TypePrefixes prefixes;
    dao::Recordset rs = db.openRecordset(kDefaultTopNameTable);
    for (; !rs.eof(); rs.moveNext()) {
        const Value& key = rs.field("ConvertType");
        if (!key.isNull())
            prefixes.add(key.toText(), NullToEmpty(rs.field("ConvertName")).toText());
    }
    return prefixes;
}

}  // namespace schemist
