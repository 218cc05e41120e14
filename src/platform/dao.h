// A DAO-like layer over SQLite for the work store: databases opened
// exclusively or shared, table definitions with fields, properties and
// indexes kept in a catalog of their own, recordsets, and transactions.
// Only this layer knows SQLite; values reach SQL only as bound parameters.
#pragma once

#include "platform/value.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace schemist::dao {

// DAO field type codes.
enum FieldType : std::int16_t {
    dbBoolean = 1, dbByte = 2, dbInteger = 3, dbLong = 4, dbCurrency = 5, dbSingle = 6,
    dbDouble = 7, dbDate = 8, dbBinary = 9, dbText = 10, dbLongBinary = 11, dbMemo = 12,
    dbGUID = 15,
};

inline constexpr const char* kJapaneseLocale = ";LANGID=0x0411;CP=932;COUNTRY=0";

struct Property {
    std::string name;
    std::int16_t type = dbText;
    Value value;
};

struct FieldDef {
    std::string name;
    std::int16_t type = dbText;
    std::int16_t size = 0;
    bool allowZeroLength = false;
    std::vector<Property> properties;

    const Property* property(std::string_view name) const;
};

struct IndexDef {
    std::string name;
    std::string fields;  // "+A;-B"
    bool primary = false;
    bool unique = false;
    bool ignoreNulls = false;
};

struct TableDef {
    std::string name;
    std::int32_t attributes = 0;
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;
    std::vector<Property> properties;

    const Property* property(std::string_view name) const;
    const FieldDef* field(std::string_view name) const;
};

enum class OpenMode { Exclusive, Shared };

class Recordset;
class Transaction;

class Database {
public:
    // Creates a new, empty database with the locale recorded; the file must
    // not exist. The new database is open exclusively.
    static Database create(const std::string& path, const std::string& locale = kJapaneseLocale);
    // Opens an existing database. Exclusive: no other connection, in this
    // process or another, may exist. A database held by another process gives
    // an Error ("work store in use"), never a wait.
    static Database open(const std::string& path, OpenMode mode);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    ~Database();

    void close();
    const std::string& path() const { return path_; }
    std::string locale() const;

    // Table definitions, in creation order.
    int tableDefCount() const;
    TableDef tableDef(int index) const;
    std::optional<TableDef> findTableDef(std::string_view name) const;
    bool hasTable(std::string_view name) const;
    void deleteTableDef(std::string_view name);
    // Creates the table with its fields, properties and indexes; the indexes
    // are enforced (a duplicate key is refused).
    void createTableDef(const TableDef& def);

    // A recordset over a whole table, or over its rows whose column equals a
    // value, optionally ordered by a column.
    Recordset openRecordset(std::string_view table);
    Recordset openRecordset(std::string_view table, std::string_view whereColumn, const Value& equals,
                            std::string_view orderBy = {}, bool descending = false);
    Recordset openOrdered(std::string_view table, std::string_view orderBy, bool descending = false);
    // An empty recordset of the table, for adding rows without reading any.
    Recordset openForAppend(std::string_view table);

    // Deletes every row of a table.
    void deleteAllRows(std::string_view table);

    Transaction beginTransaction();

    // For tests of fault handling: limits the file to this many pages.
    void setMaxPageCount(int pages);

    sqlite3* handle() const { return db_; }

private:
    Database(sqlite3* db, std::string path, OpenMode mode);
    friend class Recordset;
    friend class Transaction;

    void exec(const std::string& sql);
    void loadCatalog() const;
    void saveCatalogEntry(const TableDef& def, int ordinal);

    sqlite3* db_ = nullptr;
    std::string path_;
    std::string registryKey_;
    OpenMode mode_ = OpenMode::Exclusive;
    mutable bool catalogLoaded_ = false;
    mutable std::vector<TableDef> catalog_;
};

// RAII transaction: rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    ~Transaction();
    void commit();

private:
    Database* db_;
    bool open_ = false;
};

// A snapshot of rows with a cursor, which can add and edit rows of its table.
class Recordset {
public:
    bool eof() const { return position_ >= rows_.size(); }
    void moveFirst() { position_ = 0; }
    void moveNext();
    std::size_t recordCount() const { return rows_.size(); }

    // The current row's value of a field; throws Error when there is no
    // current row ("no current record") or no such field.
    const Value& field(std::string_view name) const;

    void addNew();
    void edit();
    void setField(std::string_view name, Value value);
    // By column position, in the table's field order.
    void setField(int column, Value value);
    void update();

    const std::vector<std::string>& fieldNames() const { return columns_; }

private:
    friend class Database;
    Recordset(Database& db, const TableDef& def, std::string selectSql, std::vector<Value> params);
    int columnIndex(std::string_view name) const;
    void checkValue(int column, const Value& value) const;

    Database* db_;
    TableDef def_;
    std::vector<std::string> columns_;
    std::vector<std::vector<Value>> rows_;
    std::vector<std::int64_t> rowids_;
    std::size_t position_ = 0;
    enum class EditMode { None, Add, Edit } mode_ = EditMode::None;
    std::vector<Value> buffer_;
    std::shared_ptr<sqlite3_stmt> insert_;
    bool appendOnly_ = false;
};

// The text of an identifier quoted for SQL ("a""b").
std::string quoteIdentifier(std::string_view name);

}  // namespace schemist::dao
