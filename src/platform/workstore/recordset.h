// A recordset: a snapshot of a table's rows with a cursor, which adds and
// edits rows of its table through an edit buffer, converting each value to
// its field's type as it is set.
#pragma once

#include "platform/value.h"
#include "platform/workstore/table_def.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace schemist::dao {

class Database;
class Statement;

class Recordset {
public:
    bool eof() const { return position_ >= rows_.size(); }
    void moveFirst() { position_ = 0; }
    void moveNext();
    std::size_t recordCount() const { return rows_.size(); }

    // The current row's value of a field; throws Error when there is no
    // current row ("no current record") or no such field.
    const Value& field(std::string_view name) const;

    void addNew();
    void edit();
    void setField(std::string_view name, Value value);
    // By column position, in the table's field order.
    void setField(int column, Value value);
    void update();

    const std::vector<std::string>& fieldNames() const { return columns_; }

private:
    friend class Database;
    Recordset(Database& db, const TableDef& def, const std::string& clause, const std::vector<Value>& params);
    int columnIndex(std::string_view name) const;
    void insertBuffer();
    void updateCurrentRow();

    Database* db_;
    TableDef def_;
    std::vector<std::string> columns_;
    std::vector<std::vector<Value>> rows_;
    std::vector<std::int64_t> rowids_;
    std::size_t position_ = 0;
    enum class EditMode { None, Add, Edit } mode_ = EditMode::None;
    std::vector<Value> buffer_;
    std::weak_ptr<Statement> insert_;  // kept by the connection, for adding many rows
    bool appendOnly_ = false;
};

}  // namespace schemist::dao
