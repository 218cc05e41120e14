// The work store's database layer on SQLite. Table definitions are kept as
// JSON in a catalog table, so that every attribute the program stores
// (types, sizes, descriptions, zero-length attributes, index names and
// attributes) reads back as it was written. Each user table is a real SQLite
// table whose constraints enforce what the catalog says: ranges of Boolean,
// Byte, Integer and Long fields, text sizes, unique and primary keys.
#include "platform/dao.h"

#include "platform/error.h"
#include "platform/paths.h"

#include <nlohmann/json.hpp>
#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <stdexcept>

namespace schemist::dao {
namespace {

constexpr const char* kCatalogTable = "__schemist_catalog";
constexpr const char* kInfoTable = "__schemist_info";
constexpr const char* kFormatMarker = "schemist-work-store 1";

// Connections open in this process, by file: exclusive and shared counts.
struct OpenCounts {
    int exclusive = 0;
    int shared = 0;
};
std::mutex registryMutex;
std::map<std::string, OpenCounts>& registry()
{
    static std::map<std::string, OpenCounts> map;
    return map;
}

std::string registryKeyFor(const std::string& path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    return path;
}

void registerOpen(const std::string& key, OpenMode mode)
{
    std::lock_guard lock(registryMutex);
    OpenCounts& counts = registry()[key];
    if (counts.exclusive > 0 || (mode == OpenMode::Exclusive && counts.shared > 0))
        throw std::logic_error("work store opened twice in one process: " + key);
    (mode == OpenMode::Exclusive ? counts.exclusive : counts.shared)++;
}

void unregisterOpen(const std::string& key, OpenMode mode)
{
    std::lock_guard lock(registryMutex);
    auto it = registry().find(key);
    if (it == registry().end())
        return;
    (mode == OpenMode::Exclusive ? it->second.exclusive : it->second.shared)--;
    if (it->second.exclusive <= 0 && it->second.shared <= 0)
        registry().erase(it);
}

// What a failed statement left in the connection, taken before anything
// else (a rollback) runs on it and replaces it.
struct SqlFailure {
    int code;
    int systemErrno;
    std::string detail;
};

SqlFailure lastFailure(sqlite3* db)
{
    return {sqlite3_extended_errcode(db) & 0xFF, sqlite3_system_errno(db), sqlite3_errmsg(db)};
}

[[noreturn]] void failSql(const SqlFailure& failure, const std::string& path, const std::string& what)
{
    int code = failure.code;
    const std::string& detail = failure.detail;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        throw Error("作業用データベースは他のプログラムが使用中です: " + path);
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        throw Error("作業用データベースが壊れているか、作業用データベースではありません: " + path +
                    "（「初期データ作成」または schemist-cli --init で作り直してください）");
    if (code == SQLITE_FULL || (code == SQLITE_IOERR && failure.systemErrno == ENOSPC))
        throw Error("ディスクの空きが足りないため作業用データベースに書き込めません: " + path);
    if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN || code == SQLITE_PERM || code == SQLITE_IOERR)
        throw Error("作業用データベースに書き込めません: " + path + ": " + detail);
    if (code == SQLITE_CONSTRAINT)
        throw Error(what + ": " + detail);
    throw Error(what + ": " + path + ": " + detail);
}

[[noreturn]] void failSql(sqlite3* db, const std::string& path, const std::string& what)
{
    failSql(lastFailure(db), path, what);
}

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Statement prepare(sqlite3* db, const std::string& path, const std::string& sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
        failSql(db, path, "作業用データベースの読み書きに失敗しました");
    return Statement(stmt);
}

// `lasting`: the value outlives the statement's next step, so its text need
// not be copied (the hot path of adding rows).
void bindValue(sqlite3_stmt* stmt, int index, const Value& value, bool lasting = false)
{
    struct Binder {
        sqlite3_stmt* s;
        int i;
        bool lasting;
        void operator()(std::monostate) const { sqlite3_bind_null(s, i); }
        void operator()(bool b) const { sqlite3_bind_int(s, i, b ? -1 : 0); }
        void operator()(std::int16_t v) const { sqlite3_bind_int(s, i, v); }
        void operator()(std::int32_t v) const { sqlite3_bind_int(s, i, v); }
        void operator()(double v) const { sqlite3_bind_double(s, i, v); }
        void operator()(const std::string& v) const
        {
            sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), lasting ? SQLITE_STATIC : SQLITE_TRANSIENT);
        }
    };
    std::visit(Binder{stmt, index, lasting}, value.storage());
}

