#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace kesvar {

class Database;

// What a bill line copies from a product (T_Goods) and the list prices it falls back on.
struct BillProduct
{
    QString goodsCode;
    QString goodsName;
    QString goodsUnit; // specification (规格)
    QString goodsCz;   // material
    QString goodsCd;   // origin
    QString units;     // quantity unit
    std::optional<double> hxl;    // theoretical weight of one counted unit; empty when not defined
    std::optional<double> gprice; // latest price per piece
    std::optional<double> dprice; // latest price per ton
    QString goodsType;
    QString barcode;
    bool disabled = false;

    // The list price for a pricing basis: per piece for "数量", per ton otherwise.
    std::optional<double> listPrice(const QString &cjtype) const;
};

namespace BillProducts {

// The product with this code, or nothing when it no longer exists.
std::optional<BillProduct> find(const Database &db, const QString &goodsCode);

} // namespace BillProducts
} // namespace kesvar
