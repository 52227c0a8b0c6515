#include "bills/BillLineRows.h"

#include "bills/BillProduct.h"

namespace kesvar::BillLineRows {

namespace {

QVariant optional(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

RowSet toRows(const QList<BillLine> &lines)
{
    RowSet rows({QStringLiteral("BillDetailID"), QStringLiteral("GoodsCode"), QStringLiteral("GoodsName"),
                 QStringLiteral("GoodsUnit"), QStringLiteral("GoodsCz"), QStringLiteral("GoodsCd"),
                 QStringLiteral("Units"), QStringLiteral("Number"), QStringLiteral("weight"), QStringLiteral("Cjtype"),
                 QStringLiteral("Price"), QStringLiteral("Money"), QStringLiteral("Cmoney"), QStringLiteral("hxl"),
                 QStringLiteral("cbprice"), QStringLiteral("memo")});
    for (const BillLine &l : lines)
        rows.appendRow({l.id, l.goodsCode, l.goodsName, l.goodsUnit, l.goodsCz, l.goodsCd, l.units, l.number(),
                        l.weight(), l.cjtype(), l.price(), l.money(), l.amount(), optional(l.hxl), l.cbprice, l.memo});
    return rows;
}

QStringList editableFields()
{
    return {QStringLiteral("Number"), QStringLiteral("weight"), QStringLiteral("Price"), QStringLiteral("Cjtype"),
            QStringLiteral("memo")};
}

bool applyEdit(const Database &db, BillLine &line, const QString &field, const QVariant &value)
{
    auto is = [&](const char *name) { return field.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("Number"))
        line.setNumber(value.toDouble());
    else if (is("weight"))
        line.setWeight(value.toDouble());
    else if (is("Price"))
        line.setPrice(value.toDouble());
    else if (is("Cjtype"))
        line.setCjtype(value.toString(), BillProducts::find(db, line.goodsCode));
    else if (is("memo"))
        line.memo = value.toString();
    else
        return false;
    return true;
}

} // namespace kesvar::BillLineRows
