#include "TestDatabase.h"

#include "data/DbError.h"
#include "data/Transaction.h"
#include "masterdata/FieldValues.h"
#include "masterdata/MasterSave.h"
#include "masterdata/Products.h"
#include "masterdata/ValidationError.h"
#include "masterdata/Warehouses.h"

using namespace kesvar;
using kesvar::test::DatabaseTest;

namespace {

Product product(const QString &code, const QString &name)
{
    Product p = Product::newDefaults();
    p.goodsCode = code;
    p.goodsName = name;
    return p;
}

class ProductsTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Warehouses warehouses(db());
        warehouses.add("一号库");
        warehouses.add("二号库");
    }

    QStringList codes(const RowSet &rows) const
    {
        QStringList list;
        for (int r = 0; r < rows.rowCount(); ++r)
            list << rows.value(r, "GoodsCode").toString();
        return list;
    }

    int count(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(sql, params).toInt();
    }

    void addBillLine(const QString &billCode, const QString &goodsCode)
    {
        db().exec("INSERT INTO T_BillDetail (BillCode, GoodsCode, GoodsName, Number, weight, Price, Money)"
                  " VALUES (?, ?, 'old name', 1, 1, 1, 1)", {billCode, goodsCode});
    }
};

} // namespace

TEST_F(ProductsTest, SavedProductHasOneOpeningRowPerWarehouse)
{
    Products products(db());
    Product p = product("G1", "圆钢'φ20");
    p.goodsUnit = "20%_mm";
    products.add(p, {{"二号库", 5.0, 3000.0, 1.5, "数量"}});

    const RowSet opening = db().select(
        "SELECT DepotName, StartNum, StartPrice, startweight, cjtype FROM T_DepotStart WHERE GoodsCode = 'G1'"
        " ORDER BY DepotName");
    ASSERT_EQ(opening.rowCount(), 2);
    EXPECT_EQ(opening.value(0, 0).toString(), "一号库");
    EXPECT_EQ(opening.value(0, 1).toDouble(), 0.0);
    EXPECT_EQ(opening.value(1, 0).toString(), "二号库");
    EXPECT_EQ(opening.value(1, 1).toDouble(), 5.0);
    EXPECT_EQ(opening.value(1, 4).toString(), "数量");

    const QList<OpeningStock> loaded = products.openingStock("G1");
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded.at(1).startPrice, 3000.0);
    EXPECT_EQ(products.openingStock("new").at(0).startNum, std::nullopt);

    const auto stored = products.find("G1");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->goodsName, "圆钢'φ20");
    EXPECT_EQ(stored->barcode, "YG'φ20");
    EXPECT_EQ(stored->hxl, 1.0);
    EXPECT_EQ(stored->ddate, QDate::currentDate());
    EXPECT_THROW(products.add(product("G2", "x"), {{"三号库", 1.0, 1.0, 1.0, ""}}), RuleError);
}

