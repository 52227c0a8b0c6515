#include "bills/BillProduct.h"

#include "bills/BillLine.h"
#include "data/Database.h"
#include "data/Values.h"

namespace kesvar {

std::optional<double> BillProduct::listPrice(const QString &cjtype) const
{
    return BillLine::pricedByCount(cjtype) ? gprice : dprice;
}

std::optional<BillProduct> BillProducts::find(const Database &db, const QString &goodsCode)
{
    const RowSet rows = db.select(
        QStringLiteral("SELECT GoodsCode, GoodsName, GoodsUnit, goodscz, goodscd, Units, hxl, Gprice, Dprice,"
                       " goodstype, barcode, flag FROM T_Goods WHERE GoodsCode = ?"),
        {goodsCode});
    if (rows.isEmpty())
        return std::nullopt;
    BillProduct p;
    p.goodsCode = rows.value(0, 0).toString();
    p.goodsName = rows.value(0, 1).toString();
    p.goodsUnit = rows.value(0, 2).toString();
    p.goodsCz = rows.value(0, 3).toString();
    p.goodsCd = rows.value(0, 4).toString();
    p.units = rows.value(0, 5).toString();
    p.hxl = Values::optionalNumber(rows.value(0, 6));
    p.gprice = Values::optionalNumber(rows.value(0, 7));
    p.dprice = Values::optionalNumber(rows.value(0, 8));
    p.goodsType = rows.value(0, 9).toString();
    p.barcode = rows.value(0, 10).toString();
    p.disabled = rows.value(0, 11).toBool();
    return p;
}

} // namespace kesvar
