#include "bills/BillLineFactory.h"

#include "bills/BillProduct.h"
#include "bills/BillTypes.h"
#include "bills/PriceMemory.h"
#include "bills/StockCost.h"

namespace kesvar::BillLineFactory {

BillLine newLine(const Database &db, const BillProduct &product, const QString &billType, const QString &partner,
                 const QString &cjtype)
{
    BillLine line = BillLine::forProduct(product);
    line.setCjtype(cjtype, product);
    line.setPrice(PriceMemory::proposedPrice(db, partner.trimmed(), product, billType, cjtype));
    const BillTypeInfo *type = BillTypes::find(billType);
    line.cbprice = type && type->costFromStock() ? StockCost::averageCost(db, product.goodsCode) : line.price();
    return line;
}

} // namespace kesvar::BillLineFactory
