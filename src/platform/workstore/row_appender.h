// RowAppender: adds many rows to one table through prepared statements.
// Each row's values are borrowed from the caller as cells (no Value, no copy
// of a text per cell) and checked against the table's fields as a
// recordset's setField checks them, so a row that a recordset would refuse is
// refused here with the same message.
//
// Those checks are all the table's CHECK constraints ask (the ranges of its
// Boolean, Byte, Integer and Long fields), so SQLite is told to skip them
// while the appender lives; keys and required fields are still enforced by
// SQLite. A table without keys can refuse no row that passed the checks, so
// its rows are written several to a statement; a table with keys gets one
// statement per row, and a duplicate is refused at once. A value equal to the
// one a parameter holds already is not handed to SQLite again.
#pragma once

#include "platform/workstore/table_def.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace schemist::dao {

class Database;
class Statement;

// One borrowed value of a row: Null, a Boolean, a whole number or a text.
class Cell {
public:
    enum class Kind : std::uint8_t { Null, Boolean, Number, Text };

    Cell() = default;  // Null
    Cell(bool b) : kind_(Kind::Boolean), number_(b ? 1 : 0) {}
    Cell(std::int32_t n) : kind_(Kind::Number), number_(n) {}
    Cell(std::string_view text) : kind_(Kind::Text), text_(text) {}
    Cell(const std::string& text) : Cell(std::string_view(text)) {}
    // Without this a literal would take the Boolean constructor.
    Cell(const char* text) : Cell(std::string_view(text)) {}
    Cell(const std::optional<std::string>& text) : kind_(text ? Kind::Text : Kind::Null)
    {
        if (text)
            text_ = *text;
    }
    Cell(const std::optional<bool>& b) : kind_(b ? Kind::Boolean : Kind::Null), number_(b && *b ? 1 : 0) {}

    Kind kind() const { return kind_; }
    std::int64_t number() const { return number_; }
    std::string_view text() const { return text_; }

    bool operator==(const Cell& other) const
    {
        return kind_ == other.kind_ && number_ == other.number_ && text_ == other.text_;
    }

private:
    Kind kind_ = Kind::Null;
    std::int64_t number_ = 0;
    std::string_view text_;
};

class RowAppender {
public:
    // The table must exist (Error naming it otherwise).
    RowAppender(Database& db, std::string_view table);
    ~RowAppender();
    RowAppender(const RowAppender&) = delete;
    RowAppender& operator=(const RowAppender&) = delete;

    // Adds one row, its cells in the table's field order (missing trailing
    // cells are Null). The cells' texts are borrowed until the appender is
    // destroyed. Throws Error naming the table (and field) when a value does
    // not fit its field or a constraint refuses the row; a refused row is
    // left out and the appender stays usable.
    void append(std::initializer_list<Cell> cells);
    // Writes the rows still waiting for their statement. Rows appended after
    // the last finish() of an appender are not all written, and a failure to
    // write drops the rows that were waiting (the caller rolls back).
    void finish();

private:
    class Parameters;

    // A checked cell, and where its converted value is when it went through
    // the recordset's conversion.
    struct Binding {
        Cell cell;
        int converted = -1;  // index into converted_
    };

    Binding checked(int column, const Cell& cell);
    void write(Statement& statement, Parameters& parameters, std::size_t rows);
    void writeWaiting(Statement& statement, Parameters& parameters, std::size_t rows);
    void dropWaiting();

    Database& db_;
    const TableDef& def_;
    std::size_t rowsPerStatement_ = 1;
    // The rows waiting, their fields one after another.
    std::vector<Binding> waiting_;
    std::vector<Value> converted_;
    // The statement of a full batch (one row for a table with keys), the
    // appender's own, and what its parameters hold.
    std::unique_ptr<Statement> batchInsert_;
    std::unique_ptr<Parameters> batchParameters_;
};

}  // namespace schemist::dao
