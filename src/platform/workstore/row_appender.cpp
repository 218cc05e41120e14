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

#include <stdexcept>

namespace schemist::dao {
namespace {

std::string insertSql(const TableDef& def)
{
    std::string cols, marks;
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        cols += (i ? ", " : "") + quoteIdentifier(def.fields[i].name);
        marks += i ? ", ?" : "?";
    }
    return "INSERT INTO " + quoteIdentifier(def.name) + " (" + cols + ") VALUES (" + marks + ")";
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

RowAppender::RowAppender(Database& db, std::string_view table)
    : db_(db),
      def_(db.requireTable(table)),
      insert_(db.connection().keptStatement(insertSql(def_))),
      bound_(def_.fields.size()),
      known_(def_.fields.size(), false)
{
    insert_->reset();
    db_.connection().exec("PRAGMA ignore_check_constraints=ON");
}

RowAppender::~RowAppender()
{
    // Other writers of the connection (recordsets) rely on the constraints.
    db_.connection().tryExec("PRAGMA ignore_check_constraints=OFF");
}

void RowAppender::bindCell(int column, const Cell& cell)
{
    auto at = static_cast<std::size_t>(column);
    if (known_[at] && bound_[at] == cell)
        return;
    // A refused value leaves the parameter as it was, and must be refused
    // again when the next row brings it.
    known_[at] = false;
    bindNew(column, cell);
    bound_[at] = cell;
    known_[at] = true;
}

void RowAppender::bindNew(int column, const Cell& cell)
{
    const FieldDef& field = def_.fields[static_cast<std::size_t>(column)];
    switch (cell.kind()) {
    case Cell::Kind::Null:
        insert_->bind(column + 1, Value());
        return;
    case Cell::Kind::Boolean:
        if (field.type == dbBoolean) {
            insert_->bindInt64(column + 1, cell.number() != 0 ? -1 : 0);
            return;
        }
        break;
    case Cell::Kind::Number:
        if (field.type == dbLong && fitsLong(cell.number())) {
            insert_->bindInt64(column + 1, cell.number());
            return;
        }
        break;
    case Cell::Kind::Text: {
        std::size_t limit = static_cast<std::size_t>(field.size > 0 ? field.size : 255);
        // A text of no more bytes than the limit has no more characters.
        if (field.type == dbMemo || (field.type == dbText && (cell.text().size() <= limit ||
                                                              characterCount(cell.text()) <= limit))) {
            insert_->bindText(column + 1, cell.text());
            return;
        }
        break;
    }
    }
    // Everything else is converted (and refused) as a recordset would; SQLite
    // keeps its own copy of the converted value.
    insert_->bind(column + 1, convertForField(field, valueOf(cell), def_.name));
}

void RowAppender::append(std::initializer_list<Cell> cells)
{
    if (cells.size() > def_.fields.size())
        throw std::logic_error("more cells than fields in " + def_.name);
    int column = 0;
    for (const Cell& cell : cells)
        bindCell(column++, cell);
    for (; column < static_cast<int>(def_.fields.size()); ++column)
        bindCell(column, Cell());
    int rc = insert_->stepCode();
    if (rc != Statement::kDone)
        insert_->fail(rc, "テーブル " + def_.name + " に行を追加できません",
                      "テーブル " + def_.name + " に行を追加できません（キーの重複または値の制約違反）");
    insert_->reset();
}

}  // namespace schemist::dao
