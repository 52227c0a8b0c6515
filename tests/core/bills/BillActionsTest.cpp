#include "BillFixture.h"

#include "bills/BillLineFactory.h"
#include "bills/BillStore.h"
#include "bills/PriceMemory.h"
#include "bills/StockCost.h"

#include <atomic>
#include <thread>
#include <vector>

using namespace kesvar;
using kesvar::test::BillTest;

namespace {

int count(Database &db, const QString &sql, const QVariantList &params = {})
{
    return db.scalar(sql, params).toInt();
}

} // namespace

TEST_F(BillTest, HeaderChecksRunInOrderWithTheirMessages)
{
    struct Case { const char *type; const char *depot; const char *partner; const char *message; BillField field; };
    const Case cases[] = {
        {"仓库调拨", "", "", "调入仓不能为空！", BillField::Destination},
        {"仓库调拨", "一号库", "一号库", "调出仓和调入仓不能相同！", BillField::None},
        {"仓库调拨", "", "二号库", "请填写仓库名称！", BillField::Depot},
        {"采购入库", "", "", "请填写仓库名称！", BillField::Depot},
        {"采购入库", "  ", "华东钢贸", "请填写仓库名称！", BillField::Depot},
        {"采购入库", "一号库", "", "请填写往来单位！", BillField::Partner},
        {"其它入库", "一号库", " ", "请填写往来单位！", BillField::Partner},
    };
    for (const Case &c : cases) {
        Bill bill{header(QString::fromUtf8(c.type), QString::fromUtf8(c.partner)), {}};
        bill.header.depotName = QString::fromUtf8(c.depot);
        try {
            saveNew(bill);
            ADD_FAILURE() << "saved: " << c.type << " " << c.message;
        } catch (const BillRuleError &e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message)) << c.type;
            EXPECT_EQ(e.field(), c.field) << c.message;
        }
    }
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_Bill"), 0);

    // A stock-take needs no partner; a bill without lines saves.
    EXPECT_NO_THROW(saveNew({header(BillTypes::StockTake, QString()), {}}));
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_Bill"), 1);
}

TEST_F(BillTest, SaveRoundsLinesAndCostsAtTheRoundedPrice)
{
    Bill bill{header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 2.5, 1.23456, 12.346)}};
    const SaveOutcome saved = saveNew(bill, 2, 0);
    const RowSet row = db().select("SELECT Price, Number, cbprice, Money, weight FROM T_BillDetail WHERE BillCode = ?",
                                   {saved.bill.header.billCode});
    ASSERT_EQ(row.rowCount(), 1);
    EXPECT_DOUBLE_EQ(row.value(0, 0).toDouble(), 12.35);
    EXPECT_DOUBLE_EQ(row.value(0, 1).toDouble(), 3);
    EXPECT_DOUBLE_EQ(row.value(0, 2).toDouble(), 12.35);
    EXPECT_DOUBLE_EQ(row.value(0, 3).toDouble(), 37.05);
    EXPECT_DOUBLE_EQ(row.value(0, 4).toDouble(), 1);
    EXPECT_EQ(saved.bill.lines.size(), 1);
    EXPECT_GT(saved.bill.lines.at(0).id, 0);
}

TEST_F(BillTest, SalesLineKeepsItsOwnCostRounded)
{
    BillLine l = line("LW-18", BillLine::ByCount, 1, 0, 99.999);
    l.cbprice = 10.126;
    const SaveOutcome saved = saveNew({header(BillTypes::SalesDelivery), {l}}, 2, 3);
    const RowSet row = db().select("SELECT Price, cbprice FROM T_BillDetail WHERE BillCode = ?", {saved.bill.header.billCode});
    EXPECT_DOUBLE_EQ(row.value(0, 0).toDouble(), 100);
    EXPECT_DOUBLE_EQ(row.value(0, 1).toDouble(), 10.13);
}

