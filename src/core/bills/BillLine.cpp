#include "bills/BillLine.h"

#include "bills/BillProduct.h"
#include "data/Decimal.h"

namespace kesvar {

const QString BillLine::ByCount = QStringLiteral("数量");
const QString BillLine::ByWeight = QStringLiteral("重量");

BillLine BillLine::forProduct(const BillProduct &product)
{
    BillLine line;
    line.goodsCode = product.goodsCode;
    line.goodsName = product.goodsName;
    line.goodsUnit = product.goodsUnit;
    line.goodsCz = product.goodsCz;
    line.goodsCd = product.goodsCd;
    line.units = product.units;
    line.hxl = product.hxl;
    return line;
}

void BillLine::setNumber(double number)
{
    m_number = number;
    recompute();
}

void BillLine::setWeight(double weight)
{
    m_weight = weight;
    recompute();
}

void BillLine::setPrice(double price)
{
    m_price = price;
    recompute();
}

void BillLine::setCjtype(const QString &cjtype, const std::optional<BillProduct> &product)
{
    m_cjtype = cjtype;
    setPrice(product ? product->listPrice(cjtype).value_or(0) : 0);
}

void BillLine::setStoredValues(const QString &cjtype, double number, double weight, double price, double money)
{
    m_cjtype = cjtype;
    m_number = number;
    m_weight = weight;
    m_price = price;
    m_money = money;
}

double BillLine::amount() const
{
    return m_price * pricedQuantity();
}

std::optional<QString> BillLine::applyTheoreticalWeight()
{
    if (!hxl)
        return std::nullopt;
    if (*hxl == 0)
        return goodsName + QStringLiteral("没有定义理论换算值，不能进行数量到重量的转换");
    setWeight(m_number * *hxl);
    return std::nullopt;
}

std::optional<QString> BillLine::applyTheoreticalCount()
{
    if (!hxl)
        return std::nullopt;
    if (*hxl == 0)
        return goodsName + QStringLiteral("没有定义理论换算值，不能进行重量到数量的转换");
    setNumber(m_weight / *hxl);
    return std::nullopt;
}

void BillLine::roundForSave(int pricePlaces, int quantityPlaces, bool costFromStock)
{
    m_price = Decimal::round(m_price, pricePlaces);
    m_number = Decimal::round(m_number, quantityPlaces);
    m_weight = Decimal::round(m_weight, quantityPlaces);
    cbprice = costFromStock ? Decimal::round(cbprice, pricePlaces) : m_price;
    recompute();
}

} // namespace kesvar
