#pragma once

#include <QString>
#include <optional>

namespace kesvar {

struct BillProduct;

// One bill line (T_BillDetail). The amount follows the pricing basis: price × count when the basis
// is exactly "数量", price × weight otherwise; the setters keep `money` to that rule, as every edit
// of a count, weight, price or basis must.
class BillLine
{
public:
    static const QString ByCount;  // "数量"
    static const QString ByWeight; // "重量"
    static bool pricedByCount(const QString &cjtype) { return cjtype == ByCount; }

    // A new line for a product: code, name, specification, material, origin, unit and ratio copied.
    static BillLine forProduct(const BillProduct &product);

    int id = 0; // BillDetailID; 0 for a line not saved yet
    QString goodsCode;
    QString goodsName;
    QString goodsUnit;
    QString goodsCz;
    QString goodsCd;
    QString units;
    std::optional<double> hxl;
    QString memo;
    double cbprice = 0;
    int fFlag = 0; // carried through, never set by bill logic

    const QString &cjtype() const { return m_cjtype; }
    double number() const { return m_number; }
    double weight() const { return m_weight; }
    double price() const { return m_price; }
    double money() const { return m_money; }

    void setNumber(double number);
    void setWeight(double weight);
    void setPrice(double price);
    // Changing the basis loads the product's list price for it (an empty list price or a product
    // that no longer exists gives 0), replacing a typed or remembered price.
    void setCjtype(const QString &cjtype, const std::optional<BillProduct> &product);
    // The figures as stored, without recomputing the amount (loading a saved line).
    void setStoredValues(const QString &cjtype, double number, double weight, double price, double money);

    // Price × priced quantity, whatever `money` holds.
    double amount() const;
    double pricedQuantity() const { return pricedByCount(m_cjtype) ? m_number : m_weight; }

    // 理论计重 / 理论计量: weight from count and back through the ratio. An empty ratio does nothing;
    // a ratio of 0 leaves the line unchanged and returns the message to show.
    std::optional<QString> applyTheoreticalWeight();
    std::optional<QString> applyTheoreticalCount();

    // Price and cost price to `pricePlaces`, count and weight to `quantityPlaces`, amount recomputed
    // from the rounded values (never rounded itself). A line that does not take its cost from stock
    // costs at its rounded price.
    void roundForSave(int pricePlaces, int quantityPlaces, bool costFromStock);

private:
    void recompute() { m_money = amount(); }

    QString m_cjtype;
    double m_number = 0;
    double m_weight = 0;
    double m_price = 0;
    double m_money = 0;
};

} // namespace kesvar