Value columnValue(sqlite3_stmt* stmt, int column, std::int16_t type)
{
    if (sqlite3_column_type(stmt, column) == SQLITE_NULL)
        return Value();
    switch (type) {
    case dbBoolean:
        return Value(sqlite3_column_int64(stmt, column) != 0);
    case dbByte:
    case dbInteger:
        return Value(static_cast<std::int16_t>(sqlite3_column_int(stmt, column)));
    case dbLong:
        return Value(static_cast<std::int32_t>(sqlite3_column_int(stmt, column)));
    case dbCurrency:
    case dbSingle:
    case dbDouble:
    case dbDate:
        return Value(sqlite3_column_double(stmt, column));
    default: {
        const unsigned char* text = sqlite3_column_text(stmt, column);
        int bytes = sqlite3_column_bytes(stmt, column);
        return Value(std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes)));
    }
    }
}

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

// Splits "+A;-B" into (name, descending) pairs.
std::vector<std::pair<std::string, bool>> indexMembers(const std::string& fields)
{
    std::vector<std::pair<std::string, bool>> members;
    std::size_t pos = 0;
    while (pos <= fields.size()) {
        std::size_t end = fields.find(';', pos);
        std::string part = fields.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        bool descending = false;
        if (!part.empty() && (part[0] == '+' || part[0] == '-')) {
            descending = part[0] == '-';
            part.erase(0, 1);
        }
        if (!part.empty())
            members.emplace_back(part, descending);
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return members;
}

nlohmann::json valueToJson(const Value& v)
{
    struct Visitor {
        nlohmann::json operator()(std::monostate) const { return nullptr; }
        nlohmann::json operator()(bool b) const { return b; }
        nlohmann::json operator()(std::int16_t i) const { return i; }
        nlohmann::json operator()(std::int32_t i) const { return i; }
        nlohmann::json operator()(double d) const { return d; }
        nlohmann::json operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, v.storage());
}

Value valueFromJson(const nlohmann::json& j, std::int16_t type)
{
    if (j.is_null()) return Value();
    if (j.is_boolean()) return Value(j.get<bool>());
    if (j.is_string()) return Value(j.get<std::string>());
    if (j.is_number_float()) return Value(j.get<double>());
    if (type == dbInteger || type == dbByte) return Value(j.get<std::int16_t>());
    return Value(j.get<std::int32_t>());
}

nlohmann::json propertiesToJson(const std::vector<Property>& props)
{
    nlohmann::json out = nlohmann::json::array();
    for (const Property& p : props)
        out.push_back({{"name", p.name}, {"type", p.type}, {"value", valueToJson(p.value)}});
    return out;
}

std::vector<Property> propertiesFromJson(const nlohmann::json& j)
{
    std::vector<Property> props;
    for (const auto& p : j) {
        auto type = p.at("type").get<std::int16_t>();
        props.push_back({p.at("name").get<std::string>(), type, valueFromJson(p.at("value"), type)});
    }
    return props;
}

std::string tableDefToJson(const TableDef& def)
{
    nlohmann::json j;
    j["name"] = def.name;
    j["attributes"] = def.attributes;
    j["properties"] = propertiesToJson(def.properties);
    j["fields"] = nlohmann::json::array();
    for (const FieldDef& f : def.fields)
        j["fields"].push_back({{"name", f.name}, {"type", f.type}, {"size", f.size},
                               {"allowZeroLength", f.allowZeroLength}, {"properties", propertiesToJson(f.properties)}});
    j["indexes"] = nlohmann::json::array();
    for (const IndexDef& i : def.indexes)
        j["indexes"].push_back({{"name", i.name}, {"fields", i.fields}, {"primary", i.primary},
                                {"unique", i.unique}, {"ignoreNulls", i.ignoreNulls}});
    return j.dump();
}

TableDef tableDefFromJson(const std::string& text)
{
    nlohmann::json j = nlohmann::json::parse(text);
    TableDef def;
    def.name = j.at("name").get<std::string>();
    def.attributes = j.at("attributes").get<std::int32_t>();
    def.properties = propertiesFromJson(j.at("properties"));
    for (const auto& f : j.at("fields"))
        def.fields.push_back({f.at("name").get<std::string>(), f.at("type").get<std::int16_t>(),
                              f.at("size").get<std::int16_t>(), f.at("allowZeroLength").get<bool>(),
                              propertiesFromJson(f.at("properties"))});
    for (const auto& i : j.at("indexes"))
        def.indexes.push_back({i.at("name").get<std::string>(), i.at("fields").get<std::string>(),
                               i.at("primary").get<bool>(), i.at("unique").get<bool>(), i.at("ignoreNulls").get<bool>()});
    return def;
}

const Property* findProperty(const std::vector<Property>& props, std::string_view name)
{
    for (const Property& p : props)
        if (p.name == name)
            return &p;
    return nullptr;
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

const Property* FieldDef::property(std::string_view n) const { return findProperty(properties, n); }
const Property* TableDef::property(std::string_view n) const { return findProperty(properties, n); }

const FieldDef* TableDef::field(std::string_view n) const
{
    for (const FieldDef& f : fields)
        if (f.name == n)
            return &f;
    return nullptr;
}

// ---- Database ---------------------------------------------------------------

Database::Database(sqlite3* db, std::string path, OpenMode mode)
    : db_(db), path_(std::move(path)), registryKey_(registryKeyFor(path_)), mode_(mode)
{
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), path_(std::move(other.path_)),
      registryKey_(std::move(other.registryKey_)), mode_(other.mode_),
      catalogLoaded_(other.catalogLoaded_), catalog_(std::move(other.catalog_))
{
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
        registryKey_ = std::move(other.registryKey_);
        mode_ = other.mode_;
        catalogLoaded_ = other.catalogLoaded_;
        catalog_ = std::move(other.catalog_);
    }
    return *this;
}

Database::~Database() { close(); }

void Database::close()
{
    if (db_ == nullptr)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
    unregisterOpen(registryKey_, mode_);
}

namespace {

// A connection is only ever used by one thread at a time (the registry above
// allows one exclusive connection per store), so SQLite's own locking of
// every call is left out.
sqlite3* openConnection(const std::string& path, int flags)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string detail = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close_v2(db);
        throw Error("作業用データベースを開けません: " + path + ": " + detail);
    }
    sqlite3_extended_result_codes(db, 1);
    return db;
}

