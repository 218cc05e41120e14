// Each user table is a real SQLite table whose constraints enforce what the
// catalog says: ranges of Boolean, Byte, Integer and Long fields, unique and
// primary keys (text compared without ASCII letter case, as Access does).
#include "platform/workstore/table_sql.h"

#include <algorithm>

namespace schemist::dao {
namespace {

std::string columnSql(const FieldDef& f, bool notNull)
{
    std::string q = quoteIdentifier(f.name);
    std::string sql = q;
    switch (f.type) {
    case dbBoolean: sql += " INTEGER CHECK(" + q + " IN (-1,0))"; break;
    case dbByte: sql += " INTEGER CHECK(" + q + " BETWEEN 0 AND 255)"; break;
    case dbInteger: sql += " INTEGER CHECK(" + q + " BETWEEN -32768 AND 32767)"; break;
    case dbLong: sql += " INTEGER CHECK(" + q + " BETWEEN -2147483648 AND 2147483647)"; break;
    case dbCurrency: case dbSingle: case dbDouble: case dbDate: sql += " REAL"; break;
    case dbText:  // sizes are checked on assignment: a CHECK here costs a text conversion per row
        sql += " TEXT COLLATE NOCASE";
        break;
    case dbMemo: sql += " TEXT COLLATE NOCASE"; break;
    default: sql += " BLOB"; break;
    }
    if (notNull)
        sql += " NOT NULL";
    return sql;
}

std::vector<std::string> primaryKeyFields(const TableDef& def)
{
    std::vector<std::string> names;
    for (const IndexDef& index : def.indexes)
        if (index.primary)
            for (const IndexMember& member : indexMembers(index.fields))
                names.push_back(member.field);
    return names;
}

}  // namespace

std::string quoteIdentifier(std::string_view name)
{
    std::string out = "\"";
    for (char c : name) {
        out.push_back(c);
        if (c == '"')
            out.push_back('"');
    }
    out.push_back('"');
    return out;
}

std::string createTableSql(const TableDef& def)
{
    std::vector<std::string> primary = primaryKeyFields(def);
    std::string sql = "CREATE TABLE " + quoteIdentifier(def.name) + " (";
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        bool notNull = std::find(primary.begin(), primary.end(), f.name) != primary.end();
        sql += (i ? ", " : "") + columnSql(f, notNull);
    }
    return sql + ")";
}

std::vector<std::string> createIndexSql(const TableDef& def)
{
    std::vector<std::string> statements;
    for (const IndexDef& index : def.indexes) {
        // A non-unique index changes no result, only speed; the work store's
        // tables are read whole, so it stays in the catalog alone.
        if (!index.primary && !index.unique)
            continue;
        std::string cols;
        for (const IndexMember& member : indexMembers(index.fields))
            cols += (cols.empty() ? "" : ", ") + quoteIdentifier(member.field) + (member.descending ? " DESC" : "");
        if (cols.empty())
            continue;
        statements.push_back("CREATE UNIQUE INDEX " + quoteIdentifier(def.name + "." + index.name) + " ON " +
                             quoteIdentifier(def.name) + " (" + cols + ")");
    }
    return statements;
}

}  // namespace schemist::dao