TEST_F(BillTest, PriceMemoryProposesTheLastPriceForTheSamePartnerAndType)
{
    const QString customer = QStringLiteral("华北建工");
    EXPECT_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesDelivery, customer).price(), 50);

    saveNew({header(BillTypes::SalesDelivery, customer), {line("LW-18", BillLine::ByCount, 2, 0, 123.45)}});
    EXPECT_DOUBLE_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesDelivery, customer).price(), 123.45);
    EXPECT_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesReturn, customer).price(), 50);
    EXPECT_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesDelivery, "别的客户").price(), 50);
    // Without a remembered price the list price of the line's basis is proposed.
    EXPECT_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesReturn, customer, BillLine::ByWeight).price(), 4000);

    // One row per key, updated by the next save, typed as number and date.
    const QDate today = QDate::currentDate();
    BillActions(db(), 2, 3).save({header(BillTypes::SalesDelivery, customer), {line("LW-18", BillLine::ByCount, 1, 0, 130)}},
                                 true);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_momeryprice"), 1);
    const RowSet memory = db().select("SELECT lastprice, lastdate FROM T_momeryprice WHERE CustName = ? AND Sort = ?",
                                      {customer, BillTypes::SalesDelivery});
    EXPECT_DOUBLE_EQ(memory.value(0, 0).toDouble(), 130);
    EXPECT_EQ(memory.value(0, 1).toDate(), today);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_momeryprice WHERE lastprice > ? AND lastdate = ?", {129.5, today}), 1);
}

TEST_F(BillTest, SalesCostIsTheStockAverageOfCostPrices)
{
    EXPECT_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesDelivery, "客户").cbprice, 0);

    saveNew({header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 10, 0, 5)}});
    saveNew({header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 10, 0, 8)}});
    addProduct("XX-1", "其它钢材", 1, 1, 1); // another product's movements do not count
    saveNew({header(BillTypes::PurchaseReceipt), {line("XX-1", BillLine::ByCount, 100, 0, 1000)}});

    BillLine sale = BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesDelivery, "客户");
    EXPECT_DOUBLE_EQ(sale.cbprice, 6.5);
    sale.setNumber(5);
    sale.setPrice(100);
    saveNew({header(BillTypes::SalesDelivery, "客户"), {sale}});
    EXPECT_DOUBLE_EQ(StockCost::averageCost(db(), "LW-18"), 6.5);

    // A transfer moves stock between warehouses and leaves the company-wide cost unchanged.
    Bill transfer{header(BillTypes::Transfer, "二号库"), {line("LW-18", BillLine::ByCount, 4, 0, 50)}};
    saveNew(transfer);
    EXPECT_DOUBLE_EQ(StockCost::averageCost(db(), "LW-18"), 6.5);
    EXPECT_DOUBLE_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::SalesDelivery, "客户").cbprice, 6.5);
    // Other types cost at their price.
    EXPECT_EQ(BillLineFactory::newLine(db(), product("LW-18"), BillTypes::PurchaseReceipt, "x").cbprice, 50);
}

TEST_F(BillTest, SavingUnderATakenNumberIssuesTheNextFreeOne)
{
    // Two workstations start a bill of the same prefix and day; the other one saves first.
    auto other = testDatabase().open();
    Bill mine{header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 1, 0, 10),
                                                   line("YG-20", BillLine::ByCount, 2, 0, 20)}};
    mine.header.billCode = BillNumbering::NewBillCode(db(), "CR", mine.header.addDate);
    Bill theirs{header(BillTypes::PurchaseReceipt, "别的单位"), {line("LW-18", BillLine::ByCount, 7, 0, 10)}};
    theirs.header.billCode = BillNumbering::NewBillCode(*other, "CR", theirs.header.addDate);
    ASSERT_EQ(mine.header.billCode, theirs.header.billCode);
    EXPECT_FALSE(BillActions(*other, 2, 3).save(theirs, true).renumbered);

    const SaveOutcome saved = BillActions(db(), 2, 3).save(mine, true);
    EXPECT_TRUE(saved.renumbered);
    EXPECT_EQ(saved.bill.header.billCode, "CR-2026-03-05-0002");
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_BillDetail WHERE BillCode = ?", {"CR-2026-03-05-0002"}), 2);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_BillDetail WHERE BillCode = ?", {"CR-2026-03-05-0001"}), 1);
    EXPECT_EQ(db().scalar("SELECT CustName FROM T_Bill WHERE BillCode = ?", {"CR-2026-03-05-0001"}).toString(), "别的单位");
}

TEST_F(BillTest, AFailedSaveLeavesNothingWritten)
{
    db().exec("ALTER TABLE T_BillDetail RENAME TO T_BillDetail_away");
    Bill bill{header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 1, 0, 10)}};
    EXPECT_THROW(saveNew(bill), DbError);
    db().exec("ALTER TABLE T_BillDetail_away RENAME TO T_BillDetail");
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_Bill"), 0);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_momeryprice"), 0);
    EXPECT_NO_THROW(saveNew(bill)); // the same bill saves on the next attempt
}

