// Opening SQLite connections for the work store and explaining their
// failures: a lock held elsewhere, a damaged or foreign file, a full disk or
// an unwritable folder each get their own message.
#include "platform/workstore/connection.h"

#include "platform/workstore/statement.h"

#include <sqlite3.h>

#include <cerrno>
#include <utility>

namespace schemist::dao {

// A connection is only ever used by one thread at a time (the registry
// allows one exclusive connection per store), so SQLite's own locking of
// every call is left out.
Connection::Connection(const std::string& path, bool create) : path_(path)
{
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string detail = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw Error("作業用データベースを開けません: " + path + ": " + detail);
    }
    sqlite3_extended_result_codes(db_, 1);
}

Connection::Connection(Connection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), path_(std::move(other.path_))
{
}

Connection::~Connection()
{
    kept_.clear();
    if (db_ != nullptr)
        sqlite3_close_v2(db_);
}

std::shared_ptr<Statement> Connection::keptStatement(const std::string& sql) const
{
    std::shared_ptr<Statement>& kept = kept_[sql];
    if (!kept)
        kept = std::make_shared<Statement>(*this, sql);
    return kept;
}

void Connection::holdExclusively()
{
    sqlite3_busy_timeout(db_, 0);
    if (sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE; PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA secure_delete=OFF; PRAGMA wal_autocheckpoint=10000; PRAGMA cache_size=-512; BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("作業用データベースを開けません");
}

void Connection::waitForOtherWriters() { sqlite3_busy_timeout(db_, 2000); }

void Connection::exec(const std::string& sql) const
{
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(kReadWriteFailed);
}

bool Connection::tryExec(const char* sql) const noexcept
{
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool Connection::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

std::int64_t Connection::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

bool Connection::lastFailureIsConstraint() const
{
    return (sqlite3_extended_errcode(db_) & 0xFF) == SQLITE_CONSTRAINT;
}

std::string Connection::lastMessage() const { return sqlite3_errmsg(db_); }

Error Connection::lastError(const std::string& what) const
{
    int code = sqlite3_extended_errcode(db_) & 0xFF;
    std::string detail = sqlite3_errmsg(db_);
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        return Error("作業用データベースは他のプログラムが使用中です: " + path_);
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        return Error("作業用データベースが壊れているか、作業用データベースではありません: " + path_ +
                     "（「初期データ作成」または schemist-cli --init で作り直してください）");
    if (code == SQLITE_FULL || (code == SQLITE_IOERR && sqlite3_system_errno(db_) == ENOSPC))
        return Error("ディスクの空きが足りないため作業用データベースに書き込めません: " + path_);
    if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN || code == SQLITE_PERM || code == SQLITE_IOERR)
        return Error("作業用データベースに書き込めません: " + path_ + ": " + detail);
    if (code == SQLITE_CONSTRAINT)
        return Error(what + ": " + detail);
    return Error(what + ": " + path_ + ": " + detail);
}

void Connection::fail(const std::string& what) const { throw lastError(what); }

}  // namespace schemist::dao
