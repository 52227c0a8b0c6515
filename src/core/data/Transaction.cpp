#include "data/Transaction.h"

#include "data/Database.h"

namespace kesvar {

Transaction::Transaction(Database &db)
    : m_db(db)
    , m_level(db.m_transactionDepth)
{
    m_db.exec(m_level == 0 ? m_db.dialect().beginTransaction() : SqlDialect::savepoint(m_level));
    ++m_db.m_transactionDepth;
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        rollback();
    } catch (...) {
        // The connection is already broken; the engine discards the open transaction itself.
    }
}

void Transaction::commit()
{
    if (!m_open)
        return;
    m_open = false;
    --m_db.m_transactionDepth;
    if (m_level > 0) {
        m_db.exec(SqlDialect::releaseSavepoint(m_level));
        return;
    }
    try {
        m_db.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        // A refused commit leaves the transaction open on some engines; end it so the connection
        // stays usable, then report the failure.
        try { m_db.exec(QStringLiteral("ROLLBACK")); } catch (...) {}
        throw;
    }
}

void Transaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    --m_db.m_transactionDepth;
    if (m_level == 0) {
        m_db.exec(QStringLiteral("ROLLBACK"));
    } else {
        m_db.exec(SqlDialect::rollbackToSavepoint(m_level));
        m_db.exec(SqlDialect::releaseSavepoint(m_level));
    }
}

} // namespace kesvar
