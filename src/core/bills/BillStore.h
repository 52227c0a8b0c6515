#pragma once

#include "bills/Bill.h"

#include <QStringList>
#include <optional>

namespace kesvar {

class Database;

// Reads saved bills.
class BillStore
{
public:
    explicit BillStore(const Database &db) : m_db(db) {}

    // The bill with its lines in entry order, or nothing.
    std::optional<Bill> load(const QString &billCode) const;
    QList<BillLine> lines(const QString &billCode) const;
    // The codes of a type's bills, oldest first (by date, then number): what the bill window browses.
    QStringList codesOfType(const QString &billType) const;
    bool exists(const QString &billCode) const;

private:
    const Database &m_db;
};

} // namespace kesvar
