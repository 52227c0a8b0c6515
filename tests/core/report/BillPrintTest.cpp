#include "TestDatabase.h"

#include "app/DataFolder.h"
#include "data/DbError.h"
#include "maintenance/Options.h"
#include "report/ReportJob.h"
#include "report/ReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kesvar;
using namespace kesvar::report;

namespace {

const QDateTime Now(QDate(2026, 5, 4), QTime(9, 30));

class BillPrintTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        m_folder = std::make_unique<DataFolder>(m_dir.path());
        m_folder->ensureExists();
        ReportTemplates::installMissing(*m_folder);
        SoftInfo info = Options(db()).load();
        info.softName = QStringLiteral("鑫达钢材贸易有限公司");
        Options(db()).save(info);
    }

    void addBill(const QString &code, const QString &type, const QList<double> &amounts)
    {
        db().exec("insert into T_Bill (BillCode, DepotName, CustName, BillType, AddDate, InOrOut, Maker, sign)"
                  " values (?, ?, ?, ?, ?, ?, ?, ?)",
                  {code, "一号库", "华东钢铁", type, QDate(2026, 4, 30), "出库", "张三", -1});
        int n = 0;
        for (double money : amounts) {
            ++n;
            db().exec("insert into T_BillDetail (BillCode, GoodsCode, GoodsName, GoodsUnit, Units, Number, Price,"
                      " Money, weight, Cjtype, memo) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                      {code, QStringLiteral("G%1").arg(n, 3, 10, QLatin1Char('0')), "螺纹钢", "Φ12", "吨", 1.0,
                       money, money, 0.5, "重量", ""});
        }
    }

    const DataFolder &folder() const { return *m_folder; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DataFolder> m_folder;
};

} // namespace

TEST_F(BillPrintTest, FillsTheProgramTextsAndBindsHeaderAndLines)
{
    addBill("XC-2026-04-30-0001", "销售出库", {1000, 234.5});
    const ReportJob job = ReportJob::bill(db(), folder(), "XC-2026-04-30-0001");
    EXPECT_EQ(job.filledLayout().findObject("Memo_Company")->text, QStringLiteral("鑫达钢材贸易有限公司"));
    EXPECT_EQ(job.filledLayout().findObject("Memo_BillType")->text, QStringLiteral("销售出库单"));
    EXPECT_EQ(job.filledLayout().findObject("Memo_BigMoney")->text, QStringLiteral("人民币壹仟贰佰叁拾肆元伍角"));

    const PreparedReport report = job.prepare(Now);
    ASSERT_EQ(report.pages.size(), 1);
    EXPECT_DOUBLE_EQ(report.pageWidth, 210);
    EXPECT_DOUBLE_EQ(report.pageHeight, 180);
    const PreparedPage &page = report.pages.first();
    EXPECT_EQ(page.item("Memo_BillCode")->text, QStringLiteral("单据编码：XC-2026-04-30-0001"));
    EXPECT_EQ(page.item("Memo_AddDate")->text, QStringLiteral("日期：2026-04-30"));
    EXPECT_EQ(page.item("Memo_Maker")->text, QStringLiteral("制单人：张三"));
    EXPECT_EQ(page.item("Memo_PrintDate")->text, QStringLiteral("打印日期：2026-05-04"));
    EXPECT_EQ(page.item("Memo_SumMoney")->text, "1,234.50");
    EXPECT_EQ(page.itemsWithText("234.50").size(), 1);
    EXPECT_EQ(page.itemsWithText("G001").size(), 1);
    EXPECT_DOUBLE_EQ(page.itemsWithText("G001").first()->rect.top(), 5 + 37);
}

TEST_F(BillPrintTest, TotalsBelowZeroAndBillsWithoutLines)
{
    addBill("XT-1", "销售退货", {-5});
    addBill("XT-2", "销售退货", {});
    EXPECT_EQ(ReportJob::bill(db(), folder(), "XT-1").filledLayout().findObject("Memo_BigMoney")->text,
              QStringLiteral("-人民币伍元整"));
    const ReportJob empty = ReportJob::bill(db(), folder(), "XT-2");
    EXPECT_EQ(empty.filledLayout().findObject("Memo_BigMoney")->text, QStringLiteral("人民币元整"));
    EXPECT_EQ(empty.prepare(Now).pages.first().item("Memo_SumMoney")->text, "0.00");
    EXPECT_THROW(ReportJob::bill(db(), folder(), "NO-SUCH"), RuleError);
}

