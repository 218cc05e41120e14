// A transaction of the work store, rolled back unless committed. Writes that
// belong together run in one, so that a failure leaves the tables as they
// were.
#pragma once

namespace schemist::dao {

class Database;

class Transaction {
public:
    // Begins a transaction; inside one already open, joins it (the outer
    // transaction decides).
    explicit Transaction(Database& db);
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    ~Transaction();
    // A failed commit rolls back and throws the commit's own failure.
    void commit();

private:
    Database* db_;
    bool open_ = false;
};

}  // namespace schemist::dao
