#include "bills/StockCost.h"

#include "data/Database.h"

namespace kesvar::StockCost {

double averageCost(const Database &db, const QString &goodsCode)
{
    const QVariant value = db.scalar(QStringLiteral(
        "SELECT CASE WHEN ABS(SUM(q * sign)) < 0.000000001 THEN 0 ELSE SUM(c * q * sign) / SUM(q * sign) END"
        " FROM (SELECT COALESCE(cbPrice, 0) AS c, sign,"
        " COALESCE(CASE WHEN cjtype = '数量' THEN number ELSE weight END, 0) AS q"
        " FROM S_StartDetail WHERE goodscode = ?) m"),
        {goodsCode});
    return value.isNull() ? 0.0 : value.toDouble();
}

} // namespace kesvar::StockCost
