#include "bills/BillStore.h"

#include "data/Database.h"
#include "data/Values.h"

namespace kesvar {

std::optional<Bill> BillStore::load(const QString &billCode) const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT BillCode, BillType, InOrOut, AddDate, CustName, DepotName, OldCode, Fptype, Ystype,"
                       " UserName, Maker, memo, Yspiao, yfkuan, F_Flag, diaobo, sign FROM T_Bill WHERE BillCode = ?"),
        {billCode});
    if (rows.isEmpty())
        return std::nullopt;
    Bill bill;
    BillHeader &h = bill.header;
    h.billCode = rows.value(0, 0).toString();
    h.billType = rows.value(0, 1).toString();
    h.inOrOut = rows.value(0, 2).toString();
    h.addDate = rows.value(0, 3).toDate();
    h.custName = rows.value(0, 4).toString();
    h.depotName = rows.value(0, 5).toString();
    h.oldCode = rows.value(0, 6).toString();
    h.fptype = rows.value(0, 7).toString();
    h.ystype = rows.value(0, 8).toString();
    h.userName = rows.value(0, 9).toString();
    h.maker = rows.value(0, 10).toString();
    h.memo = rows.value(0, 11).toString();
    h.yspiao = rows.value(0, 12).toBool();
    h.yfkuan = rows.value(0, 13).toBool();
    h.approved = rows.value(0, 14).toBool();
    h.diaobo = rows.value(0, 15).toBool();
    h.sign = rows.value(0, 16).toInt();
    bill.lines = lines(h.billCode);
    return bill;
}

QList<BillLine> BillStore::lines(const QString &billCode) const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT BillDetailID, GoodsCode, GoodsName, GoodsUnit, GoodsCz, GoodsCd, Units, hxl, Cjtype,"
                       " Number, weight, Price, Money, cbprice, memo, f_flag FROM T_BillDetail WHERE BillCode = ?"
                       " ORDER BY BillDetailID"),
        {billCode});
    QList<BillLine> lines;
    lines.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        BillLine line;
        line.id = rows.value(r, 0).toInt();
        line.goodsCode = rows.value(r, 1).toString();
        line.goodsName = rows.value(r, 2).toString();
        line.goodsUnit = rows.value(r, 3).toString();
        line.goodsCz = rows.value(r, 4).toString();
        line.goodsCd = rows.value(r, 5).toString();
        line.units = rows.value(r, 6).toString();
        line.hxl = Values::optionalNumber(rows.value(r, 7));
        line.setStoredValues(rows.value(r, 8).toString(), rows.value(r, 9).toDouble(), rows.value(r, 10).toDouble(),
                             rows.value(r, 11).toDouble(), rows.value(r, 12).toDouble());
        line.cbprice = rows.value(r, 13).toDouble();
        line.memo = rows.value(r, 14).toString();
        line.fFlag = rows.value(r, 15).toInt();
        lines.append(line);
    }
    return lines;
}

QStringList BillStore::codesOfType(const QString &billType) const
{
    QSqlQuery query = m_db.exec(
        QStringLiteral("SELECT BillCode FROM T_Bill WHERE BillType = ? ORDER BY AddDate, BillCode"), {billType});
    QStringList codes;
    while (query.next())
        codes << query.value(0).toString();
    return codes;
}

bool BillStore::exists(const QString &billCode) const
{
    return m_db.hasRows(QStringLiteral("SELECT 1 FROM T_Bill WHERE BillCode = ?"), {billCode});
}

} // namespace kesvar
