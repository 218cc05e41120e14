// The work store's database: created with its locale recorded, opened
// exclusively or shared, holding table definitions with fields, properties
// and indexes, and handing out recordsets and transactions. Only this layer
// knows SQLite; values reach SQL only as bound parameters.
#pragma once

#include "platform/workstore/recordset.h"
#include "platform/workstore/table_def.h"
#include "platform/workstore/transaction.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace schemist::dao {

class Connection;

enum class OpenMode { Exclusive, Shared };

class Database {
public:
    // Creates a new, empty database with the locale recorded; the file must
    // not exist. The new database is open exclusively.
    static Database create(const std::string& path, const std::string& locale = kJapaneseLocale);
    // Opens an existing database. Exclusive: no other connection, in this
    // process or another, may exist. A database held by another process gives
    // an Error ("work store in use"), never a wait. A second connection in
    // this process that the first excludes is a programming error
    // (std::logic_error).
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

private:
    struct State;
    Database(std::unique_ptr<State> state, std::string path);
    friend class Recordset;
    friend class RowAppender;
    friend class Transaction;

    const Connection& connection() const;
    // Table definitions may have changed (a transaction was rolled back).
    void forgetCatalog();
    const TableDef& requireTable(std::string_view name) const;

    std::unique_ptr<State> state_;
    std::string path_;
};

}  // namespace schemist::dao