TEST_F(BillPrintTest, SixtyLinesRepeatTheColumnTitlesAndSumOnceAtTheEnd)
{
    QList<double> amounts;
    for (int i = 1; i <= 60; ++i)
        amounts.append(i * 100.25);
    addBill("CR-60", "采购入库", amounts);
    const PreparedReport report = ReportJob::bill(db(), folder(), "CR-60").prepare(Now);

    // 180 mm page, 5 mm margins, 37 mm header, 8 mm footer: 25 rows of 5 mm on each page.
    ASSERT_EQ(report.pages.size(), 3);
    int lines = 0;
    for (qsizetype p = 0; p < report.pages.size(); ++p) {
        const PreparedPage &page = report.pages[p];
        ASSERT_EQ(page.itemsWithText(QStringLiteral("货品编号")).size(), 1) << p;
        EXPECT_EQ(page.item("Memo_Company")->text, QStringLiteral("鑫达钢材贸易有限公司"));
        EXPECT_NE(page.item("Memo_Maker"), nullptr);
        for (const PreparedItem &item : page.items)
            if (item.name == "Memo_Line1") {
                ++lines;
                EXPECT_LE(item.rect.bottom(), 180 - 5 - 8 + 1e-9);
            }
        EXPECT_EQ(page.item("Memo_BigMoney") != nullptr, p == 2) << p;
    }
    EXPECT_EQ(lines, 60);
    EXPECT_EQ(report.pages[0].itemsWithText("G025").size(), 1);
    EXPECT_EQ(report.pages[1].itemsWithText("G026").size(), 1);
    EXPECT_EQ(report.pages[2].item("Memo_SumMoney")->text, "183,457.50");
    EXPECT_EQ(report.pages[2].item("Memo_BigMoney")->text, QStringLiteral("人民币壹拾捌万叁仟肆佰伍拾柒元伍角"));
}

TEST_F(BillPrintTest, MissingOrUnreadableTemplatesGiveAnEmptyReport)
{
    addBill("QR-1", "其它入库", {10});
    const QString file = ReportTemplates::filePath(folder(), ReportKind::Bill);
    for (const QByteArray &content : {QByteArray(), QByteArray("{ not json")}) {
        QFile::remove(file);
        if (!content.isEmpty()) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const ReportJob job = ReportJob::bill(db(), folder(), "QR-1");
        EXPECT_TRUE(job.layout.isEmpty());
        const PreparedReport report = job.prepare(Now);
        ASSERT_EQ(report.pages.size(), 1);
        EXPECT_TRUE(report.pages.first().items.isEmpty());
    }
}

TEST_F(BillPrintTest, ListReportsPrintTheListAsItsWindowShowsIt)
{
    const QString insertGoods = "insert into T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, Dprice, Gprice, flag)"
                                " values (?, ?, ?, ?, ?, ?, ?)";
    db().exec(insertGoods, {"A1", "螺纹钢", "Φ12", "吨", 4100.0, 3900.0, false});
    db().exec(insertGoods, {"A2", "停用圆钢", "Φ8", "吨", 1.0, 1.0, true});
    const QString insertPartner = "insert into T_Custom (CustCode, CustName, Contact, Tel, flag) values (?, ?, ?, ?, ?)";
    db().exec(insertPartner, {"C1", "华东钢铁", "李四", "021-1234", false});
    db().exec(insertPartner, {"C2", "停用公司", "王五", "021-9999", true});

    const PreparedPage goods = ReportJob::sample(db(), folder(), ReportKind::Products).prepare(Now).pages.first();
    EXPECT_EQ(goods.itemsWithText("螺纹钢").size(), 1);
    EXPECT_EQ(goods.itemsWithText("4100").size(), 1);
    EXPECT_TRUE(goods.itemsWithText("停用圆钢").isEmpty());
    const PreparedPage partners = ReportJob::sample(db(), folder(), ReportKind::Partners).prepare(Now).pages.first();
    EXPECT_EQ(partners.itemsWithText("华东钢铁").size(), 1);
    EXPECT_EQ(partners.itemsWithText("021-1234").size(), 1);
    EXPECT_TRUE(partners.itemsWithText("停用公司").isEmpty());
}

TEST_F(BillPrintTest, ATemplateWithoutTheCapitalsObjectPrintsWithoutIt)
{
    addBill("QC-1", "其它出库", {99.5});
    ReportLayout layout = ReportTemplates::load(folder(), ReportKind::Bill);
    for (ReportBand &band : layout.bands)
        band.objects.removeIf([](const ReportObject &o) { return o.name == "Memo_BigMoney"; });
    ASSERT_TRUE(ReportTemplate::save(layout, ReportTemplates::filePath(folder(), ReportKind::Bill)));

    const PreparedPage page = ReportJob::bill(db(), folder(), "QC-1").prepare(Now).pages.value(0);
    EXPECT_EQ(page.item("Memo_BigMoney"), nullptr);
    EXPECT_TRUE(page.itemsWithText(QStringLiteral("人民币玖拾玖元伍角")).isEmpty());
    EXPECT_EQ(page.item("Memo_BillType")->text, QStringLiteral("其它出库单"));
    EXPECT_EQ(page.item("Memo_SumMoney")->text, "99.50");
}
