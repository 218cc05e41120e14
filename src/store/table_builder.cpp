// Table builder of the work store.
#include "store/table_builder.h"

#include "platform/error.h"
#include "platform/paths.h"

#include <cstdio>

namespace schemist {
namespace {

bool isCreatableType(std::int16_t type)
{
    switch (type) {
    case dao::dbBinary: case dao::dbBoolean: case dao::dbByte: case dao::dbCurrency: case dao::dbDate:
    case dao::dbDouble: case dao::dbGUID: case dao::dbInteger: case dao::dbLong: case dao::dbLongBinary:
    case dao::dbMemo: case dao::dbSingle: case dao::dbText:
        return true;
    default:
        return false;  // BigInt, Char, Decimal, ... and unknown codes: no field
    }
}

// Appends a member to an index fields string: "+A", then ";+B".
void addIndexMember(std::string& list, const std::string& name)
{
    list += (list.empty() ? "+" : ";+") + name;
}

}  // namespace

dao::TableDef tableDefFrom(const std::string& tableName, const std::string& description,
                           const std::vector<FieldDefinition>& fields)
{
    dao::TableDef def;
    def.name = tableName;
    std::string primaryList, uniqueList, ignoreNullsList;
    for (const FieldDefinition& entry : fields) {
        if (entry.FieldName.empty() || !isCreatableType(entry.FieldType))
            continue;
        dao::FieldDef field;
        field.name = entry.FieldName;
        field.type = entry.FieldType;
        field.size = entry.FieldSize;
        field.allowZeroLength = entry.AllowZeroLength;
        if (!entry.Description.empty()) {
            field.properties.push_back({"Description", dao::dbText, Value(entry.Description)});
            if (entry.ZeroLengthProperty)
                field.allowZeroLength = true;
        }
        def.fields.push_back(std::move(field));
        if (entry.PrimaryKey) addIndexMember(primaryList, entry.FieldName);
        if (entry.Unique) addIndexMember(uniqueList, entry.FieldName);
        if (entry.AllowZeroLength) addIndexMember(ignoreNullsList, entry.FieldName);
    }
    def.properties.push_back({"Description", dao::dbText, Value(description)});
    if (!primaryList.empty()) def.indexes.push_back({"PrimaryKey", primaryList, true, false, false});
    if (!uniqueList.empty()) def.indexes.push_back({"Unique", uniqueList, false, true, false});
    if (!ignoreNullsList.empty()) def.indexes.push_back({"IgnoreNulls", ignoreNullsList, false, false, true});
    return def;
}

void BuildTable(dao::Database& db, const std::string& tableName, const std::string& description,
                const std::vector<FieldDefinition>& fields)
{
    dao::TableDef def = tableDefFrom(tableName, description, fields);
    dao::Transaction tx(db);
    if (db.hasTable(tableName))
        db.deleteTableDef(tableName);
    db.createTableDef(def);
    tx.commit();
}

void BuildTable(const std::string& dbPath, const std::string& tableName, const std::string& description,
                bool newFile, const std::vector<FieldDefinition>& fields)
{
    if (newFile && fileExists(dbPath) && std::remove(dbPath.c_str()) != 0)
        throw Error("作業用データベースを削除できません: " + dbPath);
    dao::Database db = fileExists(dbPath) ? dao::Database::open(dbPath, dao::OpenMode::Exclusive)
                                          : dao::Database::create(dbPath);
    BuildTable(db, tableName, description, fields);
}

}  // namespace schemist
