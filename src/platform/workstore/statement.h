// One prepared SQL statement of a work store connection: values bound as
// parameters, rows read as Values of the fields' types, finalized with the
// object. Used only inside the work store layer.
#pragma once

#include "platform/value.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace schemist::dao {

class Connection;

class Statement {
public:
    // Prepares the SQL; a failure throws Error with the general message.
    Statement(const Connection& connection, const std::string& sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    // `lasting`: the value outlives the statement's next step, so its text
    // need not be copied (the hot path of adding rows).
    void bind(int index, const Value& value, bool lasting = false);
    void bindInt64(int index, std::int64_t value);
    // A text that outlives the statement's next step (not copied).
    void bindText(int index, std::string_view text);

    // One step: true when it gave a row, false when the statement is done. A
    // failure resets the statement and throws Error introduced by `what`, or
    // by `whatOnConstraint` when a constraint refused the row and that text
    // is given.
    bool step(const std::string& what, const std::string& whatOnConstraint = {});
    // The same in two halves, so that a caller stepping once per row builds
    // its messages only when the step failed: SQLite's result code (kRow,
    // kDone or a failure), and the failure thrown as step() throws it.
    static constexpr int kRow = 100;   // SQLITE_ROW
    static constexpr int kDone = 101;  // SQLITE_DONE
    int stepCode();
    [[noreturn]] void fail(int code, const std::string& what, const std::string& whatOnConstraint = {});
    // Makes the statement ready to run again with new values.
    void reset();

    bool isNull(int column) const;
    std::int64_t int64At(int column) const;
    std::string textAt(int column) const;
    // The column's value as a field of this type holds it.
    Value valueAt(int column, std::int16_t fieldType) const;

private:
    const Connection* connection_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace schemist::dao
