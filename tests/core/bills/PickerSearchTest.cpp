#include "BillFixture.h"

#include "bills/BillBrowser.h"
#include "bills/PickerSearch.h"

using namespace kesvar;
using kesvar::test::BillTest;

namespace {

QStringList codes(const RowSet &rows, const char *column)
{
    QStringList list;
    for (int r = 0; r < rows.rowCount(); ++r)
        list << rows.value(r, QString::fromLatin1(column)).toString();
    list.sort();
    return list;
}

} // namespace

TEST_F(BillTest, ProductSearchMatchesFragmentsAndSkipsDiscontinuedProducts)
{
    db().exec("UPDATE T_Goods SET barcode = 'LWG', goodstype = 'HRB400' WHERE GoodsCode = 'LW-18'");
    addProduct("LW-100%", "螺纹钢 100%", 1, 1, 1);
    addProduct("OLD-1", "旧螺纹钢", 1, 1, 1);
    db().exec("UPDATE T_Goods SET flag = TRUE WHERE GoodsCode = 'OLD-1'");

    struct Case { PickerSearch::ProductCriteria criteria; QStringList expected; };
    const Case cases[] = {
        {{}, {"LW-100%", "LW-18", "YG-20"}},
        {{.name = "螺纹"}, {"LW-100%", "LW-18"}},
        {{.spec = "18"}, {"LW-100%", "LW-18", "YG-20"}}, // every test product is Φ18
        {{.code = "lw-1"}, {"LW-100%", "LW-18"}},
        {{.code = "100%"}, {"LW-100%"}},
        {{.code = "_"}, {}},
        {{.grade = "HRB400"}, {"LW-18"}},
        {{.quickCode = "lw"}, {"LW-18"}},
        {{.name = "螺纹", .disabled = true}, {"OLD-1"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(codes(PickerSearch::products(db(), c.criteria), "GoodsCode"), c.expected)
            << c.expected.join(',').toStdString();
}

TEST_F(BillTest, PartnerSearchAndLists)
{
    db().exec("INSERT INTO T_Custom (CustCode, CustName, Contact, gys, kh, flag) VALUES"
              " ('G001', '江苏沙钢', '周建国', TRUE, FALSE, FALSE), ('K001', '华东建工', '钱伟', FALSE, TRUE, FALSE),"
              " ('K002', '停用客户', '', FALSE, TRUE, TRUE)");
    using PickerSearch::PartnerKind;
    struct Case { PickerSearch::PartnerCriteria criteria; QStringList expected; };
    const Case cases[] = {
        {{}, {"G001", "K001"}},
        {{.code = "K"}, {"K001"}},
        {{.name = "江苏"}, {}}, // the name matches exactly
        {{.name = "江苏沙钢"}, {"G001"}},
        {{.contact = "钱伟"}, {"K001"}},
        {{.kind = PartnerKind::Suppliers}, {"G001"}},
        {{.kind = PartnerKind::Customers}, {"K001"}},
        {{.kind = PartnerKind::Customers, .disabled = true}, {"K002"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(codes(PickerSearch::partners(db(), c.criteria), "CustCode"), c.expected)
            << c.expected.join(',').toStdString();
    EXPECT_EQ(PickerSearch::allPartners(db()).rowCount(), 3); // discontinued ones included
}

TEST_F(BillTest, BrowserShowsTheNewestFirstAndStopsAtEitherEnd)
{
    BillBrowser browser(db(), BillTypes::PurchaseReceipt);
    browser.reload();
    EXPECT_TRUE(browser.isEmpty());
    EXPECT_EQ(browser.currentCode(), QString());
    EXPECT_EQ(browser.caption(), QStringLiteral("采购入库单 - 共0张此类单据"));

    // Ordered by date, then number: a later-dated bill with a smaller number comes last.
    for (const auto &[code, date] : {std::pair{"CR-2026-03-05-0001", QDate(2026, 3, 5)},
                                     std::pair{"CR-2026-03-05-0002", QDate(2026, 3, 5)},
                                     std::pair{"CR-2026-03-04-0001", QDate(2026, 3, 9)}})
        db().exec("INSERT INTO T_Bill (BillCode, BillType, AddDate) VALUES (?, '采购入库', ?)", {QString::fromLatin1(code), date});
    db().exec("INSERT INTO T_Bill (BillCode, BillType, AddDate) VALUES ('XC-2026-03-05-0001', '销售出库', ?)",
              {QDate(2026, 3, 10)});
    browser.reload();
    EXPECT_EQ(browser.caption(), QStringLiteral("采购入库单 - 共3张此类单据"));
    EXPECT_EQ(browser.currentCode(), "CR-2026-03-04-0001");
    EXPECT_FALSE(browser.next());
    EXPECT_TRUE(browser.prior());
    EXPECT_EQ(browser.currentCode(), "CR-2026-03-05-0002");
    EXPECT_TRUE(browser.prior());
    EXPECT_FALSE(browser.prior());
    EXPECT_EQ(browser.currentCode(), "CR-2026-03-05-0001");
    browser.reload("CR-2026-03-05-0002");
    EXPECT_EQ(browser.currentCode(), "CR-2026-03-05-0002");
}
