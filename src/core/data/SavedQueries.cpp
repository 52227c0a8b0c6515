#include "data/SavedQueries.h"

#include "data/SqlDialect.h"

#include <QDate>

namespace kesvar::SavedQueries {

namespace {

// The columns of one bill-line movement; `depot`, `direction`, `sign` and `partner` differ between
// the stored side of a bill and the receiving side of a transfer.
QString billMovement(const QString &depot, const QString &direction, const QString &sign, const QString &partner,
                     const QString &condition)
{
    return QStringLiteral(
               "SELECT d.GoodsCode AS goodscode, COALESCE(g.GoodsName, d.GoodsName) AS goodsname,"
               " COALESCE(g.GoodsUnit, d.GoodsUnit) AS goodsunit, COALESCE(g.Units, d.Units) AS units,"
               " g.goodstype AS goodstype, COALESCE(g.goodscz, d.GoodsCz) AS goodscz,"
               " COALESCE(g.goodscd, d.GoodsCd) AS goodscd, g.Goodwz AS goodwz, g.barcode AS barcode,"
               " %1 AS depotname, b.AddDate AS adddate, %2 AS InorOut, %3 AS sign,"
               " d.Number AS number, d.weight AS weight, d.Price AS price, d.cbprice AS cbPrice,"
               " d.Cjtype AS cjtype, d.hxl AS hxl, d.Money AS Smoney, b.BillType AS billtype,"
               " b.BillCode AS billcode, %4 AS Custname, b.UserName AS username"
               " FROM T_BillDetail d JOIN T_Bill b ON b.BillCode = d.BillCode"
               " LEFT JOIN T_Goods g ON g.GoodsCode = d.GoodsCode%5")
        .arg(depot, direction, sign, partner, condition);
}

} // namespace

QString startDetailSql(const SqlDialect &dialect)
{
    const QString opening = QStringLiteral(
        "SELECT s.GoodsCode AS goodscode, g.GoodsName AS goodsname, g.GoodsUnit AS goodsunit,"
        " g.Units AS units, g.goodstype AS goodstype, g.goodscz AS goodscz, g.goodscd AS goodscd,"
        " g.Goodwz AS goodwz, g.barcode AS barcode, s.DepotName AS depotname, %1 AS adddate,"
        " '入库' AS InorOut, 1 AS sign, s.StartNum AS number, s.startweight AS weight,"
        " s.StartPrice AS price, s.StartPrice AS cbPrice, s.cjtype AS cjtype, g.hxl AS hxl,"
        " COALESCE(s.StartPrice, 0) * (CASE WHEN s.cjtype = '数量' THEN COALESCE(s.StartNum, 0)"
        " ELSE COALESCE(s.startweight, 0) END) AS Smoney,"
        " NULL AS billtype, NULL AS billcode, NULL AS Custname, NULL AS username"
        " FROM T_DepotStart s LEFT JOIN T_Goods g ON g.GoodsCode = s.GoodsCode")
                              .arg(dialect.dateLiteral(QDate(1900, 1, 1)));
    const QString stored = billMovement(QStringLiteral("b.DepotName"), QStringLiteral("b.InOrOut"),
                                        QStringLiteral("b.sign"), QStringLiteral("b.CustName"), QString());
    const QString transferReceipt =
        billMovement(QStringLiteral("b.CustName"), QStringLiteral("'入库'"), QStringLiteral("1"),
                     QStringLiteral("b.DepotName"), QStringLiteral(" WHERE b.diaobo = TRUE"));
    return opening + QStringLiteral(" UNION ALL ") + stored + QStringLiteral(" UNION ALL ") + transferReceipt;
}

QString billDetailSql()
{
    return QStringLiteral(
        "SELECT b.BillCode AS billcode, b.BillType AS billtype, b.AddDate AS adddate,"
        " b.DepotName AS depotname, b.CustName AS Custname, b.OldCode AS OldCode, b.UserName AS UserName,"
        " b.Maker AS maker, b.InOrOut AS inorout, b.sign AS sign, b.F_Flag AS F_Flag, b.memo AS BillMemo,"
        " d.BillDetailID AS BillDetailID, d.GoodsCode AS GoodsCode, d.GoodsName AS GoodsName,"
        " d.GoodsUnit AS GoodsUnit, d.Units AS Units, g.goodstype AS goodstype, d.GoodsCz AS GoodsCz,"
        " d.GoodsCd AS GoodsCd, d.Number AS number, d.weight AS weight, d.Price AS price,"
        " d.Money AS money, d.Cjtype AS cjtype, d.hxl AS hxl, d.cbprice AS cbprice, d.memo AS memo"
        " FROM T_BillDetail d JOIN T_Bill b ON b.BillCode = d.BillCode"
        " LEFT JOIN T_Goods g ON g.GoodsCode = d.GoodsCode");
}

std::vector<SavedQuery> all(const SqlDialect &dialect)
{
    return {{QStringLiteral("S_StartDetail"), startDetailSql(dialect)},
            {QStringLiteral("S_BillDetail"), billDetailSql()}};
}

} // namespace kesvar::SavedQueries
