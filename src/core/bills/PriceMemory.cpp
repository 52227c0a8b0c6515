#include "bills/PriceMemory.h"

#include "bills/BillProduct.h"
#include "data/Database.h"
#include "data/Decimal.h"

namespace kesvar::PriceMemory {

std::optional<double> lastPrice(const Database &db, const QString &partner, const QString &goodsCode,
                                const QString &billType)
{
    const QVariant value = db.scalar(
        QStringLiteral("SELECT lastprice FROM T_momeryprice WHERE CustName = ? AND GoodsCode = ? AND Sort = ?"),
        {partner, goodsCode, billType});
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    return value.toDouble();
}

void RememberLinePrice(Database &db, const QString &partner, const QString &goodsCode, const QString &billType,
                       double price, const QDate &today)
{
    const QVariantList key{partner, goodsCode, billType};
    QSqlQuery update = db.exec(
        QStringLiteral("UPDATE T_momeryprice SET lastprice = ?, lastdate = ? WHERE CustName = ? AND GoodsCode = ?"
                       " AND Sort = ?"),
        QVariantList{price, today} + key);
    if (update.numRowsAffected() > 0)
        return;
    db.exec(QStringLiteral("INSERT INTO T_momeryprice (CustName, GoodsCode, Sort, lastprice, lastdate)"
                           " VALUES (?, ?, ?, ?, ?)"),
            key + QVariantList{price, today});
}

double proposedPrice(const Database &db, const QString &partner, const BillProduct &product,
                     const QString &billType, const QString &cjtype)
{
    if (const auto remembered = lastPrice(db, partner, product.goodsCode, billType))
        return Decimal::round(*remembered, 4);
    return product.listPrice(cjtype).value_or(0);
}

} // namespace kesvar::PriceMemory
