#include "masterdata/Warehouses.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Transaction.h"

namespace kesvar {

const QString Warehouses::DictType = QStringLiteral("DepotName");

namespace {

RuleError noSuchWarehouse(const QString &name)
{
    return RuleError(QStringLiteral("仓库\"%1\"不存在!").arg(name));
}

} // namespace

RowSet Warehouses::list() const
{
    return m_db.select(QStringLiteral("SELECT ID, DictName FROM T_DepotName WHERE DictType = ? ORDER BY ID"),
                       {DictType}, {QStringLiteral("ID"), QStringLiteral("DictName")});
}

QStringList Warehouses::names() const
{
    return m_db.comboItems(QStringLiteral("SELECT ID, DictName FROM T_DepotName WHERE DictType = ? ORDER BY ID"),
                           {DictType});
}

int Warehouses::add(const QString &name)
{
    return m_db.scalar(QStringLiteral("INSERT INTO T_DepotName (DictName, DictType) VALUES (?, ?) RETURNING ID"),
                       {name.trimmed(), DictType}).toInt();
}

void Warehouses::rename(int id, const QString &newName)
{
    Transaction tx(m_db);
    const QVariant old = m_db.scalar(QStringLiteral("SELECT DictName FROM T_DepotName WHERE ID = ?"), {id});
    if (!old.isValid())
        throw noSuchWarehouse(QString::number(id));
    m_db.exec(QStringLiteral("UPDATE T_DepotName SET DictName = ?, DictType = ? WHERE ID = ?"),
              {newName.trimmed(), DictType, id});
    carryRename(old.toString(), newName.trimmed());
    tx.commit();
}

void Warehouses::rename(const QString &oldName, const QString &newName)
{
    Transaction tx(m_db);
    const QList<int> ids = idsOf(oldName);
    if (ids.isEmpty())
        throw noSuchWarehouse(oldName);
    m_db.exec(QStringLiteral("UPDATE T_DepotName SET DictName = ? WHERE DictName = ? AND DictType = ?"),
              {newName.trimmed(), oldName, DictType});
    carryRename(oldName, newName.trimmed());
    tx.commit();
}

void Warehouses::carryRename(const QString &oldName, const QString &newName)
{
    if (oldName == newName)
        return;
    m_db.exec(QStringLiteral("UPDATE T_DepotStart SET DepotName = ? WHERE DepotName = ?"), {newName, oldName});
    m_db.exec(QStringLiteral("UPDATE T_Bill SET DepotName = ? WHERE DepotName = ?"), {newName, oldName});
    // Only a transfer keeps a warehouse in CustName (its receiving side); other bills keep a
    // partner there, which may happen to carry the same name.
    m_db.exec(QStringLiteral("UPDATE T_Bill SET CustName = ? WHERE CustName = ? AND diaobo = TRUE"), {newName, oldName});
}

void Warehouses::remove(int id)
{
    m_db.exec(QStringLiteral("DELETE FROM T_DepotName WHERE ID = ?"), {id});
}

void Warehouses::remove(const QString &name)
{
    Transaction tx(m_db);
    if (idsOf(name).isEmpty())
        throw noSuchWarehouse(name);
    m_db.exec(QStringLiteral("DELETE FROM T_DepotName WHERE DictName = ? AND DictType = ?"), {name, DictType});
    tx.commit();
}

QList<int> Warehouses::idsOf(const QString &name) const
{
    QList<int> ids;
    const RowSet rows = m_db.select(QStringLiteral("SELECT ID FROM T_DepotName WHERE DictName = ? AND DictType = ?"),
                                    {name, DictType});
    for (int r = 0; r < rows.rowCount(); ++r)
        ids << rows.value(r, 0).toInt();
    return ids;
}

} // namespace kesvar
