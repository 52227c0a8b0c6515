#include "TestDatabase.h"

#include "data/DbError.h"
#include "masterdata/Partners.h"
#include "masterdata/ValidationError.h"

using namespace kesvar;
using kesvar::test::DatabaseTest;

namespace {

Partner partner(const QString &code, const QString &name, bool gys = false, bool kh = false)
{
    Partner p;
    p.custCode = code;
    p.custName = name;
    p.gys = gys;
    p.kh = kh;
    return p;
}

QStringList codes(const RowSet &rows)
{
    QStringList list;
    for (int r = 0; r < rows.rowCount(); ++r)
        list << rows.value(r, "CustCode").toString();
    return list;
}

} // namespace

TEST_F(DatabaseTest, PartnerSearchContainsTheCodeAndMatchesOtherTextsWhole)
{
    Partners partners(db());
    partners.add(partner("C01", "鞍钢's 公司", true, false));
    partners.add(partner("C010", "首钢", false, true));
    partners.add(partner("D02", "宝钢", true, true));
    partners.add(partner("E_1", "宝钢集团", false, false));
    partners.add(partner("S01", "停用供应商", true, false));
    partners.add(partner("S02", "停用客户", false, true));
    partners.setDisabled("S01", true);
    partners.setDisabled("S02", true);

    struct Case { PartnerSearch search; QStringList expected; };
    auto search = [](auto fill) { PartnerSearch s; fill(s); return s; };
    const Case cases[] = {
        {search([](PartnerSearch &s) { s.custCode = "01"; }), {"C01", "C010"}},
        {search([](PartnerSearch &s) { s.custCode = "_"; }), {"E_1"}},
        {search([](PartnerSearch &s) { s.custName = "宝钢"; }), {"D02"}},
        {search([](PartnerSearch &s) { s.custName = "鞍钢's 公司"; }), {"C01"}},
        {search([](PartnerSearch &s) { s.custName = "钢"; }), {}},
        {search([](PartnerSearch &s) { s.barCode = "BG"; }), {"D02"}},
        {search([](PartnerSearch &s) { s.kind = PartnerKind::Suppliers; }), {"C01", "D02"}},
        {search([](PartnerSearch &s) { s.kind = PartnerKind::Customers; }), {"C010", "D02"}},
        {search([](PartnerSearch &s) { s.kind = PartnerKind::SuppliersOrCustomers; }), {"C01", "C010", "D02"}},
        {search([](PartnerSearch &s) { s.kind = PartnerKind::Suppliers; s.disabled = true; }), {"S01"}},
        {search([](PartnerSearch &s) { s.disabled = true; }), {"S01", "S02"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(codes(partners.search(c.search)), c.expected);
    EXPECT_EQ(partners.list().rowCount(), 4);
    EXPECT_EQ(partners.all().rowCount(), 6);
}

TEST_F(DatabaseTest, PartnerEditorChecksAndSaves)
{
    Partners partners(db());
    Partner first = partner("C1", "首钢");
    first.memo = "备注'一";
    partners.add(first);

    struct Case { const char *code; const char *name; const char *message; };
    const Case cases[] = {
        {"", "x", "请输入编码！!"},
        {"C2", "  ", "请输入往来单位名称！!"},
        {"C1 ", "x", "往来单位编码重复,请换一个编码!"},
    };
    for (const Case &c : cases) {
        try {
            partners.add(partner(c.code, c.name));
            ADD_FAILURE() << c.code;
        } catch (const RuleError &e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
    }

    const auto stored = partners.find("C1");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->memo, "备注'一");
    EXPECT_EQ(stored->barCode, "SG");

    // A changed code is kept; a code that another partner has is refused; bills keep their name.
    db().exec("INSERT INTO T_Bill (BillCode, CustName, BillType, diaobo) VALUES ('XC-1', '首钢', '销售出库', FALSE)");
    partners.add(partner("C2", "宝钢"));
    Partner renamed = *stored;
    renamed.custCode = "C9";
    renamed.custName = "首钢集团";
    partners.update("C1", renamed);
    EXPECT_EQ(partners.find("C9")->custName, "首钢集团");
    EXPECT_FALSE(partners.find("C1"));
    EXPECT_EQ(db().scalar("SELECT CustName FROM T_Bill").toString(), "首钢");
    renamed.custCode = "C2";
    EXPECT_THROW(partners.update("C9", renamed), RuleError);
    EXPECT_EQ(partners.find("C9")->custName, "首钢集团");

    renamed.custCode = "C9";
    partners.remove("C9");
    EXPECT_FALSE(partners.find("C9"));
    EXPECT_THROW(partners.update("C9", renamed), DbError); // deleted meanwhile
}
