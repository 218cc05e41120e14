// One SQLite connection to a work store file, and the translation of SQLite's
// failures into messages that name the file and the way out. Used only inside
// the work store layer.
#pragma once

#include "platform/error.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct sqlite3;

namespace schemist::dao {

class Statement;

class Connection {
public:
    // Opens the file, creating it when `create` is set; throws Error naming
    // the file when it cannot be opened.
    Connection(const std::string& path, bool create);
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&&) = delete;
    Connection(const Connection&) = delete;
    ~Connection();

    const std::string& path() const { return path_; }

    // Holds the file's lock for the life of the connection, or fails at once
    // ("in use") when another process holds it.
    void holdExclusively();
    // For shared connections: waits a little for another writer to finish.
    void waitForOtherWriters();

    // Runs SQL without results; a failure throws with the general message.
    void exec(const std::string& sql) const;
    // Runs SQL whose failure the caller handles; true when it succeeded.
    bool tryExec(const char* sql) const noexcept;

    bool inTransaction() const;
    std::int64_t lastInsertRowid() const;

    // The Error for the connection's last failure, introduced by `what`.
    Error lastError(const std::string& what) const;
    [[noreturn]] void fail(const std::string& what) const;
    bool lastFailureIsConstraint() const;
    std::string lastMessage() const;

    // A statement prepared once and kept for the life of the connection, for
    // SQL run again and again (adding rows). The connection finalizes it
    // before closing: a statement still alive would keep the file locked.
    std::shared_ptr<Statement> keptStatement(const std::string& sql) const;

    sqlite3* raw() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    std::string path_;
    mutable std::map<std::string, std::shared_ptr<Statement>> kept_;
};

// The general message of a failed read or write.
inline constexpr const char* kReadWriteFailed = "作業用データベースの読み書きに失敗しました";

}  // namespace schemist::dao
