#include "masterdata/MasterCodes.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/SqlDialect.h"

#include <QSqlQuery>

namespace kesvar {

MasterCodes::MasterCodes(Database &db, QString table, QString codeColumn, QString missingMessage)
    : m_db(db)
    , m_table(std::move(table))
    , m_column(std::move(codeColumn))
    , m_missingMessage(std::move(missingMessage))
{
}

bool MasterCodes::taken(const QString &code, const QString &except) const
{
    QString sql = QStringLiteral("SELECT 1 FROM %1 WHERE %2 %3 ?%4")
                      .arg(m_table, m_column, m_db.dialect().likeOperator(), m_db.dialect().likeEscape());
    QVariantList params = {escapeLike(code.trimmed())};
    if (!except.isEmpty()) {
        sql += QStringLiteral(" AND %1 <> ?").arg(m_column);
        params << except.trimmed();
    }
    return m_db.hasRows(sql, params);
}

void MasterCodes::requireExisting(const QString &code) const
{
    if (!m_db.hasRows(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(m_table, m_column), {code.trimmed()}))
        throw RuleError(m_missingMessage.arg(code));
}

void MasterCodes::requireUpdated(const QSqlQuery &update, const QString &code) const
{
    if (update.numRowsAffected() < 1)
        throw DbError(QStringLiteral("%1: no row with %2 '%3'").arg(m_table, m_column, code));
}

void MasterCodes::setDisabled(const QString &code, bool disabled)
{
    requireExisting(code);
    m_db.exec(QStringLiteral("UPDATE %1 SET flag = ? WHERE %2 = ?").arg(m_table, m_column), {disabled, code.trimmed()});
}

void MasterCodes::remove(const QString &code)
{
    requireExisting(code);
    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_table, m_column), {code.trimmed()});
}

} // namespace kesvar
