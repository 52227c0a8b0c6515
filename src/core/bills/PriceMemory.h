#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace kesvar {

class Database;
struct BillProduct;

// The last price per partner, product and bill type (T_momeryprice). The partner is the name as
// typed on the bill (empty for transfers and stock-takes), so a price remembered for a "销售出库"
// to a customer is proposed for the next one but not for a "销售退货".
namespace PriceMemory {

std::optional<double> lastPrice(const Database &db, const QString &partner, const QString &goodsCode,
                                const QString &billType);

// Creates or updates the one row of that key with the saved line price and the day of the save.
void RememberLinePrice(Database &db, const QString &partner, const QString &goodsCode, const QString &billType,
                       double price, const QDate &today);

// The price a new line starts with: the remembered price (to four decimals), else the product's
// list price for the line's basis.
double proposedPrice(const Database &db, const QString &partner, const BillProduct &product,
                     const QString &billType, const QString &cjtype);

} // namespace PriceMemory
} // namespace kesvar