TEST_F(ProductsTest, EditorChecksInItsOrder)
{
    Products products(db());
    products.add(product("A1", "圆钢"), {});

    struct Case { const char *code; const char *name; std::optional<double> up, down, hxl; const char *message; const char *column; };
    const Case cases[] = {
        {" ", "x", 0.0, 0.0, 1.0, "请输入编码！!", "GoodsCode"},
        {"B1", " ", 0.0, 0.0, 1.0, "请输入名称！!", "GoodsName"},
        {"B1", "x", 1.0, 2.0, 1.0, "库存上限不能小于或等于库存下限！!", "Upnum"},
        {"A1 ", "x", 0.0, 0.0, 1.0, "货品编码重复,请换一个货品编码!", "GoodsCode"},
        {"a1", "x", 0.0, 0.0, 1.0, "货品编码重复,请换一个货品编码!", "GoodsCode"},
        {"B1", "x", 0.0, 0.0, 0.0, "理论换算值不能为0!", "hxl"},
    };
    for (const Case &c : cases) {
        Product p = product(c.code, c.name);
        p.upnum = c.up;
        p.downnum = c.down;
        p.hxl = c.hxl;
        try {
            products.add(p, {});
            ADD_FAILURE() << "accepted " << c.code;
        } catch (const ValidationError &e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
            EXPECT_EQ(e.column(), QString::fromUtf8(c.column));
        }
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM T_Goods"), 1);

    // Equal limits pass, and so does a missing one.
    Product equal = product("B1", "x");
    equal.upnum = equal.downnum = 5.0;
    EXPECT_NO_THROW(products.add(equal, {}));
    Product open = product("B2", "x");
    open.upnum = std::nullopt;
    open.downnum = 5.0;
    EXPECT_NO_THROW(products.add(open, {}));
}

TEST_F(ProductsTest, NumberBoxTextThatIsNotANumberNamesTheBox)
{
    EXPECT_EQ(FieldValues::parseNumber(" 2.5 ", "最新吨价"), 2.5);
    EXPECT_EQ(FieldValues::parseNumber("", "最新吨价"), std::nullopt);
    try {
        FieldValues::parseNumber("1.2.3", "库存上限");
        FAIL();
    } catch (const RuleError &e) {
        EXPECT_EQ(e.message(), "库存上限必须是数字!");
    }
}

TEST_F(ProductsTest, StoreRefusalOfADuplicateGivesTheEditorsMessage)
{
    Products products(db());
    products.add(product("A1", "圆钢"), {});
    products.add(product("B1", "方钢"), {});
    // An outer unit of work goes on after the refusal (an import continues with the next row).
    Transaction outer(db());
    try {
        products.update("B1", product("A1", "方钢"), {});
        FAIL();
    } catch (const RuleError &e) {
        EXPECT_EQ(e.message(), "货品编码重复,请换一个货品编码!");
    }
    // A refusal by the unique index itself (another workstation was quicker than the check).
    try {
        MasterSave::run(db(), "dup", "GoodsCode", [&] {
            db().exec("INSERT INTO T_Goods (GoodsCode, GoodsName, flag) VALUES ('A1', 'race', FALSE)");
        });
        FAIL();
    } catch (const ValidationError &e) {
        EXPECT_EQ(e.message(), "dup");
        EXPECT_EQ(e.column(), "GoodsCode");
    }
    products.add(product("C1", "扁钢"), {});
    outer.commit();
    EXPECT_EQ(count("SELECT COUNT(*) FROM T_Goods"), 3);
}

TEST_F(ProductsTest, CodeChangeMovesBillLinesAndOpeningStock)
{
    Products products(db());
    products.add(product("A1", "圆钢"), {{"一号库", 2.0, 10.0, 3.0, ""}});
    addBillLine("XC-1", "A1");
    addBillLine("XC-2", "Z9");

    products.update("A1", product("A2", "圆钢新"), products.openingStock("A1"));

    EXPECT_FALSE(products.find("A1"));
    ASSERT_TRUE(products.find("A2"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM T_DepotStart WHERE GoodsCode = 'A1'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM T_DepotStart WHERE GoodsCode = 'A2'"), 2);
    EXPECT_EQ(db().scalar("SELECT StartNum FROM T_DepotStart WHERE GoodsCode = 'A2' AND DepotName = '一号库'").toDouble(), 2.0);
    EXPECT_EQ(db().scalar("SELECT GoodsCode FROM T_BillDetail WHERE BillCode = 'XC-1'").toString(), "A2");
    EXPECT_EQ(db().scalar("SELECT GoodsName FROM T_BillDetail WHERE BillCode = 'XC-1'").toString(), "圆钢新");
    EXPECT_EQ(db().scalar("SELECT GoodsName FROM T_BillDetail WHERE BillCode = 'XC-2'").toString(), "old name");

    // An edit without a new code still rewrites the name in the bill lines.
    db().exec("UPDATE T_BillDetail SET GoodsName = 'stale'");
    products.update("A2", product("A2", "圆钢新"), products.openingStock("A2"));
    EXPECT_EQ(db().scalar("SELECT GoodsName FROM T_BillDetail WHERE BillCode = 'XC-1'").toString(), "圆钢新");
}

TEST_F(ProductsTest, FailedSaveLeavesEverythingAsItWas)
{
    Products products(db());
    products.add(product("A1", "圆钢"), {{"一号库", 2.0, 10.0, 3.0, ""}});
    addBillLine("XC-1", "A1");

    struct Case { const char *table; bool changeCode; };
    const Case cases[] = {{"T_BillDetail", true}, {"T_BillDetail", false}, {"T_DepotStart", true}};
    for (const Case &c : cases) {
        db().exec(QStringLiteral("ALTER TABLE %1 RENAME TO T_Away").arg(c.table));
        try {
            products.update("A1", product(c.changeCode ? "A2" : "A1", "改名"), {{"一号库", 9.0, 9.0, 9.0, ""}});
            ADD_FAILURE() << c.table;
        } catch (const DbError &e) {
            EXPECT_EQ(e.text(), "数据出错,数据不能保存!");
        }
        db().exec(QStringLiteral("ALTER TABLE T_Away RENAME TO %1").arg(c.table));
        const auto stored = products.find("A1");
        ASSERT_TRUE(stored) << c.table;
        EXPECT_EQ(stored->goodsName, "圆钢");
        EXPECT_FALSE(products.find("A2"));
        EXPECT_EQ(db().scalar("SELECT StartNum FROM T_DepotStart WHERE GoodsCode = 'A1' AND DepotName = '一号库'").toDouble(), 2.0);
        EXPECT_EQ(db().scalar("SELECT GoodsCode FROM T_BillDetail").toString(), "A1");
        EXPECT_EQ(db().scalar("SELECT GoodsName FROM T_BillDetail").toString(), "old name");
    }

    // A failed add leaves no product row behind.
    db().exec("ALTER TABLE T_DepotStart RENAME TO T_Away");
    EXPECT_THROW(products.add(product("N1", "新"), {}), DbError);
    db().exec("ALTER TABLE T_Away RENAME TO T_DepotStart");
    EXPECT_FALSE(products.find("N1"));
}

TEST_F(ProductsTest, SearchByEveryBoxWithDisabledLast)
{
    Products products(db());
    struct Seed { const char *code; const char *name; const char *type; const char *unit; const char *cz; };
    const Seed seeds[] = {
        {"R-01", "圆钢", "Q235", "φ20", "碳钢"}, {"R-02", "大圆钢", "q235", "φ25", "碳钢"}, {"P-01", "钢板", "Q345", "10%厚", "合金"},
        {"P_02", "O'Neil 板", "Q345", "10mm", "合金"},
    };
    for (const Seed &s : seeds) {
        Product p = product(s.code, s.name);
        p.goodstype = s.type;
        p.goodsUnit = s.unit;
        p.goodscz = s.cz;
        products.add(p, {});
    }
    products.setDisabled("R-02", true);

    struct Case { ProductSearch search; QStringList expected; };
    auto search = [](auto fill) { ProductSearch s; fill(s); return s; };
    const Case cases[] = {
        {search([](ProductSearch &s) { s.goodsName = "圆"; }), {"R-01"}},
        {search([](ProductSearch &s) { s.goodsName = "圆"; s.disabled = true; }), {"R-02"}},
        {search([](ProductSearch &s) { s.disabled = true; }), {"R-02"}},
        {search([](ProductSearch &s) { s.goodsCode = "_"; }), {"P_02"}},
        {search([](ProductSearch &s) { s.goodsCode = "r-0"; }), {"R-01"}},
        {search([](ProductSearch &s) { s.goodsUnit = "%"; }), {"P-01"}},
        {search([](ProductSearch &s) { s.goodstype = "Q345"; }), {"P_02", "P-01"}},
        {search([](ProductSearch &s) { s.goodstype = "Q3"; }), {}},
        {search([](ProductSearch &s) { s.goodscz = "合金"; s.goodsName = "'"; }), {"P_02"}},
        {search([](ProductSearch &s) { s.barcode = "YG"; }), {"R-01"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(codes(products.search(c.search)), c.expected);
    EXPECT_EQ(codes(products.list()), (QStringList{"P_02", "P-01", "R-01"}));

    products.setDisabled("R-02", false);
    EXPECT_EQ(products.list().rowCount(), 4);
    EXPECT_EQ(products.list().value(0, "flag"), QVariant(false));
}

TEST_F(ProductsTest, DeleteTouchesOnlyTheProductRow)
{
    Products products(db());
    products.add(product("A1", "圆钢"), {{"一号库", 1.0, 1.0, 1.0, ""}});
    addBillLine("XC-1", "A1");
    products.remove("A1");
    EXPECT_FALSE(products.find("A1"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM T_DepotStart WHERE GoodsCode = 'A1'"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM T_BillDetail"), 1);
    EXPECT_THROW(products.remove("A1"), RuleError);
    EXPECT_THROW(products.setDisabled("A1", true), RuleError);
}
