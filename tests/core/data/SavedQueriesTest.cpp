#include "TestDatabase.h"

#include <QDate>

using namespace kesvar;
using kesvar::test::DatabaseTest;

namespace {

void addProduct(Database &db, const QString &code)
{
    db.exec("INSERT INTO T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, goodstype, hxl) VALUES (?, ?, ?, ?, ?, ?)",
            {code, QStringLiteral("螺纹钢"), QStringLiteral("Φ12"), QStringLiteral("件"), QStringLiteral("HRB400"), 2.5});
}

void addBill(Database &db, const QString &code, const QString &type, const QString &depot, const QString &partner,
             const QString &direction, int sign, bool transfer, const QString &goods, double number, double weight,
             double price)
{
    db.exec("INSERT INTO T_Bill (BillCode, BillType, DepotName, CustName, AddDate, InOrOut, sign, diaobo, memo)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {code, type, depot, partner, QDate(2024, 5, 6), direction, sign, transfer, QStringLiteral("header note")});
    db.exec("INSERT INTO T_BillDetail (BillCode, GoodsCode, GoodsName, Number, weight, Price, Money, Cjtype, cbprice, memo)"
            " VALUES (?, ?, '螺纹钢', ?, ?, ?, ?, '重量', ?, 'line note')",
            {code, goods, number, weight, price, price * weight, price});
}

} // namespace

TEST_F(DatabaseTest, OpeningStockIsAReceiptBeforeEveryBill)
{
    addProduct(db(), "G1");
    db().exec("INSERT INTO T_DepotStart (GoodsCode, DepotName, StartNum, startweight, StartPrice, cjtype)"
              " VALUES ('G1', '一号库', 10, 25, 4000, '重量')");
    const RowSet rows = db().select(
        "SELECT InorOut, sign, depotname, number, weight, price, cbPrice, Smoney, adddate, goodstype FROM S_StartDetail");
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.value(0, "InorOut").toString(), QStringLiteral("入库"));
    EXPECT_EQ(rows.value(0, "sign").toInt(), 1);
    EXPECT_EQ(rows.value(0, "depotname").toString(), QStringLiteral("一号库"));
    EXPECT_DOUBLE_EQ(rows.value(0, "cbPrice").toDouble(), 4000);
    EXPECT_DOUBLE_EQ(rows.value(0, "Smoney").toDouble(), 4000 * 25.0); // priced by weight
    EXPECT_EQ(rows.value(0, "adddate").toDate(), QDate(1900, 1, 1));
    EXPECT_EQ(rows.value(0, "goodstype").toString(), QStringLiteral("HRB400"));
}

TEST_F(DatabaseTest, OpeningStockPricedByCountUsesTheCount)
{
    addProduct(db(), "G1");
    db().exec("INSERT INTO T_DepotStart (GoodsCode, DepotName, StartNum, startweight, StartPrice, cjtype)"
              " VALUES ('G1', '一号库', 10, 25, 300, '数量')");
    EXPECT_DOUBLE_EQ(db().scalar("SELECT Smoney FROM S_StartDetail").toDouble(), 3000);
}

TEST_F(DatabaseTest, TransferMovesStockBetweenWarehouses)
{
    addProduct(db(), "G1");
    addBill(db(), "DB-2024-05-06-0001", "仓库调拨", "一号库", "二号库", "出库", -1, true, "G1", 4, 10, 3900);
    const RowSet rows = db().select(
        "SELECT depotname, InorOut, sign, weight FROM S_StartDetail WHERE billcode = 'DB-2024-05-06-0001'"
        " ORDER BY sign");
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.value(0, "depotname").toString(), QStringLiteral("一号库"));
    EXPECT_EQ(rows.value(0, "sign").toInt(), -1);
    EXPECT_EQ(rows.value(1, "depotname").toString(), QStringLiteral("二号库"));
    EXPECT_EQ(rows.value(1, "InorOut").toString(), QStringLiteral("入库"));
    EXPECT_EQ(rows.value(1, "sign").toInt(), 1);
    // The company's total is unchanged by a transfer.
    EXPECT_DOUBLE_EQ(db().scalar("SELECT SUM(weight * sign) FROM S_StartDetail").toDouble(), 0);
}

TEST_F(DatabaseTest, OrdinaryBillsAppearOnceWithTheirSign)
{
    addProduct(db(), "G1");
    addBill(db(), "CR-2024-05-06-0001", "采购入库", "一号库", "宝钢", "入库", 1, false, "G1", 4, 10, 3900);
    addBill(db(), "XC-2024-05-06-0001", "销售出库", "一号库", "客户甲", "出库", -1, false, "G1", 1, 2.5, 4200);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM S_StartDetail").toInt(), 2);
    EXPECT_DOUBLE_EQ(db().scalar("SELECT SUM(weight * sign) FROM S_StartDetail").toDouble(), 7.5);
}

TEST_F(DatabaseTest, BillDetailKeepsLineAndHeaderRemarksApart)
{
    addProduct(db(), "G1");
    addBill(db(), "CR-2024-05-06-0001", "采购入库", "一号库", "宝钢", "入库", 1, false, "G1", 4, 10, 3900);
    const RowSet rows = db().select("SELECT memo, BillMemo, goodstype, money, Custname FROM S_BillDetail");
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.value(0, "memo").toString(), QStringLiteral("line note"));
    EXPECT_EQ(rows.value(0, "BillMemo").toString(), QStringLiteral("header note"));
    EXPECT_EQ(rows.value(0, "goodstype").toString(), QStringLiteral("HRB400"));
    EXPECT_DOUBLE_EQ(rows.value(0, "money").toDouble(), 39000);
}
