#include "masterdata/Dictionaries.h"

#include "data/Database.h"

namespace kesvar {

const std::vector<DictionaryKind> &Dictionaries::kinds()
{
    static const std::vector<DictionaryKind> all = {
        {QStringLiteral("unit"), QStringLiteral("数量单位")},   {QStringLiteral("worker"), QStringLiteral("业务员")},
        {QStringLiteral("SKtype"), QStringLiteral("收款方式")}, {QStringLiteral("Ystype"), QStringLiteral("运输方式")},
        {QStringLiteral("gz"), QStringLiteral("钢种")},         {QStringLiteral("FPtype"), QStringLiteral("发票类型")},
        {QStringLiteral("cz"), QStringLiteral("材质")},         {QStringLiteral("CD"), QStringLiteral("产地")},
    };
    return all;
}

QString Dictionaries::captionOf(const QString &typeCode)
{
    for (const DictionaryKind &kind : kinds())
        if (kind.typeCode == typeCode)
            return kind.caption;
    return {};
}

RowSet Dictionaries::list(const QString &typeCode) const
{
    return m_db.select(QStringLiteral("SELECT ID, Name FROM T_Other WHERE Type = ? ORDER BY ID"), {typeCode},
                       {QStringLiteral("ID"), QStringLiteral("Name")});
}

QStringList Dictionaries::names(const QString &typeCode) const
{
    return m_db.comboItems(QStringLiteral("SELECT ID, Name FROM T_Other WHERE Type = ? ORDER BY ID"), {typeCode});
}

int Dictionaries::add(const QString &typeCode, const QString &name)
{
    return m_db.scalar(QStringLiteral("INSERT INTO T_Other (Name, Type) VALUES (?, ?) RETURNING ID"),
                       {name.trimmed(), typeCode}).toInt();
}

void Dictionaries::rename(int id, const QString &typeCode, const QString &name)
{
    m_db.exec(QStringLiteral("UPDATE T_Other SET Name = ?, Type = ? WHERE ID = ?"), {name.trimmed(), typeCode, id});
}

void Dictionaries::remove(int id)
{
    m_db.exec(QStringLiteral("DELETE FROM T_Other WHERE ID = ?"), {id});
}

} // namespace kesvar
