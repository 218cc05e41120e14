// Recordsets read their rows at once, in rowid order unless asked otherwise,
// and write each added or edited row with one statement.
#include "platform/workstore/recordset.h"

#include "platform/error.h"
#include "platform/workstore/connection.h"
#include "platform/workstore/database.h"
#include "platform/workstore/statement.h"
#include "platform/workstore/table_sql.h"
#include "platform/workstore/value_conversion.h"

#include <stdexcept>

namespace schemist::dao {

Recordset::Recordset(Database& db, const TableDef& def, const std::string& clause, const std::vector<Value>& params)
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
    Statement stmt(db.connection(), sql);
    for (std::size_t i = 0; i < params.size(); ++i)
        stmt.bind(static_cast<int>(i + 1), params[i]);
    while (stmt.step("テーブルを読み込めません: " + def_.name)) {
        rowids_.push_back(stmt.int64At(0));
        std::vector<Value> row;
        row.reserve(def_.fields.size());
        for (std::size_t c = 0; c < def_.fields.size(); ++c)
            row.push_back(stmt.valueAt(static_cast<int>(c + 1), def_.fields[c].type));
        rows_.push_back(std::move(row));
    }
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

void Recordset::setField(std::string_view name, Value value)
{
    setField(columnIndex(name), std::move(value));
}

void Recordset::setField(int column, Value value)
{
    if (mode_ == EditMode::None)
        throw std::logic_error("setField outside AddNew/Edit");
    auto index = static_cast<std::size_t>(column);
    buffer_.at(index) = convertForField(def_.fields[index], std::move(value), def_.name);
}

void Recordset::update()
{
    if (mode_ == EditMode::None)
        throw std::logic_error("update without AddNew/Edit");
    if (mode_ == EditMode::Add)
        insertBuffer();
    else
        updateCurrentRow();
    mode_ = EditMode::None;
}

void Recordset::insertBuffer()
{
    const Connection& connection = db_->connection();
    std::shared_ptr<Statement> insert = insert_.lock();
    if (!insert) {
        std::string cols, marks;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            cols += (i ? ", " : "") + quoteIdentifier(columns_[i]);
            marks += i ? ", ?" : "?";
        }
        insert = connection.keptStatement("INSERT INTO " + quoteIdentifier(def_.name) + " (" + cols + ") VALUES (" + marks + ")");
        insert_ = insert;
    }
    insert->reset();
    for (std::size_t i = 0; i < buffer_.size(); ++i)
        insert->bind(static_cast<int>(i + 1), buffer_[i], true);
    if (int rc = insert->stepCode(); rc != Statement::kDone)
        insert->fail(rc, "テーブル " + def_.name + " に行を追加できません",
                     "テーブル " + def_.name + " に行を追加できません（キーの重複または値の制約違反）");
    insert->reset();
    // addNew() starts the next row from a fresh buffer. A recordset opened
    // only for adding keeps no copy of what it added.
    if (!appendOnly_) {
        rowids_.push_back(connection.lastInsertRowid());
        rows_.push_back(std::move(buffer_));
    }
}

void Recordset::updateCurrentRow()
{
    std::string sets;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        sets += (i ? ", " : "") + quoteIdentifier(columns_[i]) + " = ?";
    Statement stmt(db_->connection(), "UPDATE " + quoteIdentifier(def_.name) + " SET " + sets + " WHERE rowid = ?");
    for (std::size_t i = 0; i < buffer_.size(); ++i)
        stmt.bind(static_cast<int>(i + 1), buffer_[i]);
    stmt.bindInt64(static_cast<int>(buffer_.size() + 1), rowids_[position_]);
    stmt.step("テーブル " + def_.name + " の行を更新できません",
              "テーブル " + def_.name + " の行を更新できません（キーの重複または値の制約違反）");
    rows_[position_] = buffer_;
}

}  // namespace schemist::dao