// Takes the file's lock for the life of the connection, or fails at once
// when another process holds it.
void lockExclusively(sqlite3* db, const std::string& path)
{
    sqlite3_busy_timeout(db, 0);
    if (sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA secure_delete=OFF; PRAGMA wal_autocheckpoint=10000; BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK)
        failSql(db, path, "作業用データベースを開けません");
}

}  // namespace

Database Database::create(const std::string& path, const std::string& locale)
{
    if (fileExists(path))
        throw std::logic_error("database already exists: " + path);
    std::string key = registryKeyFor(path);
    registerOpen(key, OpenMode::Exclusive);
    sqlite3* raw = nullptr;
    try {
        raw = openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    } catch (...) {
        unregisterOpen(key, OpenMode::Exclusive);
        throw;
    }
    Database db(raw, path, OpenMode::Exclusive);
    db.registryKey_ = key;
    lockExclusively(raw, path);
    Transaction tx(db);
    db.exec(std::string("CREATE TABLE ") + kCatalogTable +
            " (ordinal INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, definition TEXT NOT NULL)");
    db.exec(std::string("CREATE TABLE ") + kInfoTable + " (key TEXT PRIMARY KEY, value TEXT)");
    Statement insert = prepare(raw, path, std::string("INSERT INTO ") + kInfoTable + " VALUES (?, ?)");
    for (auto [k, v] : {std::pair<std::string, std::string>{"format", kFormatMarker}, {"locale", locale}}) {
        sqlite3_reset(insert.get());
        bindValue(insert.get(), 1, Value(k));
        bindValue(insert.get(), 2, Value(v));
        if (sqlite3_step(insert.get()) != SQLITE_DONE)
            failSql(raw, path, "作業用データベースを作成できません");
    }
    tx.commit();
    db.catalogLoaded_ = true;
    return db;
}

