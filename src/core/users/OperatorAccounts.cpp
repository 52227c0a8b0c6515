#include "users/OperatorAccounts.h"

#include "data/Database.h"
#include "users/PasswordHash.h"

namespace kesvar {

QStringList OperatorAccounts::names() const
{
    return m_db.comboItems(QStringLiteral("SELECT UserID, UserName FROM T_User ORDER BY UserID"));
}

std::optional<QString> OperatorAccounts::passwordHash(const QString &name) const
{
    const RowSet rows = m_db.select(QStringLiteral("SELECT Password FROM T_User WHERE UserName = ?"), {name});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.value(0, 0).toString();
}

bool OperatorAccounts::setPassword(const QString &name, const QString &password)
{
    const QSqlQuery query = m_db.exec(QStringLiteral("UPDATE T_User SET Password = ? WHERE UserName = ?"),
                                      {PasswordHash::hash(password), name});
    return query.numRowsAffected() > 0;
}

} // namespace kesvar
