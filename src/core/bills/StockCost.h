#pragma once

#include <QString>

namespace kesvar {

class Database;

namespace StockCost {

// The product's average stock cost over all its movements (opening stock and every bill line):
// Σ cost price × priced quantity × sign / Σ priced quantity × sign, 0 when the divisor is 0 or the
// product never moved. Movements enter at their cost price, not their line price, so an earlier
// sale at a selling price leaves the cost of the remaining stock unchanged. A transfer's issue
// and receipt carry the same cost and cancel out.
double averageCost(const Database &db, const QString &goodsCode);

} // namespace StockCost
} // namespace kesvar
