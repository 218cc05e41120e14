// Prepared statements over the connection's raw handle. Failures are turned
// into the connection's messages at once, while SQLite still holds the
// failure's code and text.
#include "platform/workstore/statement.h"

#include "platform/workstore/connection.h"
#include "platform/workstore/value_conversion.h"

#include <sqlite3.h>

#include <utility>

static_assert(schemist::dao::Statement::kRow == SQLITE_ROW && schemist::dao::Statement::kDone == SQLITE_DONE);

namespace schemist::dao {

Statement::Statement(const Connection& connection, const std::string& sql) : connection_(&connection)
{
    if (sqlite3_prepare_v2(connection.raw(), sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        connection.fail(kReadWriteFailed);
}

Statement::Statement(Statement&& other) noexcept
    : connection_(other.connection_), stmt_(std::exchange(other.stmt_, nullptr))
{
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::bind(int index, const Value& value, bool lasting) { bindValue(stmt_, index, value, lasting); }

void Statement::bindInt64(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::bindText(int index, std::string_view text)
{
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

bool Statement::step(const std::string& what, const std::string& whatOnConstraint)
{
    int rc = stepCode();
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(rc, what, whatOnConstraint);
}

int Statement::stepCode() { return sqlite3_step(stmt_); }

void Statement::fail(int code, const std::string& what, const std::string& whatOnConstraint)
{
    // Resetting keeps the failure's code and message on the connection and
    // ends the statement's part in any transaction.
    sqlite3_reset(stmt_);
    if (!whatOnConstraint.empty() && (code & 0xFF) == SQLITE_CONSTRAINT)
        throw Error(whatOnConstraint + ": " + connection_->lastMessage());
    connection_->fail(what);
}

void Statement::reset() { sqlite3_reset(stmt_); }

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::int64_t Statement::int64At(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::textAt(int column) const
{
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    if (text == nullptr)
        return {};
    return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

Value Statement::valueAt(int column, std::int16_t fieldType) const { return columnValue(stmt_, column, fieldType); }

}  // namespace schemist::dao