Database Database::open(const std::string& path, OpenMode mode)
{
    if (!fileExists(path))
        throw Error("作業用データベースがありません: " + path);
    std::string key = registryKeyFor(path);
    registerOpen(key, mode);
    sqlite3* raw = nullptr;
    try {
        raw = openConnection(path, SQLITE_OPEN_READWRITE);
    } catch (...) {
        unregisterOpen(key, mode);
        throw;
    }
    Database db(raw, path, mode);
    if (mode == OpenMode::Exclusive)
        lockExclusively(raw, path);
    else
        sqlite3_busy_timeout(raw, 2000);
    // A store is recognised by its format marker; any other SQLite file, or
    // a file that is no database at all, is refused rather than written to.
    std::string marker;
    {
        sqlite3_stmt* stmt = nullptr;
        std::string sql = std::string("SELECT value FROM ") + kInfoTable + " WHERE key='format'";
        if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
            int rc = sqlite3_step(stmt);
            if (rc == SQLITE_ROW)
                marker = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            sqlite3_finalize(stmt);
            if (rc != SQLITE_ROW && rc != SQLITE_DONE)
                failSql(raw, path, "作業用データベースを開けません");
        } else if ((sqlite3_extended_errcode(raw) & 0xFF) != SQLITE_ERROR) {
            // Anything but "no such table": a lock, a full disk, a damaged file.
            failSql(raw, path, "作業用データベースを開けません");
        }
    }
    if (marker != kFormatMarker)
        throw Error("作業用データベースではないファイルです: " + path +
                    "（「初期データ作成」または schemist-cli --init で作り直してください）");
    return db;
}

std::string Database::locale() const
{
    Statement stmt = prepare(db_, path_, std::string("SELECT value FROM ") + kInfoTable + " WHERE key='locale'");
    if (sqlite3_step(stmt.get()) == SQLITE_ROW)
        return reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0));
    return {};
}

void Database::exec(const std::string& sql)
{
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        failSql(db_, path_, "作業用データベースの読み書きに失敗しました");
}

void Database::loadCatalog() const
{
    // Shared connections may see tables changed by another connection.
    if (catalogLoaded_ && mode_ == OpenMode::Exclusive)
        return;
    catalog_.clear();
    Statement stmt = prepare(db_, path_, std::string("SELECT definition FROM ") + kCatalogTable + " ORDER BY ordinal");
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        try {
            catalog_.push_back(tableDefFromJson(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0))));
        } catch (const nlohmann::json::exception&) {
            throw Error("作業用データベースの定義情報が壊れています: " + path_ +
                        "（「初期データ作成」または schemist-cli --init で作り直してください）");
        }
    }
    if (rc != SQLITE_DONE)
        failSql(db_, path_, "作業用データベースを読み込めません");
    catalogLoaded_ = true;
}

int Database::tableDefCount() const
{
    loadCatalog();
    return static_cast<int>(catalog_.size());
}

TableDef Database::tableDef(int index) const
{
    loadCatalog();
    return catalog_.at(static_cast<std::size_t>(index));
}

std::optional<TableDef> Database::findTableDef(std::string_view name) const
{
    loadCatalog();
    for (const TableDef& def : catalog_)
        if (def.name == name)
            return def;
    return std::nullopt;
}

bool Database::hasTable(std::string_view name) const { return findTableDef(name).has_value(); }

void Database::deleteTableDef(std::string_view name)
{
    if (!hasTable(name))
        throw Error("作業用データベースにテーブルがありません: " + std::string(name));
    Transaction tx(*this);
    exec("DROP TABLE " + quoteIdentifier(name));
    Statement stmt = prepare(db_, path_, std::string("DELETE FROM ") + kCatalogTable + " WHERE name = ?");
    bindValue(stmt.get(), 1, Value(std::string(name)));
    if (sqlite3_step(stmt.get()) != SQLITE_DONE)
        failSql(db_, path_, "テーブルを削除できません: " + std::string(name));
    tx.commit();
    catalogLoaded_ = false;
}

void Database::saveCatalogEntry(const TableDef& def, int ordinal)
{
    Statement stmt = prepare(db_, path_, std::string("INSERT INTO ") + kCatalogTable + " VALUES (?, ?, ?)");
    sqlite3_bind_int(stmt.get(), 1, ordinal);
    bindValue(stmt.get(), 2, Value(def.name));
    bindValue(stmt.get(), 3, Value(tableDefToJson(def)));
    if (sqlite3_step(stmt.get()) != SQLITE_DONE)
        failSql(db_, path_, "テーブルを作成できません: " + def.name);
}

