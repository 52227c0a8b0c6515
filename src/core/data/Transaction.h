#pragma once

namespace kesvar {

class Database;

// A unit of work. The outermost one begins a transaction, nested ones a savepoint, so a failure
// inside can be undone without losing the outer work. Anything not committed is rolled back when
// the object goes out of scope, also when an exception passes through.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback();

private:
    Database &m_db;
    int m_level;
    bool m_open = true;
};

} // namespace kesvar
