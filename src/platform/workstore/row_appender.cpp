// Adding rows without a recordset: values of the field's own type are bound
// as they are (after the same range and length checks); any other value goes
// through the recordset's conversion.
#include "platform/workstore/row_appender.h"

#include "platform/error.h"
#include "platform/workstore/connection.h"
#include "platform/workstore/database.h"
#include "platform/workstore/statement.h"
#include "platform/workstore/table_sql.h"
#include "platform/workstore/value_conversion.h"

#include <algorithm>
#include <stdexcept>

namespace schemist::dao {
namespace {

// Rows per statement for a table without keys: enough that a statement's own
// cost is spread thin, few enough that the parameters stay far below
// SQLite's limit.
constexpr std::size_t kRowsPerStatement = 32;
constexpr std::size_t kParametersPerStatement = 900;

std::string insertSql(const TableDef& def, std::size_t rows)
{
    std::string cols, marks;
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        cols += (i ? ", " : "") + quoteIdentifier(def.fields[i].name);
        marks += i ? ", ?" : "(?";
    }
    marks += ")";
    std::string sql = "INSERT INTO " + quoteIdentifier(def.name) + " (" + cols + ") VALUES " + marks;
    for (std::size_t row = 1; row < rows; ++row)
        sql += ", " + marks;
    return sql;
}

bool hasKeys(const TableDef& def)
{
    return std::any_of(def.indexes.begin(), def.indexes.end(),
                       [](const IndexDef& index) { return index.primary || index.unique; });
}

bool fitsLong(std::int64_t n) { return n >= -2147483648LL && n <= 2147483647LL; }

std::size_t characterCount(std::string_view utf8)
{
    std::size_t chars = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++chars;
    return chars;
}

Value valueOf(const Cell& cell)
{
    switch (cell.kind()) {
    case Cell::Kind::Null: return Value();
    case Cell::Kind::Boolean: return Value(cell.number() != 0);
    case Cell::Kind::Number: return Value(static_cast<std::int32_t>(cell.number()));
    case Cell::Kind::Text: return Value(std::string(cell.text()));
    }
    return Value();
}

}  // namespace

// What each parameter of one statement holds, as the cell it was bound from
// (the same cell gives the same value, converted or not).
class RowAppender::Parameters {
public:
    explicit Parameters(std::size_t count) : cells_(count), known_(count, 0) {}

    bool holds(std::size_t index, const Cell& cell) const { return known_[index] && cells_[index] == cell; }
    void forget(std::size_t index) { known_[index] = 0; }
    void remember(std::size_t index, const Cell& cell)
    {
        cells_[index] = cell;
        known_[index] = 1;
    }

private:
    std::vector<Cell> cells_;
    std::vector<char> known_;
};

RowAppender::RowAppender(Database& db, std::string_view table) : db_(db), def_(db.requireTable(table))
{
    std::size_t fields = std::max<std::size_t>(def_.fields.size(), 1);
    if (!hasKeys(def_))
        rowsPerStatement_ = std::clamp<std::size_t>(kParametersPerStatement / fields, 1, kRowsPerStatement);
    waiting_.reserve(rowsPerStatement_ * def_.fields.size());
    db_.connection().exec("PRAGMA ignore_check_constraints=ON");
}

RowAppender::~RowAppender()
{
    // Other writers of the connection (recordsets) rely on the constraints.
    db_.connection().tryExec("PRAGMA ignore_check_constraints=OFF");
}

RowAppender::Binding RowAppender::checked(int column, const Cell& cell)
{
    const FieldDef& field = def_.fields[static_cast<std::size_t>(column)];
    switch (cell.kind()) {
    case Cell::Kind::Null:
        return {cell};
    case Cell::Kind::Boolean:
        if (field.type == dbBoolean)
            return {cell};
        break;
    case Cell::Kind::Number:
        if (field.type == dbLong && fitsLong(cell.number()))
            return {cell};
        break;
    case Cell::Kind::Text: {
        std::size_t limit = static_cast<std::size_t>(field.size > 0 ? field.size : 255);
        // A text of no more bytes than the limit has no more characters.
        if (field.type == dbMemo || (field.type == dbText && (cell.text().size() <= limit ||
                                                              characterCount(cell.text()) <= limit)))
            return {cell};
        break;
    }
    }
    // Everything else is converted (and refused) as a recordset would.
    converted_.push_back(convertForField(field, valueOf(cell), def_.name));
    return {cell, static_cast<int>(converted_.size()) - 1};
}

void RowAppender::write(Statement& statement, Parameters& parameters, std::size_t rows)
{
    std::size_t count = rows * def_.fields.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Binding& b = waiting_[i];
        if (parameters.holds(i, b.cell))
            continue;
        // A failed bind leaves the parameter unknown, never wrongly known.
        parameters.forget(i);
        int index = static_cast<int>(i) + 1;
        if (b.converted >= 0)
            statement.bind(index, converted_[static_cast<std::size_t>(b.converted)]);  // SQLite keeps a copy
        else if (b.cell.kind() == Cell::Kind::Null)
            statement.bind(index, Value());
        else if (b.cell.kind() == Cell::Kind::Boolean)
            statement.bindInt64(index, b.cell.number() != 0 ? -1 : 0);
        else if (b.cell.kind() == Cell::Kind::Number)
            statement.bindInt64(index, b.cell.number());
        else
            statement.bindText(index, b.cell.text());
        parameters.remember(i, b.cell);
    }
    int rc = statement.stepCode();
    if (rc != Statement::kDone)
        statement.fail(rc, "テーブル " + def_.name + " に行を追加できません",
                       "テーブル " + def_.name + " に行を追加できません（キーの重複または値の制約違反）");
    statement.reset();
}

void RowAppender::append(std::initializer_list<Cell> cells)
{
    if (cells.size() > def_.fields.size())
        throw std::logic_error("more cells than fields in " + def_.name);
    std::size_t start = waiting_.size();
    try {
        int column = 0;
        for (const Cell& cell : cells)
            waiting_.push_back(checked(column++, cell));
        for (; column < static_cast<int>(def_.fields.size()); ++column)
            waiting_.push_back(checked(column, Cell()));
    } catch (...) {
        waiting_.resize(start);  // its converted values are dropped with the next batch
        throw;
    }
    if (waiting_.size() == rowsPerStatement_ * def_.fields.size()) {
        if (!batchInsert_) {
            batchInsert_ = std::make_unique<Statement>(db_.connection(), insertSql(def_, rowsPerStatement_));
            batchParameters_ = std::make_unique<Parameters>(waiting_.size());
        }
        writeWaiting(*batchInsert_, *batchParameters_, rowsPerStatement_);
    }
}

void RowAppender::finish()
{
    std::size_t rows = def_.fields.empty() ? 0 : waiting_.size() / def_.fields.size();
    if (rows == 0)
        return;
    // The rest of a batch: a statement for as many rows, used once.
    Statement insert(db_.connection(), insertSql(def_, rows));
    Parameters parameters(waiting_.size());
    writeWaiting(insert, parameters, rows);
}

void RowAppender::writeWaiting(Statement& statement, Parameters& parameters, std::size_t rows)
{
    // Written or refused, the rows stop waiting (the caller rolls back).
    try {
        write(statement, parameters, rows);
    } catch (...) {
        dropWaiting();
        throw;
    }
    dropWaiting();
}

void RowAppender::dropWaiting()
{
    waiting_.clear();
    converted_.clear();
}

}  // namespace schemist::dao
