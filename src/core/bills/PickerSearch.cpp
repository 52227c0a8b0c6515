#include "bills/PickerSearch.h"

#include "data/Database.h"
#include "data/Schema.h"

namespace kesvar::PickerSearch {

namespace {

QStringList columnNames(const QString &table)
{
    QStringList names;
    for (const ColumnDef &c : Schema::table(table)->columns)
        names << c.name;
    return names;
}

// Criteria joined with AND, each with its bound value.
class Conditions
{
public:
    explicit Conditions(const Database &db) : m_db(db) {}
    void contains(const QString &column, const QString &text)
    {
        if (text.isEmpty())
            return;
        m_parts << QStringLiteral("%1 %2 ?%3").arg(column, m_db.dialect().likeOperator(), m_db.dialect().likeEscape());
        m_params << containsPattern(text);
    }
    void equals(const QString &column, const QString &text)
    {
        if (text.isEmpty())
            return;
        m_parts << column + QStringLiteral(" = ?");
        m_params << text;
    }
    void literal(const QString &condition) { m_parts << condition; }
    // Discontinued rows only, or current ones (a flag never set counts as current).
    void discontinued(bool disabled)
    {
        literal(disabled ? QStringLiteral("flag = TRUE") : QStringLiteral("(flag = FALSE OR flag IS NULL)"));
    }
    RowSet select(const QString &table, const QString &orderBy) const
    {
        const QStringList names = columnNames(table);
        return m_db.select(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %4")
                               .arg(names.join(QStringLiteral(", ")), table, m_parts.join(QStringLiteral(" AND ")), orderBy),
                           m_params, names);
    }

private:
    const Database &m_db;
    QStringList m_parts;
    QVariantList m_params;
};

} // namespace

RowSet products(const Database &db, const ProductCriteria &c)
{
    Conditions where(db);
    where.contains(QStringLiteral("GoodsCode"), c.code);
    where.equals(QStringLiteral("goodstype"), c.grade);
    where.contains(QStringLiteral("barcode"), c.quickCode);
    where.contains(QStringLiteral("GoodsUnit"), c.spec);
    where.equals(QStringLiteral("goodscz"), c.material);
    where.equals(QStringLiteral("goodscd"), c.origin);
    where.contains(QStringLiteral("GoodsName"), c.name);
    where.discontinued(c.disabled);
    return where.select(QStringLiteral("T_Goods"), QStringLiteral("GoodsID DESC"));
}

RowSet currentProducts(const Database &db)
{
    return products(db, {});
}

RowSet partners(const Database &db, const PartnerCriteria &c)
{
    Conditions where(db);
    where.contains(QStringLiteral("CustCode"), c.code);
    where.equals(QStringLiteral("barCode"), c.quickCode);
    where.equals(QStringLiteral("CustName"), c.name);
    where.equals(QStringLiteral("Contact"), c.contact);
    where.equals(QStringLiteral("Tel"), c.tel);
    switch (c.kind) {
    case PartnerKind::Suppliers: where.literal(QStringLiteral("gys = TRUE")); break;
    case PartnerKind::Customers: where.literal(QStringLiteral("kh = TRUE")); break;
    case PartnerKind::SuppliersOrCustomers: where.literal(QStringLiteral("(gys = TRUE OR kh = TRUE)")); break;
    case PartnerKind::Any: break;
    }
    where.discontinued(c.disabled);
    return where.select(QStringLiteral("T_Custom"), QStringLiteral("CustCode"));
}

RowSet allPartners(const Database &db)
{
    const QStringList names = columnNames(QStringLiteral("T_Custom"));
    return db.select(QStringLiteral("SELECT %1 FROM T_Custom ORDER BY CustID").arg(names.join(QStringLiteral(", "))), {},
                     names);
}

RowSet currentPartners(const Database &db)
{
    return partners(db, {});
}

QStringList dictionary(const Database &db, const QString &type)
{
    return db.comboItems(QStringLiteral("SELECT * FROM T_Other WHERE Type = ? ORDER BY ID"), {type});
}

QStringList warehouses(const Database &db)
{
    return db.comboItems(QStringLiteral("SELECT * FROM T_DepotName WHERE DictType = 'DepotName' ORDER BY ID"));
}

} // namespace kesvar::PickerSearch
