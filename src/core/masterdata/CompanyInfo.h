#pragma once

#include <QString>

namespace kesvar {

class Database;

struct Company
{
    QString company;
    QString contact;
    QString address;
    QString zip;
    QString tel;
    QString fax;
    QString email;
};

// The user's own company: the single row of T_Company.
class CompanyInfo
{
public:
    explicit CompanyInfo(Database &db) : m_db(db) {}

    // The stored row, or empty texts when the table is empty.
    Company load() const;
    // Stores every text trimmed; creates the row when the table is empty.
    void save(const Company &company);

private:
    Database &m_db;
};

} // namespace kesvar
