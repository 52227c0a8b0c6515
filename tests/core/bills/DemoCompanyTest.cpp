#include "TestDatabase.h"

#include "bills/BillTypes.h"
#include "data/Database.h"
#include "maintenance/DemoCompany.h"

using namespace kesvar;
using kesvar::test::DatabaseTest;

TEST_F(DatabaseTest, DemoCompanyHasBillsOfEveryTypeAndNoNegativeStock)
{
    const QDate today(2026, 12, 11);
    DemoCompany(db()).fill(today);

    for (const BillTypeInfo &type : BillTypes::all())
        EXPECT_GT(db().scalar("SELECT COUNT(*) FROM T_Bill WHERE BillType = ?", {type.name}).toInt(), 0)
            << type.name.toStdString();
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_Bill WHERE AddDate < ? OR AddDate > ?",
                          {today.addDays(-90), today}).toInt(), 0);
    EXPECT_GE(db().scalar("SELECT COUNT(*) FROM T_Goods").toInt(), 9);
    EXPECT_GT(db().scalar("SELECT COUNT(*) FROM T_Custom WHERE gys = TRUE").toInt(), 0);
    EXPECT_GT(db().scalar("SELECT COUNT(*) FROM T_Custom WHERE kh = TRUE").toInt(), 0);
    for (const char *dictionary : {"unit", "worker", "SKtype", "Ystype", "gz", "FPtype", "cz", "cd"})
        EXPECT_GT(db().scalar("SELECT COUNT(*) FROM T_Other WHERE Type = ?", {QString::fromLatin1(dictionary)}).toInt(), 0)
            << dictionary;
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM (SELECT goodscode FROM S_StartDetail GROUP BY goodscode"
                          " HAVING SUM(number * sign) < 0) n").toInt(), 0);
    // Every line went through the save: amount = price × priced quantity, sales at a stock cost.
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_BillDetail WHERE ABS(Money - Price * CASE WHEN Cjtype = '数量'"
                          " THEN Number ELSE weight END) > 0.000001").toInt(), 0);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_BillDetail d JOIN T_Bill b ON b.BillCode = d.BillCode"
                          " WHERE b.BillType = '销售出库' AND d.cbprice <= 0").toInt(), 0);
}
