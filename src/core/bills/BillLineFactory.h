#pragma once

#include "bills/BillLine.h"

namespace kesvar {

class Database;
struct BillProduct;

// Turns a picked product into a new line of a bill, as the product picker adds it: product values
// copied, basis "数量", the proposed price (remembered for this partner and type, else the list
// price) and the cost price (the stock average for a sales delivery, else the price).
namespace BillLineFactory {

BillLine newLine(const Database &db, const BillProduct &product, const QString &billType, const QString &partner,
                 const QString &cjtype = BillLine::ByCount);

} // namespace BillLineFactory
} // namespace kesvar
