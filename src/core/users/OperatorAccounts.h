#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kesvar {

class Database;

// The operators of T_User as the login and the password change see them. Passwords are kept only
// as salted hashes (PasswordHash); a password as typed never reaches the database.
class OperatorAccounts
{
public:
    explicit OperatorAccounts(Database &db) : m_db(db) {}

    // Every operator's name, trimmed, in the order the operators were created.
    QStringList names() const;
    // The stored hash of the operator named exactly `name`, or nothing when there is no such operator.
    std::optional<QString> passwordHash(const QString &name) const;
    // Stores the hash of `password` for the operator named exactly `name`; false when there is none.
    bool setPassword(const QString &name, const QString &password);

private:
    Database &m_db;
};

} // namespace kesvar
