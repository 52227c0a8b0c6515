#pragma once

#include <QDate>

namespace kesvar {

class Database;

// A small steel trading company to try the program with: warehouses, the eight dictionaries,
// products with opening stock, suppliers and customers, and bills of every type over the last
// three months, entered through the ordinary bill save. The same data every time for a given day.
class DemoCompany
{
public:
    explicit DemoCompany(Database &db) : m_db(db) {}

    // Fills a freshly initialised database in one transaction.
    void fill(const QDate &today = QDate::currentDate());

private:
    void addMasterData();
    void addBills(const QDate &today);

    Database &m_db;
};

} // namespace kesvar