void Database::createTableDef(const TableDef& def)
{
    if (def.name.empty() || def.name.rfind("__schemist", 0) == 0)
        throw Error("テーブル名が正しくありません: " + def.name);
    std::vector<std::string> primaryFields;
    for (const IndexDef& index : def.indexes)
        if (index.primary)
            for (const auto& member : indexMembers(index.fields))
                primaryFields.push_back(member.first);

    std::string sql = "CREATE TABLE " + quoteIdentifier(def.name) + " (";
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef& f = def.fields[i];
        bool notNull = std::find(primaryFields.begin(), primaryFields.end(), f.name) != primaryFields.end();
        sql += (i ? ", " : "") + columnSql(f, notNull);
    }
    sql += ")";

    Transaction tx(*this);
    exec(sql);
    for (const IndexDef& index : def.indexes) {
        std::string cols;
        for (const auto& [name, descending] : indexMembers(index.fields))
            cols += (cols.empty() ? "" : ", ") + quoteIdentifier(name) + (descending ? " DESC" : "");
        if (cols.empty())
            continue;
        // A non-unique index changes no result, only speed; the work store's
        // tables are read whole, so it stays in the catalog alone.
        if (!index.primary && !index.unique)
            continue;
        exec(std::string("CREATE UNIQUE INDEX ") +
             quoteIdentifier(def.name + "." + index.name) + " ON " + quoteIdentifier(def.name) + " (" + cols + ")");
    }
    Statement next = prepare(db_, path_, std::string("SELECT COALESCE(MAX(ordinal), 0) + 1 FROM ") + kCatalogTable);
    sqlite3_step(next.get());
    int ordinal = sqlite3_column_int(next.get(), 0);
    saveCatalogEntry(def, ordinal);
    tx.commit();
    catalogLoaded_ = false;
}

Recordset Database::openRecordset(std::string_view table)
{
    auto def = findTableDef(table);
    if (!def)
        throw Error("作業用データベースにテーブルがありません: " + std::string(table));
    return Recordset(*this, *def, "", {});
}

Recordset Database::openRecordset(std::string_view table, std::string_view whereColumn, const Value& equals,
                                  std::string_view orderBy, bool descending)
{
    auto def = findTableDef(table);
    if (!def)
        throw Error("作業用データベースにテーブルがありません: " + std::string(table));
    std::string clause;
    std::vector<Value> params;
    if (!whereColumn.empty()) {
        clause = " WHERE " + quoteIdentifier(whereColumn) + " = ?";
        params.push_back(equals);
    }
    if (!orderBy.empty())
        clause += " ORDER BY " + quoteIdentifier(orderBy) + (descending ? " DESC" : "");
    return Recordset(*this, *def, clause, std::move(params));
}

Recordset Database::openOrdered(std::string_view table, std::string_view orderBy, bool descending)
{
    return openRecordset(table, {}, Value(), orderBy, descending);
}

Recordset Database::openForAppend(std::string_view table)
{
    auto def = findTableDef(table);
    if (!def)
        throw Error("作業用データベースにテーブルがありません: " + std::string(table));
    Recordset rs(*this, *def, " WHERE 0", {});
    rs.appendOnly_ = true;
    return rs;
}

void Database::deleteAllRows(std::string_view table)
{
    if (!hasTable(table))
        throw Error("作業用データベースにテーブルがありません: " + std::string(table));
    exec("DELETE FROM " + quoteIdentifier(table));
}

Transaction Database::beginTransaction() { return Transaction(*this); }

void Database::setMaxPageCount(int pages)
{
    exec("PRAGMA max_page_count = " + std::to_string(pages));
}

// ---- Transaction ------------------------------------------------------------

Transaction::Transaction(Database& db) : db_(&db)
{
    // Nested use joins the transaction already open.
    if (sqlite3_get_autocommit(db.db_) != 0) {
        db.exec("BEGIN");
        open_ = true;
    }
}

Transaction::Transaction(Transaction&& other) noexcept : db_(other.db_), open_(std::exchange(other.open_, false)) {}

Transaction::~Transaction()
{
    if (open_ && db_->db_ != nullptr) {
        sqlite3_exec(db_->db_, "ROLLBACK", nullptr, nullptr, nullptr);
        db_->catalogLoaded_ = false;
    }
}

