// The editors' view of the conversion tables.
#include "store/table_editing.h"

#include "platform/workstore/database.h"
#include "platform/error.h"
#include "platform/text.h"
#include "store/default_rows.h"

namespace schemist {
namespace {

using namespace dao;

// The store opened for an editor; a missing table is named with the way out
// instead of a bare engine error.
Database openForEditing(const std::string& storePath, const std::string& table)
{
    Database db = Database::open(storePath, OpenMode::Shared);
    if (!db.hasTable(table))
        throw Error("作業用データベースに変換テーブル " + table + " がありません: " + storePath +
                    "（「初期データ作成」または schemist-cli --init で作り直してください）");
    return db;
}

std::string flagText(const Value& v) { return v.toBool() ? "True" : "False"; }

std::string lengthText(const Value& v) { return std::to_string(NullToZero(v).toInteger()); }

// Adds the row or, when a row with this key was already written, edits it,
// so that the later of two rows with the same key wins.
Recordset recordForKey(Database& db, const std::string& table, const char* keyField, const std::string& key)
{
    Recordset rs = db.openRecordset(table, keyField, Value(key));
    if (rs.eof())
        rs.addNew();
    else
        rs.edit();
    return rs;
}

}  // namespace

const std::array<const char*, kTypeColumns>& typeTableFieldNames()
{
    static const std::array<const char*, kTypeColumns> names = {
        "Inside_Type", "Inside_Length_Flag", "Inside_LengthInteger", "Inside_LengthDecimal",
        "VB_Type",     "VB_Length_Flag",     "VB_LengthInteger",     "VB_LengthDecimal",
        "Access_Type", "Access_Length_Flag", "Access_LengthInteger", "Access_LengthDecimal",
    };
    return names;
}

std::vector<TypeCells> LoadTypeTable(const std::string& storePath)
{
    Database db = openForEditing(storePath, kDefaultTypeTable);
    Recordset rs = db.openRecordset(kDefaultTypeTable);
    std::vector<TypeCells> rows;
    const auto& names = typeTableFieldNames();
    for (; !rs.eof(); rs.moveNext()) {
        TypeCells cells;
        for (int c = 0; c < kTypeColumns; ++c) {
            const Value& v = rs.field(names[c]);
            if (isTypeNameColumn(c))
                cells[c] = NullToEmpty(v).toText();
            else if (isLengthFlagColumn(c))
                cells[c] = flagText(v);
            else
                cells[c] = lengthText(v);
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::vector<NameCells> LoadNameTable(const std::string& storePath, const std::string& table)
{
    Database db = openForEditing(storePath, table);
    Recordset rs = db.openRecordset(table);
    std::vector<NameCells> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.push_back({NullToEmpty(rs.field("ConvertType")).toText(), NullToEmpty(rs.field("ConvertName")).toText()});
    return rows;
}

void SaveTypeTable(const std::string& storePath, const std::vector<TypeCells>& rows)
{
    Database db = openForEditing(storePath, kDefaultTypeTable);
    const auto& names = typeTableFieldNames();
    Transaction tx(db);
    db.deleteAllRows(kDefaultTypeTable);
    for (const TypeCells& cells : rows) {
        if (trimBlanks(cells[0]).empty())
            continue;
        Recordset rs = recordForKey(db, kDefaultTypeTable, names[0], cells[0]);
        for (int c = 0; c < kTypeColumns; ++c) {
            // A flag cell never ticked (a row of the empty start buffer) is False.
            if (isLengthFlagColumn(c))
                rs.setField(names[c], Value(cells[c] == "True"));
            else
                rs.setField(names[c], Value(cells[c]));
        }
        rs.update();
    }
    tx.commit();
}

void SaveNameTable(const std::string& storePath, const std::string& table, const std::vector<NameCells>& rows)
{
    Database db = openForEditing(storePath, table);
    Transaction tx(db);
    db.deleteAllRows(table);
    for (const NameCells& cells : rows) {
        if (trimBlanks(cells[0]).empty())
            continue;
        Recordset rs = recordForKey(db, table, "ConvertType", cells[0]);
        rs.setField("ConvertType", Value(cells[0]));
        rs.setField("ConvertName", Value(cells[1]));
        rs.update();
    }
    tx.commit();
}

}  // namespace schemist
