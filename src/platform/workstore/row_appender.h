// RowAppender: adds many rows to one table through one prepared statement.
// Each row's values are borrowed from the caller as cells (no Value, no copy
// of a text per cell) and checked against the table's fields as a
// recordset's setField checks them, so a row that a recordset would refuse is
// refused here with the same message.
//
// Those checks are all the table's CHECK constraints ask (the ranges of its
// Boolean, Byte, Integer and Long fields), so SQLite is told to skip them
// while the appender lives; keys and required fields are still enforced by
// SQLite. A value equal to the one the row before had in the same field is
// not handed to SQLite again: rows of one table repeat most of their values.
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
    // destroyed (a later row's equal value is compared with them). Throws Error naming the table (and field) when a value
    // does not fit its field or a constraint refuses the row.
    void append(std::initializer_list<Cell> cells);

private:
    // Binds the cell unless the parameter holds it already.
    void bindCell(int column, const Cell& cell);
    void bindNew(int column, const Cell& cell);

    Database& db_;
    const TableDef& def_;
    std::shared_ptr<Statement> insert_;
    // What each parameter of the insert holds, when it is a cell of an
    // earlier row (a converted value is not kept here).
    std::vector<Cell> bound_;
    std::vector<bool> known_;
};

}  // namespace schemist::dao