void Transaction::commit()
{
    if (!open_)
        return;
    open_ = false;
    if (sqlite3_exec(db_->db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        SqlFailure failure = lastFailure(db_->db_);
        // A full disk may already have rolled the transaction back.
        if (sqlite3_get_autocommit(db_->db_) == 0)
            sqlite3_exec(db_->db_, "ROLLBACK", nullptr, nullptr, nullptr);
        db_->catalogLoaded_ = false;
        failSql(failure, db_->path_, "作業用データベースに書き込めません");
    }
}

// ---- Recordset --------------------------------------------------------------

Recordset::Recordset(Database& db, const TableDef& def, std::string clause, std::vector<Value> params)
    : db_(&db), def_(def)
{
    std::string cols = "rowid";
    for (const FieldDef& f : def_.fields) {
        columns_.push_back(f.name);
        cols += ", " + quoteIdentifier(f.name);
    }
    std::string sql = "SELECT " + cols + " FROM " + quoteIdentifier(def_.name) + clause;
    if (clause.find("ORDER BY") == std::string::npos)
        sql += " ORDER BY rowid";
    Statement stmt = prepare(db.db_, db.path_, sql);
    for (std::size_t i = 0; i < params.size(); ++i)
        bindValue(stmt.get(), static_cast<int>(i + 1), params[i]);
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        rowids_.push_back(sqlite3_column_int64(stmt.get(), 0));
        std::vector<Value> row;
        row.reserve(def_.fields.size());
        for (std::size_t c = 0; c < def_.fields.size(); ++c)
            row.push_back(columnValue(stmt.get(), static_cast<int>(c + 1), def_.fields[c].type));
        rows_.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        failSql(db.db_, db.path_, "テーブルを読み込めません: " + def_.name);
}

void Recordset::moveNext()
{
    if (position_ < rows_.size())
        ++position_;
}

int Recordset::columnIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i] == name)
            return static_cast<int>(i);
    throw Error("テーブル " + def_.name + " にフィールド " + std::string(name) + " がありません");
}

const Value& Recordset::field(std::string_view name) const
{
    int column = columnIndex(name);
    if (mode_ != EditMode::None)
        return buffer_[static_cast<std::size_t>(column)];
    if (eof())
        throw Error("カレント レコードがありません: " + def_.name);
    return rows_[position_][static_cast<std::size_t>(column)];
}

void Recordset::addNew()
{
    buffer_.assign(columns_.size(), Value());
    mode_ = EditMode::Add;
}

void Recordset::edit()
{
    if (eof())
        throw Error("カレント レコードがありません: " + def_.name);
    buffer_ = rows_[position_];
    mode_ = EditMode::Edit;
}

namespace {

// Converts a value to the field's type as the engine would on assignment,
// refusing what does not fit (no silent wrapping of integers).
// The value is taken by value so that a text already of the right type is
// moved, not copied, into the row (the hot path of writing work tables).
Value coerce(const FieldDef& f, Value value, const std::string& table)
{
    if (value.isNull())
        return value;
    auto mismatch = [&] {
        return Error("テーブル " + table + " のフィールド " + f.name + " に値 \"" + value.toText() +
                     "\" を代入できません（型が一致しません）");
    };
    auto outOfRange = [&] {
        return Error("テーブル " + table + " のフィールド " + f.name + " の値 " + value.toText() +
                     " は範囲外です");
    };
    auto number = [&]() -> double {
        if (value.isText()) {
            const std::string& s = value.text();
            char* end = nullptr;
            double d = std::strtod(s.c_str(), &end);
            if (s.empty() || end == s.c_str() || *end != '\0' || !std::isfinite(d))
                throw mismatch();
            return d;
        }
        return value.isBool() ? (value.toBool() ? -1.0 : 0.0) : value.toDouble();
    };
    // Values of the field's own type need no conversion.
    const auto& st = value.storage();
    if ((f.type == dbBoolean && std::holds_alternative<bool>(st)) ||
        (f.type == dbLong && std::holds_alternative<std::int32_t>(st)))
        return value;
    switch (f.type) {
    case dbBoolean:
        if (value.isText()) {
            if (value.text() == "True" || value.text() == "true") return Value(true);
            if (value.text() == "False" || value.text() == "false") return Value(false);
        }
        return Value(number() != 0);
    case dbByte:
    case dbInteger:
    case dbLong: {
        double d = std::nearbyint(number());  // round half to even
        double lo = f.type == dbByte ? 0 : f.type == dbInteger ? -32768 : -2147483648.0;
        double hi = f.type == dbByte ? 255 : f.type == dbInteger ? 32767 : 2147483647.0;
        if (d < lo || d > hi)
            throw outOfRange();
        if (f.type == dbLong)
            return Value(static_cast<std::int32_t>(d));
        return Value(static_cast<std::int16_t>(d));
    }
    case dbCurrency: case dbSingle: case dbDouble: case dbDate:
        return Value(number());
    case dbText:
    case dbMemo: {
        if (!value.isText())
            value = Value(value.toText());
        const std::string& text = value.text();
        if (f.type == dbText) {
            std::size_t chars = 0;
            for (unsigned char c : text)
                if ((c & 0xC0) != 0x80) ++chars;
            if (chars > static_cast<std::size_t>(f.size > 0 ? f.size : 255))
                throw Error("テーブル " + table + " のフィールド " + f.name + " の値が長すぎます（" +
                            std::to_string(f.size) + " 文字まで）");
        }
        return value;
    }
    default:
        return Value(value.toText());
    }
}

}  // namespace

