// Work tables of a run.
#include "store/work_tables.h"

#include "platform/error.h"
#include "platform/workstore/row_appender.h"

#include <algorithm>
#include <map>

namespace schemist {

const std::vector<FieldDefinition>& workTableFields()
{
    using namespace dao;
    static const std::vector<FieldDefinition> fields = {
        {dbLong, "TableNo", 255, "テーブル順位"},
        {dbText, "TableName", 255, "テーブル名称"},
        {dbBoolean, "TableNameChange", 255, "テーブル名接頭子変更フラグ"},
        {dbText, "TableComment", 255, "テーブルコメント", false, true},
        {dbLong, "FieldNo", 255, "テーブル内連番"},
        {dbText, "FieldName", 255, "フィールド名称"},
        {dbBoolean, "FieldNameChange", 255, "接頭子有無フラグ"},
        {dbText, "Type", 255, "型"},
        {dbBoolean, "LengthFlag", 255, "配列使用有無"},
        {dbLong, "LengthInteger", 255, "長さ（整数部）"},
        {dbLong, "LengthDecimal", 255, "長さ（小数部）"},
        {dbText, "Comment", 255, "コメント", false, true},
        {dbBoolean, "Primary", 255, "主キー"},
        {dbBoolean, "Unique", 255, "重複"},
        {dbBoolean, "Null", 255, "NULL値"},
        {dbBoolean, "AllowZeroLength", 255, "空文字列"},
        {dbBoolean, "DefaultFlag", 255, "Default値使用・未使用"},
        {dbText, "DefaultValue", 255, "Default値", false, true},
    };
    return fields;
}

namespace {

struct WorkTable {
    const char* name;
    const char* description;
};

constexpr WorkTable kWorkTables[] = {
    {kAccessTable, "DB製作プログラム Access テーブルデータ"},
    {kInsideTable, "DB製作プログラム Inside テーブルデータ"},
    {kVBTable, "DB製作プログラム Visual Basic テーブルデータ"},
};

std::optional<std::string> textOrNull(const Value& v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toText();
}

}  // namespace

void CreateWorkTables(dao::Database& db)
{
    dao::Transaction tx(db);
    for (const WorkTable& table : kWorkTables)
        BuildTable(db, table.name, table.description, workTableFields());
    tx.commit();
}

void DropWorkTables(dao::Database& db)
{
    dao::Transaction tx(db);
    for (const WorkTable& table : kWorkTables)
        if (db.hasTable(table.name))
            db.deleteTableDef(table.name);
    tx.commit();
}

namespace {

// Positions follow workTableFields().
void addRow(dao::RowAppender& rows, const DefinitionRow& row)
{
    rows.append({row.TableNo, row.TableName, row.TableNameChange, row.TableComment, row.FieldNo, row.FieldName,
                 row.FieldNameChange, row.Type, row.LengthFlag, row.LengthInteger, row.LengthDecimal, row.Comment,
                 row.Primary, row.Unique, row.Null, row.AllowZeroLength, row.DefaultFlag, row.DefaultValue});
}

}  // namespace

void writeDefinitionRows(dao::Database& db, const char* table, const std::vector<DefinitionRow>& rows)
{
    dao::Transaction tx(db);
    dao::RowAppender appender(db, table);
    for (const DefinitionRow& row : rows) {
        try {
            addRow(appender, row);
        } catch (const Error& e) {
            // A value the work table cannot hold (only a damaged source has
            // names or descriptions that long): say where it came from.
            throw Error("テーブル " + row.TableName + " のフィールド " + row.FieldName + " の定義を書き込めません: " +
                        e.what());
        }
    }
    appender.finish();
    tx.commit();
}

std::vector<DefinitionRow> readDefinitionRows(dao::Database& db, const char* table)
{
    dao::Recordset rs = db.openRecordset(table);
    std::vector<DefinitionRow> rows;
    rows.reserve(rs.recordCount());
    for (; !rs.eof(); rs.moveNext()) {
        DefinitionRow row;
        row.TableNo = static_cast<std::int32_t>(rs.field("TableNo").toInteger());
        row.TableName = NullToEmpty(rs.field("TableName")).toText();
        row.TableNameChange = rs.field("TableNameChange").toBool();
        row.TableComment = textOrNull(rs.field("TableComment"));
        row.FieldNo = static_cast<std::int32_t>(rs.field("FieldNo").toInteger());
        row.FieldName = NullToEmpty(rs.field("FieldName")).toText();
        row.FieldNameChange = rs.field("FieldNameChange").toBool();
        row.Type = NullToEmpty(rs.field("Type")).toText();
        row.LengthFlag = rs.field("LengthFlag").toBool();
        row.LengthInteger = static_cast<std::int32_t>(rs.field("LengthInteger").toInteger());
        row.LengthDecimal = static_cast<std::int32_t>(rs.field("LengthDecimal").toInteger());
        row.Comment = textOrNull(rs.field("Comment"));
        row.Primary = rs.field("Primary").toBool();
        row.Unique = rs.field("Unique").toBool();
        row.Null = rs.field("Null").toBool();
        const Value& azl = rs.field("AllowZeroLength");
        row.AllowZeroLength = azl.isNull() ? std::nullopt : std::optional<bool>(azl.toBool());
        row.DefaultFlag = rs.field("DefaultFlag").toBool();
        row.DefaultValue = textOrNull(rs.field("DefaultValue"));
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

// Rows that come in ascending table numbers already (as the import and the
// conversion make them) are grouped in one pass.
bool inTableOrder(const std::vector<DefinitionRow>& rows)
{
    return std::is_sorted(rows.begin(), rows.end(),
                          [](const DefinitionRow& a, const DefinitionRow& b) { return a.TableNo < b.TableNo; });
}

std::vector<DefinitionTable> groupInOrder(std::vector<DefinitionRow>& rows)
{
    std::vector<DefinitionTable> tables;
    std::size_t count = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (i == 0 || rows[i].TableNo != rows[i - 1].TableNo)
            ++count;
    tables.reserve(count);
    for (std::size_t begin = 0; begin < rows.size();) {
        std::size_t end = begin;
        while (end < rows.size() && rows[end].TableNo == rows[begin].TableNo)
            ++end;
        DefinitionTable& table = tables.emplace_back();
        table.TableNo = rows[begin].TableNo;
        table.rows.reserve(end - begin);
        for (std::size_t i = begin; i < end; ++i)
            table.rows.push_back(std::move(rows[i]));
        begin = end;
    }
    std::vector<DefinitionRow>().swap(rows);
    return tables;
}

void sortByFieldNo(std::vector<DefinitionTable>& tables)
{
    auto byFieldNo = [](const DefinitionRow& a, const DefinitionRow& b) { return a.FieldNo < b.FieldNo; };
    for (DefinitionTable& table : tables)
        if (!std::is_sorted(table.rows.begin(), table.rows.end(), byFieldNo))
            std::stable_sort(table.rows.begin(), table.rows.end(), byFieldNo);
}

}  // namespace

std::vector<DefinitionTable> groupByTable(std::vector<DefinitionRow> rows)
{
    if (inTableOrder(rows)) {
        std::vector<DefinitionTable> tables = groupInOrder(rows);
        sortByFieldNo(tables);
        return tables;
    }
    // Each table's list is sized before it is filled, and the flat list is
    // freed before sorting, so that grouping never holds much more than the
    // rows themselves.
    std::map<std::int32_t, DefinitionTable> byNumber;
    for (const DefinitionRow& row : rows)
        byNumber[row.TableNo].TableNo = row.TableNo;
    {
        std::map<std::int32_t, std::size_t> counts;
        for (const DefinitionRow& row : rows)
            ++counts[row.TableNo];
        for (auto& [number, table] : byNumber)
            table.rows.reserve(counts[number]);
    }
    for (DefinitionRow& row : rows)
        byNumber[row.TableNo].rows.push_back(std::move(row));
    std::vector<DefinitionRow>().swap(rows);  // "= {}" would keep the buffer
    std::vector<DefinitionTable> tables;
    tables.reserve(byNumber.size());
    for (auto& [number, table] : byNumber)
        tables.push_back(std::move(table));
    sortByFieldNo(tables);
    return tables;
}

std::vector<DefinitionRow> flattenTables(std::vector<DefinitionTable>&& tables)
{
    std::size_t count = 0;
    for (const DefinitionTable& table : tables)
        count += table.rows.size();
    std::vector<DefinitionRow> rows;
    rows.reserve(count);
    for (DefinitionTable& table : tables) {
        for (DefinitionRow& row : table.rows)
            rows.push_back(std::move(row));
        std::vector<DefinitionRow>().swap(table.rows);
    }
    tables.clear();
    return rows;
}

}  // namespace schemist
