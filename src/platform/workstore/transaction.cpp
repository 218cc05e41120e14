// Transactions over the database's connection. Rolling back also forgets the
// table definitions read inside, since a rolled-back change of a definition
// never happened.
#include "platform/workstore/transaction.h"

#include "platform/workstore/connection.h"
#include "platform/workstore/database.h"

#include <utility>

namespace schemist::dao {

Transaction::Transaction(Database& db) : db_(&db)
{
    if (!db.connection().inTransaction()) {
        db.connection().exec("BEGIN");
        open_ = true;
    }
}

Transaction::Transaction(Transaction&& other) noexcept : db_(other.db_), open_(std::exchange(other.open_, false)) {}

Transaction::~Transaction()
{
    if (!open_ || !db_->state_)
        return;
    db_->connection().tryExec("ROLLBACK");
    db_->forgetCatalog();
}

void Transaction::commit()
{
    if (!open_)
        return;
    open_ = false;
    const Connection& connection = db_->connection();
    if (connection.tryExec("COMMIT"))
        return;
    // Taken before the rollback, which would replace SQLite's last error.
    Error failure = connection.lastError("作業用データベースに書き込めません");
    // A full disk may already have rolled the transaction back.
    if (connection.inTransaction())
        connection.tryExec("ROLLBACK");
    db_->forgetCatalog();
    throw failure;
}

}  // namespace schemist::dao