void Recordset::setField(std::string_view name, Value value)
{
    setField(columnIndex(name), std::move(value));
}

void Recordset::setField(int column, Value value)
{
    if (mode_ == EditMode::None)
        throw std::logic_error("setField outside AddNew/Edit");
    auto index = static_cast<std::size_t>(column);
    buffer_.at(index) = coerce(def_.fields[index], std::move(value), def_.name);
}

void Recordset::update()
{
    if (mode_ == EditMode::None)
        throw std::logic_error("update without AddNew/Edit");
    sqlite3* db = db_->db_;
    if (mode_ == EditMode::Add) {
        if (!insert_) {
            std::string cols, marks;
            for (std::size_t i = 0; i < columns_.size(); ++i) {
                cols += (i ? ", " : "") + quoteIdentifier(columns_[i]);
                marks += i ? ", ?" : "?";
            }
            std::string sql = "INSERT INTO " + quoteIdentifier(def_.name) + " (" + cols + ") VALUES (" + marks + ")";
            insert_ = std::shared_ptr<sqlite3_stmt>(prepare(db, db_->path_, sql).release(), StatementDeleter());
        }
        sqlite3_reset(insert_.get());
        for (std::size_t i = 0; i < buffer_.size(); ++i)
            bindValue(insert_.get(), static_cast<int>(i + 1), buffer_[i], true);
        int rc = sqlite3_step(insert_.get());
        sqlite3_reset(insert_.get());
        if (rc != SQLITE_DONE) {
            if ((rc & 0xFF) == SQLITE_CONSTRAINT)
                throw Error("テーブル " + def_.name + " に行を追加できません（キーの重複または値の制約違反）: " +
                            sqlite3_errmsg(db));
            failSql(db, db_->path_, "テーブル " + def_.name + " に行を追加できません");
        }
        // addNew() starts the next row from a fresh buffer. A recordset
        // opened only for adding keeps no copy of what it added.
        if (!appendOnly_) {
            rowids_.push_back(sqlite3_last_insert_rowid(db));
            rows_.push_back(std::move(buffer_));
        }
    } else {
        std::string sets;
        for (std::size_t i = 0; i < columns_.size(); ++i)
            sets += (i ? ", " : "") + quoteIdentifier(columns_[i]) + " = ?";
        Statement stmt = prepare(db, db_->path_, "UPDATE " + quoteIdentifier(def_.name) + " SET " + sets + " WHERE rowid = ?");
        for (std::size_t i = 0; i < buffer_.size(); ++i)
            bindValue(stmt.get(), static_cast<int>(i + 1), buffer_[i]);
        sqlite3_bind_int64(stmt.get(), static_cast<int>(buffer_.size() + 1), rowids_[position_]);
        int rc = sqlite3_step(stmt.get());
        if (rc != SQLITE_DONE) {
            if ((rc & 0xFF) == SQLITE_CONSTRAINT)
                throw Error("テーブル " + def_.name + " の行を更新できません（キーの重複または値の制約違反）: " +
                            sqlite3_errmsg(db));
            failSql(db, db_->path_, "テーブル " + def_.name + " の行を更新できません");
        }
        rows_[position_] = buffer_;
    }
    mode_ = EditMode::None;
}

}  // namespace schemist::dao
