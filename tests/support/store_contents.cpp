// Test helpers that look into a work store.
#include "support/store_contents.h"

#include "platform/workstore/database.h"
#include "store/default_rows.h"

namespace schemist::test {

std::string conversionTablesText(const std::string& storePath)
{
    dao::Database db = dao::Database::open(storePath, dao::OpenMode::Exclusive);
    std::string all = std::to_string(db.tableDefCount()) + "\n";
    for (const char* t : {kDefaultTypeTable, kDefaultTopNameTable, kDefaultEndNameTable, kDefaultFullNameTable})
        for (dao::Recordset rs = db.openRecordset(t); !rs.eof(); rs.moveNext())
            for (const std::string& f : rs.fieldNames())
                all += rs.field(f).toText() + "|";
    return all;
}

}  // namespace schemist::test
