// Opening and creating work stores, and the operations on their table
// definitions and rows. A database owns its process registration, its
// connection and its cached catalog; closing releases them in that reverse
// order, so the file is free before the registry says so.
#include "platform/workstore/database.h"

#include "platform/error.h"
#include "platform/paths.h"
#include "platform/workstore/catalog.h"
#include "platform/workstore/connection.h"
#include "platform/workstore/open_registry.h"
#include "platform/workstore/table_sql.h"

#include <stdexcept>

namespace schemist::dao {

struct Database::State {
    OpenRegistration registration;
    Connection connection;
    OpenMode mode;
    Catalog catalog;

    // Shared connections may see tables changed by another connection.
    bool catalogIsCurrent() const { return mode == OpenMode::Exclusive; }
    const std::vector<TableDef>& tables() { return catalog.tables(connection, catalogIsCurrent()); }
    const TableDef* find(std::string_view name) { return catalog.find(connection, catalogIsCurrent(), name); }
};

namespace {

[[noreturn]] void throwNoSuchTable(std::string_view name)
{
    throw Error("作業用データベースにテーブルがありません: " + std::string(name));
}

}  // namespace

Database::Database(std::unique_ptr<State> state, std::string path) : state_(std::move(state)), path_(std::move(path)) {}
Database::Database(Database&& other) noexcept = default;
Database& Database::operator=(Database&& other) noexcept = default;
Database::~Database() = default;

void Database::close() { state_.reset(); }

Database Database::create(const std::string& path, const std::string& locale)
{
    if (fileExists(path))
        throw std::logic_error("database already exists: " + path);
    OpenRegistration registration(path, true);
    Database db(std::make_unique<State>(State{std::move(registration), Connection(path, true), OpenMode::Exclusive, {}}),
                path);
    const Connection& connection = db.connection();
    db.state_->connection.holdExclusively();
    Transaction tx(db);
    Catalog::createIn(connection, locale);
    tx.commit();
    db.state_->catalog.startEmpty();
    return db;
}

Database Database::open(const std::string& path, OpenMode mode)
{
    if (!fileExists(path))
        throw Error("作業用データベースがありません: " + path);
    OpenRegistration registration(path, mode == OpenMode::Exclusive);
    Database db(std::make_unique<State>(State{std::move(registration), Connection(path, false), mode, {}}), path);
    if (mode == OpenMode::Exclusive)
        db.state_->connection.holdExclusively();
    else
        db.state_->connection.waitForOtherWriters();
    // A store is recognised by its format marker; any other SQLite file, or
    // a file that is no database at all, is refused rather than written to.
    if (Catalog::formatMarker(db.connection()) != kFormatMarker)
        throw Error("作業用データベースではないファイルです: " + path +
                    "（「初期データ作成」または schemist-cli --init で作り直してください）");
    return db;
}

const Connection& Database::connection() const
{
    if (!state_)
        throw std::logic_error("work store used after closing: " + path_);
    return state_->connection;
}

void Database::forgetCatalog()
{
    if (state_)
        state_->catalog.forget();
}

std::string Database::locale() const { return Catalog::locale(connection()); }

int Database::tableDefCount() const
{
    connection();
    return static_cast<int>(state_->tables().size());
}

TableDef Database::tableDef(int index) const
{
    connection();
    return state_->tables().at(static_cast<std::size_t>(index));
}

std::optional<TableDef> Database::findTableDef(std::string_view name) const
{
    connection();
    if (const TableDef* def = state_->find(name))
        return *def;
    return std::nullopt;
}

bool Database::hasTable(std::string_view name) const
{
    connection();
    return state_->find(name) != nullptr;
}

const TableDef& Database::requireTable(std::string_view name) const
{
    connection();
    const TableDef* def = state_->find(name);
    if (def == nullptr)
        throwNoSuchTable(name);
    return *def;
}

void Database::deleteTableDef(std::string_view name)
{
    requireTable(name);
    Transaction tx(*this);
    connection().exec("DROP TABLE " + quoteIdentifier(name));
    Catalog::remove(connection(), name);
    tx.commit();
    forgetCatalog();
}

void Database::createTableDef(const TableDef& def)
{
    if (def.name.empty() || Catalog::isReservedName(def.name))
        throw Error("テーブル名が正しくありません: " + def.name);
    Transaction tx(*this);
    connection().exec(createTableSql(def));
    for (const std::string& sql : createIndexSql(def))
        connection().exec(sql);
    Catalog::add(connection(), def);
    tx.commit();
    forgetCatalog();
}

Recordset Database::openRecordset(std::string_view table)
{
    return Recordset(*this, requireTable(table), "", {});
}

Recordset Database::openRecordset(std::string_view table, std::string_view whereColumn, const Value& equals,
                                  std::string_view orderBy, bool descending)
{
    const TableDef& def = requireTable(table);
    std::string clause;
    std::vector<Value> params;
    if (!whereColumn.empty()) {
        clause = " WHERE " + quoteIdentifier(whereColumn) + " = ?";
        params.push_back(equals);
    }
    if (!orderBy.empty())
        clause += " ORDER BY " + quoteIdentifier(orderBy) + (descending ? " DESC" : "");
    return Recordset(*this, def, clause, std::move(params));
}

Recordset Database::openOrdered(std::string_view table, std::string_view orderBy, bool descending)
{
    return openRecordset(table, {}, Value(), orderBy, descending);
}

Recordset Database::openForAppend(std::string_view table)
{
    Recordset rs(*this, requireTable(table), " WHERE 0", {});
    rs.appendOnly_ = true;
    return rs;
}

void Database::deleteAllRows(std::string_view table)
{
    requireTable(table);
    connection().exec("DELETE FROM " + quoteIdentifier(table));
}

Transaction Database::beginTransaction() { return Transaction(*this); }

void Database::setMaxPageCount(int pages)
{
    connection().exec("PRAGMA max_page_count = " + std::to_string(pages));
}

}  // namespace schemist::dao