TEST_F(BillTest, EditRewritesHeaderAndLinesUnderTheSameNumber)
{
    Bill bill{header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 1, 0, 10),
                                                   line("YG-20", BillLine::ByCount, 2, 0, 20)}};
    const QString code = saveNew(bill).bill.header.billCode;

    Bill edited = *BillStore(db()).load(code);
    edited.header.custName = QStringLiteral("新单位");
    edited.header.addDate = QDate(2026, 4, 1);
    edited.lines[0].setNumber(5);
    edited.lines.removeAt(1);
    edited.lines.append(line("YG-20", BillLine::ByWeight, 0, 3, 3800));
    const SaveOutcome saved = BillActions(db(), 2, 3).save(edited, false);
    EXPECT_EQ(saved.bill.header.billCode, code);

    const Bill stored = *BillStore(db()).load(code);
    EXPECT_EQ(stored.header.custName, QStringLiteral("新单位"));
    EXPECT_EQ(stored.header.addDate, QDate(2026, 4, 1));
    ASSERT_EQ(stored.lines.size(), 2);
    EXPECT_EQ(stored.lines[0].id, edited.lines[0].id);
    EXPECT_DOUBLE_EQ(stored.lines[0].money(), 50);
    EXPECT_DOUBLE_EQ(stored.lines[1].money(), 11400);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_BillDetail"), 2);
}

TEST_F(BillTest, DeleteApproveAndUnapprove)
{
    BillActions actions(db(), 2, 3);
    const QString code = saveNew({header(BillTypes::PurchaseReceipt), {line("LW-18", BillLine::ByCount, 1, 0, 10)}})
                             .bill.header.billCode;

    EXPECT_THROW(actions.canUnapprove(code), RuleError);
    try {
        actions.canUnapprove(code);
    } catch (const RuleError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("该单据未经审核！!"));
    }
    ASSERT_TRUE(actions.canApprove(code));
    actions.setApproved(code, true);
    try {
        actions.canApprove(code);
        ADD_FAILURE() << "approved twice";
    } catch (const RuleError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("该单据已经审核！"));
    }
    EXPECT_THROW(actions.requireEditable(code), RuleError);
    ASSERT_TRUE(actions.canUnapprove(code));
    actions.setApproved(code, false);
    EXPECT_NO_THROW(actions.requireEditable(code));

    // With no bill shown nothing happens and no header appears.
    EXPECT_FALSE(actions.canApprove(QString()));
    EXPECT_FALSE(actions.canUnapprove(QString()));
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_Bill"), 1);

    // An approved bill can still be deleted, with all its lines.
    actions.setApproved(code, true);
    actions.remove(code);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_Bill"), 0);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_BillDetail"), 0);
    EXPECT_THROW(actions.remove(code), RuleError);
}

TEST_F(BillTest, WorkstationsSavingAtTheSameTimeGetDistinctNumbers)
{
    constexpr int kWorkstations = 3;
    constexpr int kBillsEach = 4;
    std::vector<std::thread> workstations;
    std::atomic<int> failures{0};
    for (int w = 0; w < kWorkstations; ++w) {
        workstations.emplace_back([&, w] {
            try {
                auto connection = testDatabase().open();
                BillActions actions(*connection, 2, 3);
                for (int b = 0; b < kBillsEach; ++b) {
                    Bill bill{header(BillTypes::PurchaseReceipt, QStringLiteral("单位%1").arg(w)), {}};
                    BillLine l;
                    l.goodsCode = QStringLiteral("LW-18");
                    l.setStoredValues(BillLine::ByCount, w * 100 + b, 0, 1, 0);
                    bill.lines = {l, l};
                    bill.header.billCode = BillNumbering::NewBillCode(*connection, "CR", bill.header.addDate);
                    actions.save(bill, true);
                }
            } catch (...) {
                ++failures;
            }
        });
    }
    for (std::thread &t : workstations)
        t.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(count(db(), "SELECT COUNT(DISTINCT BillCode) FROM T_Bill"), kWorkstations * kBillsEach);
    // Every bill kept its own two lines.
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM T_Bill b WHERE (SELECT COUNT(*) FROM T_BillDetail d"
                          " WHERE d.BillCode = b.BillCode) = 2"), kWorkstations * kBillsEach);
    EXPECT_EQ(db().scalar("SELECT MAX(BillCode) FROM T_Bill").toString(),
              QStringLiteral("CR-2026-03-05-%1").arg(kWorkstations * kBillsEach, 4, 10, QLatin1Char('0')));
}
