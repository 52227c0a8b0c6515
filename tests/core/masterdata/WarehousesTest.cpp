#include "TestDatabase.h"

#include "data/DbError.h"
#include "masterdata/CompanyInfo.h"
#include "masterdata/Dictionaries.h"
#include "masterdata/Warehouses.h"

#include <QDate>

using namespace kesvar;
using kesvar::test::DatabaseTest;

namespace {

void addBill(Database &db, const QString &code, const QString &type, const QString &depot, const QString &cust,
             bool transfer)
{
    db.exec("INSERT INTO T_Bill (BillCode, BillType, DepotName, CustName, AddDate, InOrOut, sign, F_Flag, diaobo)"
            " VALUES (?, ?, ?, ?, ?, '出库', -1, FALSE, ?)",
            {code, type, depot, cust, QDate(2026, 3, 1), transfer});
}

QString billField(Database &db, const QString &code, const QString &column)
{
    return db.scalar(QStringLiteral("SELECT %1 FROM T_Bill WHERE BillCode = ?").arg(column), {code}).toString();
}

} // namespace

TEST_F(DatabaseTest, WarehouseRenameMovesStockBillsAndTransferDestinationsOnly)
{
    Warehouses warehouses(db());
    const int a = warehouses.add("  A'库 ");
    warehouses.add("C");
    EXPECT_EQ(warehouses.names(), (QStringList{"A'库", "C"}));
    db().exec("INSERT INTO T_DepotStart (GoodsCode, DepotName, StartNum, startweight, StartPrice, cjtype)"
              " VALUES ('G1', 'A''库', 1, 1, 1, '')");
    addBill(db(), "XC-1", "销售出库", "A'库", "A'库", false); // a partner that carries the warehouse's name
    addBill(db(), "DB-1", "仓库调拨", "C", "A'库", true);
    addBill(db(), "DB-2", "仓库调拨", "A'库", "C", true);

    warehouses.rename(a, "B");

    EXPECT_EQ(warehouses.names(), (QStringList{"B", "C"}));
    EXPECT_EQ(db().scalar("SELECT DepotName FROM T_DepotStart").toString(), "B");
    EXPECT_EQ(billField(db(), "XC-1", "DepotName"), "B");
    EXPECT_EQ(billField(db(), "XC-1", "CustName"), "A'库");
    EXPECT_EQ(billField(db(), "DB-1", "CustName"), "B");
    EXPECT_EQ(billField(db(), "DB-2", "DepotName"), "B");
    EXPECT_EQ(billField(db(), "DB-2", "CustName"), "C");

    warehouses.rename("B", "B2");
    EXPECT_EQ(billField(db(), "DB-1", "CustName"), "B2");
    EXPECT_THROW(warehouses.rename("nope", "x"), RuleError);
}

TEST_F(DatabaseTest, WarehouseRenameIsAllOrNothing)
{
    Warehouses warehouses(db());
    const int a = warehouses.add("A");
    db().exec("INSERT INTO T_DepotStart (GoodsCode, DepotName) VALUES ('G1', 'A')");
    db().exec("ALTER TABLE T_Bill RENAME TO T_Bill_away");
    EXPECT_THROW(warehouses.rename(a, "B"), DbError);
    db().exec("ALTER TABLE T_Bill_away RENAME TO T_Bill");
    EXPECT_EQ(warehouses.names(), QStringList{"A"});
    EXPECT_EQ(db().scalar("SELECT DepotName FROM T_DepotStart").toString(), "A");
}

TEST_F(DatabaseTest, WarehouseAddAndDeleteTouchNothingElse)
{
    Warehouses warehouses(db());
    warehouses.add("A");
    addBill(db(), "XC-1", "销售出库", "A", "P", false);
    const int b = warehouses.add("B");
    warehouses.remove(b);
    warehouses.remove("A");
    EXPECT_TRUE(warehouses.list().isEmpty());
    EXPECT_EQ(billField(db(), "XC-1", "DepotName"), "A");
    EXPECT_THROW(warehouses.remove("A"), RuleError);
}

TEST_F(DatabaseTest, DictionaryEntriesByTypeCodeIgnoringCase)
{
    Dictionaries dictionaries(db());
    const int id = dictionaries.add("CD", " 鞍钢 ");
    dictionaries.add("cz", "Q235");
    dictionaries.add("", "其他");
    EXPECT_EQ(dictionaries.names("cd"), QStringList{"鞍钢"});
    EXPECT_EQ(dictionaries.names(""), QStringList{"其他"});
    dictionaries.rename(id, "CD", "宝钢's");
    EXPECT_EQ(dictionaries.list("CD").value(0, "Name").toString(), "宝钢's");
    dictionaries.remove(id);
    EXPECT_TRUE(dictionaries.names("CD").isEmpty());

    EXPECT_EQ(Dictionaries::kinds().size(), 8u);
    EXPECT_EQ(Dictionaries::captionOf("CD"), "产地");
    EXPECT_EQ(Dictionaries::captionOf("cd"), ""); // captions only for the codes as the menu writes them
    EXPECT_EQ(Dictionaries::captionOf("worker"), "业务员");
}

TEST_F(DatabaseTest, CompanyInformationIsOneRowCreatedWhenMissing)
{
    CompanyInfo info(db());
    db().exec("DELETE FROM T_Company");
    EXPECT_TRUE(info.load().company.isEmpty());
    info.save({" 钢's 公司 ", "王", "路", "100000", "1", "2", "e@x"});
    info.save({"钢's 公司", "李", "路", "100000", "1", "2", "e@x"});
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_Company").toInt(), 1);
    const Company c = info.load();
    EXPECT_EQ(c.company, "钢's 公司");
    EXPECT_EQ(c.contact, "李");
}
