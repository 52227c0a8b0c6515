#pragma once

#include "users/AuthorityFlags.h"

#include <QString>

namespace kesvar {

class Database;

// Reads an operator's T_UserAuthority rows into AuthorityFlags at login. Each row sets the flag of
// the authority item with its Code, so a missing or extra row can never hand one item's permission
// to another; positions without a row stay denied, and an operator without rows may do nothing
// that is governed.
class AuthorityLoader
{
public:
    explicit AuthorityLoader(Database &db) : m_db(db) {}

    AuthorityFlags load(const QString &operatorName) const;

private:
    Database &m_db;
};

} // namespace kesvar
