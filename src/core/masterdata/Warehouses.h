#pragma once

#include "data/RowSet.h"

#include <QString>
#include <QStringList>

namespace kesvar {

class Database;

// The warehouses (T_DepotName). Bills and opening stock refer to a warehouse by its name, so a
// rename is carried into them; adding or deleting one touches nothing else.
class Warehouses
{
public:
    explicit Warehouses(Database &db) : m_db(db) {}

    static const QString DictType; // "DepotName"

    // Columns ID, DictName, in the order they were added.
    RowSet list() const;
    QStringList names() const;

    // Names are stored trimmed; returns the new row's ID.
    int add(const QString &name);
    // Renames the row and, in one unit of work, the opening stock, the warehouse of every bill
    // and the receiving warehouse of transfer bills that named it.
    void rename(int id, const QString &newName);
    // Renames every warehouse row called `oldName`; RuleError when there is none.
    void rename(const QString &oldName, const QString &newName);
    void remove(int id);
    // Deletes every row called `name`; RuleError when there is none.
    void remove(const QString &name);

private:
    void carryRename(const QString &oldName, const QString &newName);
    QList<int> idsOf(const QString &name) const;

    Database &m_db;
};

} // namespace kesvar
