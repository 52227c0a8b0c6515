#include "BillFixture.h"

#include "bills/BillLine.h"
#include "bills/BillStore.h"
#include "data/Transaction.h"

using namespace kesvar;
using kesvar::test::BillTest;

TEST(BillTypesTable, DirectionSignPartnerRuleAndCaptionOfEachType)
{
    struct Case { const char *name; const char *direction; int sign; bool partner; const char *caption; };
    const Case cases[] = {
        {"采购入库", "入库", 1, true, "采购入库"}, {"采购退货", "出库", -1, true, "采购退货"},
        {"销售出库", "出库", -1, true, "销售出库"}, {"销售退货", "入库", 1, true, "销售退货"},
        {"其它入库", "入库", 1, true, "其他入库"}, {"其它出库", "出库", -1, true, "其他出库"},
        {"仓库调拨", "出库", -1, false, "仓库调拨"}, {"仓库盘点", "入库", 1, false, "仓库盘点"},
    };
    ASSERT_EQ(BillTypes::all().size(), 8);
    for (const Case &c : cases) {
        const BillTypeInfo *type = BillTypes::find(QString::fromUtf8(c.name));
        ASSERT_NE(type, nullptr) << c.name;
        EXPECT_EQ(type->direction, QString::fromUtf8(c.direction)) << c.name;
        EXPECT_EQ(type->sign(), c.sign) << c.name;
        EXPECT_EQ(type->partnerRequired, c.partner) << c.name;
        EXPECT_EQ(type->menuCaption, QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(type->costFromStock(), type->name == BillTypes::SalesDelivery) << c.name;
    }
    EXPECT_EQ(BillTypes::find(QStringLiteral("其他入库")), nullptr); // the caption is not a type name
}

TEST_F(BillTest, EachTypeIsStoredWithItsDirectionSignAndPrefix)
{
    for (const BillTypeInfo &type : BillTypes::all()) {
        Bill bill{header(type.name), {line("LW-18", BillLine::ByCount, 1, 0.5, 10)}};
        if (type.isTransfer())
            bill.header.custName = QStringLiteral("二号库");
        const SaveOutcome saved = saveNew(bill);
        const RowSet row = db().select("SELECT InOrOut, sign, diaobo, DepotName, CustName FROM T_Bill WHERE BillCode = ?",
                                       {saved.bill.header.billCode});
        ASSERT_EQ(row.rowCount(), 1);
        EXPECT_EQ(row.value(0, 0).toString(), type.direction) << type.name.toStdString();
        EXPECT_EQ(row.value(0, 1).toInt(), type.sign()) << type.name.toStdString();
        EXPECT_EQ(row.value(0, 2).toBool(), type.isTransfer()) << type.name.toStdString();
        const BillTypes::Settings settings = BillTypes::settings(db(), type.name);
        EXPECT_EQ(settings.prefix.size(), 2);
        EXPECT_TRUE(saved.bill.header.billCode.startsWith(settings.prefix + "-2026-03-05-"));
        EXPECT_EQ(settings.showsPartner, type.partnerRequired) << type.name.toStdString();
        if (type.isTransfer()) {
            EXPECT_EQ(row.value(0, 3).toString(), QStringLiteral("一号库"));
            EXPECT_EQ(row.value(0, 4).toString(), QStringLiteral("二号库"));
        }
    }
}

TEST(BillNumberingRules, PadSequenceAndStem)
{
    EXPECT_EQ(BillNumbering::PadSequence("1"), "0001");
    EXPECT_EQ(BillNumbering::PadSequence("12"), "0012");
    EXPECT_EQ(BillNumbering::PadSequence("123"), "0123");
    EXPECT_EQ(BillNumbering::PadSequence("1234"), "1234");
    EXPECT_EQ(BillNumbering::stem("AB", QDate(2011, 3, 5)), "AB-2011-03-05");
}

TEST_F(BillTest, NumberingFollowsTheHighestNumberOfThePrefixAndDay)
{
    const QDate day(2011, 3, 5);
    auto addHeader = [&](const QString &code) {
        db().exec("INSERT INTO T_Bill (BillCode, BillType, AddDate) VALUES (?, '采购入库', ?)", {code, day});
    };
    EXPECT_EQ(BillNumbering::NewBillCode(db(), "CR", day), "CR-2011-03-05-0001");

    struct Case { const char *highest; const char *next; };
    for (const Case &c : {Case{"0009", "0010"}, Case{"0099", "0100"}, Case{"0999", "1000"}}) {
        db().exec("DELETE FROM T_Bill");
        addHeader(QStringLiteral("CR-2011-03-05-") + c.highest);
        EXPECT_EQ(BillNumbering::NewBillCode(db(), "CR", day), QStringLiteral("CR-2011-03-05-") + c.next);
    }

    // A gap is not reused; other days and prefixes do not count.
    db().exec("DELETE FROM T_Bill");
    for (const char *code : {"CR-2011-03-05-0004", "CR-2011-03-06-0007", "CT-2011-03-05-0009", "CR-2011-03-05-0002"})
        addHeader(QString::fromLatin1(code));
    EXPECT_EQ(BillNumbering::NewBillCode(db(), "CR", day), "CR-2011-03-05-0005");

    // Deleting the highest frees it.
    BillActions(db(), 2, 3).remove("CR-2011-03-05-0004");
    EXPECT_EQ(BillNumbering::NewBillCode(db(), "CR", day), "CR-2011-03-05-0003");

    addHeader("CR-2011-03-05-9999");
    EXPECT_THROW(BillNumbering::NewBillCode(db(), "CR", day), RuleError);
}

TEST(BillLineRules, AmountFollowsTheBasis)
{
    BillProduct p;
    p.goodsCode = "LW-18";
    p.gprice = 50;
    p.dprice = 4000;
    BillLine line = BillLine::forProduct(p);
    line.setStoredValues(BillLine::ByCount, 0, 0, 0, 0);
    line.setPrice(10);
    EXPECT_EQ(line.money(), 0); // no count yet
    line.setNumber(3);
    line.setWeight(2.5);
    EXPECT_EQ(line.money(), 30);
    EXPECT_EQ(line.amount(), 30);

    line.setCjtype(BillLine::ByWeight, p); // loads the price per ton
    EXPECT_EQ(line.price(), 4000);
    EXPECT_EQ(line.money(), 10000);
    line.setCjtype(BillLine::ByCount, p);
    EXPECT_EQ(line.price(), 50);
    EXPECT_EQ(line.money(), 150);

    p.dprice.reset(); // an empty list price empties the price
    line.setCjtype(BillLine::ByWeight, p);
    EXPECT_EQ(line.price(), 0);
    line.setPrice(7);
    line.setCjtype(BillLine::ByWeight, std::nullopt); // the product no longer exists
    EXPECT_EQ(line.price(), 0);
}

TEST(BillLineRules, TheoreticalWeightAndCount)
{
    BillLine line;
    line.goodsName = "螺纹钢";
    line.hxl = 0.5;
    line.setStoredValues(BillLine::ByWeight, 8, 0, 100, 0);
    EXPECT_FALSE(line.applyTheoreticalWeight());
    EXPECT_EQ(line.weight(), 4);
    EXPECT_EQ(line.money(), 400);
    line.setNumber(0);
    EXPECT_FALSE(line.applyTheoreticalCount());
    EXPECT_EQ(line.number(), 8);

    line.hxl = 0;
    EXPECT_EQ(line.applyTheoreticalWeight().value_or(""), QStringLiteral("螺纹钢没有定义理论换算值，不能进行数量到重量的转换"));
    EXPECT_EQ(line.applyTheoreticalCount().value_or(""), QStringLiteral("螺纹钢没有定义理论换算值，不能进行重量到数量的转换"));
    EXPECT_EQ(line.number(), 8);
    EXPECT_EQ(line.weight(), 4);

    line.hxl.reset(); // no ratio: nothing happens, no message
    line.setNumber(20);
    EXPECT_FALSE(line.applyTheoreticalWeight());
    EXPECT_EQ(line.weight(), 4);
}

TEST(BillLineRules, RoundingForSave)
{
    struct Case { double value; int places; double expected; };
    const Case cases[] = {{2.5, 0, 3}, {3.5, 0, 4}, {-2.5, 0, -3}, {3.14159, 2, 3.14}, {1.23456, 3, 1.235},
                          {12.346, 2, 12.35}, {2.675, 2, 2.68}};
    for (const Case &c : cases) {
        BillLine line;
        line.setStoredValues(BillLine::ByCount, c.value, c.value, c.value, 0);
        line.roundForSave(c.places, c.places, false);
        EXPECT_EQ(line.price(), c.expected) << c.value;
        EXPECT_EQ(line.number(), c.expected) << c.value;
        EXPECT_EQ(line.weight(), c.expected) << c.value;
        EXPECT_EQ(line.cbprice, c.expected) << c.value;
    }
}
