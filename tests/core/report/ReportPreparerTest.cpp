#include "report/ReportPreparer.h"
#include "report/ReportTemplates.h"

#include <gtest/gtest.h>

using namespace kesvar;
using namespace kesvar::report;

namespace {

const QDateTime Now(QDate(2026, 5, 4), QTime(9, 30, 15));

ReportObject textObject(const QString &name, QRectF rect, const QString &text, const QString &format = {})
{
    ReportObject o;
    o.name = name;
    o.rect = rect;
    o.text = text;
    o.format = format;
    return o;
}

ReportBand bandOf(BandType type, double height, QList<ReportObject> objects, const QString &dataset = {})
{
    ReportBand b;
    b.type = type;
    b.height = height;
    b.dataset = dataset;
    b.objects = std::move(objects);
    return b;
}

// A4 portrait with 10 mm margins: 277 mm between the margins.
ReportLayout listLayout()
{
    ReportLayout layout;
    layout.addBand(bandOf(BandType::PageFooter, 7, {textObject("Foot", {0, 0, 190, 7}, "第[PAGE#]页 共[TOTALPAGES#]页 [DATE] [TIME]")}));
    layout.addBand(bandOf(BandType::MasterData, 10, {textObject("Code", {0, 0, 40, 10}, "[L.\"Code\"]"),
                                                    textObject("Money", {40, 0, 40, 10}, "[L.Money]", "%2.2n")}, "L"));
    layout.addBand(bandOf(BandType::ReportSummary, 10, {textObject("Sum", {40, 0, 40, 10}, "合计[SUM(<L.\"Money\">)]", "%2.2n"),
                                                       textObject("Count", {80, 0, 20, 10}, "[COUNT(<L.\"Money\">)]")}));
    layout.addBand(bandOf(BandType::ColumnHeader, 8, {textObject("Head", {0, 0, 40, 8}, "编码")}));
    layout.addBand(bandOf(BandType::ReportTitle, 20, {textObject("Title", {0, 0, 190, 20}, "清单")}));
    return layout;
}

RowSet rows(int count)
{
    RowSet set({QStringLiteral("Code"), QStringLiteral("Money")});
    for (int i = 1; i <= count; ++i)
        set.appendRow({QStringLiteral("A%1").arg(i), 1000.5 * i});
    return set;
}

} // namespace

TEST(ReportPreparer, BreaksPagesAndRepeatsHeadersAndFooters)
{
    const ReportLayout layout = listLayout();
    ASSERT_EQ(layout.bands.first().type, BandType::ReportTitle); // bands sort into printing order
    ReportData data;
    data.bind("l", rows(50));
    const PreparedReport report = ReportPreparer(layout).prepare(data, Now);

    // Page 1: 10 + 20 title + 8 header, footer from 280: 24 rows fit (38 + 240 = 278).
    // Page 2: 10 + 8 header: 26 rows (18 + 260 = 278) -> 50 rows need exactly two pages, and the
    // summary no longer fits on page 2.
    ASSERT_EQ(report.pages.size(), 3);
    EXPECT_EQ(report.pages[0].itemsWithText("清单").size(), 1);
    EXPECT_TRUE(report.pages[1].itemsWithText("清单").isEmpty());
    for (int p = 0; p < 3; ++p) {
        const QList<const PreparedItem *> heads = report.pages[p].itemsWithText("编码");
        ASSERT_EQ(heads.size(), 1) << p;
        EXPECT_DOUBLE_EQ(heads.first()->rect.top(), p == 0 ? 30 : 10);
        const PreparedItem *foot = report.pages[p].item("Foot");
        ASSERT_NE(foot, nullptr);
        EXPECT_EQ(foot->text, QStringLiteral("第%1页 共3页 2026-05-04 09:30:15").arg(p + 1));
        EXPECT_DOUBLE_EQ(foot->rect.top(), 280);
        EXPECT_DOUBLE_EQ(foot->rect.left(), 10);
    }
    const PreparedItem *first = report.pages[0].item("Code");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text, "A1");
    EXPECT_DOUBLE_EQ(first->rect.top(), 38);
    EXPECT_EQ(report.pages[0].itemsWithText("A24").size(), 1);
    EXPECT_TRUE(report.pages[0].itemsWithText("A25").isEmpty());
    ASSERT_EQ(report.pages[1].itemsWithText("A25").size(), 1);
    EXPECT_DOUBLE_EQ(report.pages[1].itemsWithText("A25").first()->rect.top(), 18);
    EXPECT_EQ(report.pages[1].itemsWithText("A50").size(), 1);
    EXPECT_EQ(report.pages[1].itemsWithText("50,025.00").size(), 1);

    // Summary once, alone on the last page, below its header.
    const PreparedItem *sum = report.pages[2].item("Sum");
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->text, QStringLiteral("合计1,275,637.50"));
    EXPECT_DOUBLE_EQ(sum->rect.top(), 18);
    EXPECT_EQ(report.pages[2].item("Count")->text, "50");
    EXPECT_EQ(report.pages[0].item("Sum"), nullptr);
    EXPECT_EQ(report.pages[1].item("Sum"), nullptr);
}

TEST(ReportPreparer, EmptyLayoutAndEmptyDataset)
{
    const PreparedReport blank = ReportPreparer(ReportLayout()).prepare(ReportData(), Now);
    ASSERT_EQ(blank.pages.size(), 1);
    EXPECT_TRUE(blank.pages.first().items.isEmpty());

    // Without rows (or without the dataset at all) the bands around the data still print.
    const ReportLayout layout = listLayout();
    for (bool bind : {true, false}) {
        ReportData data;
        if (bind)
            data.bind("L", rows(0));
        const PreparedReport report = ReportPreparer(layout).prepare(data, Now);
        ASSERT_EQ(report.pages.size(), 1);
        EXPECT_EQ(report.pages[0].item("Code"), nullptr);
        EXPECT_EQ(report.pages[0].item("Sum")->text, QStringLiteral("合计0.00"));
        EXPECT_DOUBLE_EQ(report.pages[0].item("Sum")->rect.top(), 38);
    }
}

TEST(ReportPreparer, ExpandsFieldsFormatsAndHideZero)
{
    ReportLayout layout;
    ReportObject zero = textObject("Zero", {0, 0, 10, 5}, "[H.\"Qty\"]", "%2.2f");
    zero.hideZero = true;
    ReportObject zeroShown = textObject("ZeroShown", {0, 0, 10, 5}, "[H.\"Qty\"]", "%2.2f");
    layout.addBand(bandOf(BandType::PageHeader, 10, {
        textObject("Mixed", {0, 0, 50, 5}, "单号：[H.\"Code\"] / [H.\"Amount\" #n%2.2n] / [H.\"Amount\"]", "%2.2f"),
        zero, zeroShown,
        textObject("Missing", {0, 0, 50, 5}, "[H.\"NoSuchField\"][X.\"Code\"]"),
        textObject("Literal", {0, 0, 50, 5}, "[not an expression] [DATE"),
        textObject("Date", {0, 0, 50, 5}, "[H.\"Day\"]"),
    }));
    RowSet header({"Code", "Amount", "Qty", "Day"});
    header.appendRow({"XC-1", 1234567.891, 0.0, QDate(2026, 1, 2)});
    ReportData data;
    data.bind("H", header);
    const PreparedPage page = ReportPreparer(layout).prepare(data, Now).pages.value(0);

    EXPECT_EQ(page.item("Mixed")->text, QStringLiteral("单号：XC-1 / 1,234,567.89 / 1234567.89"));
    EXPECT_EQ(page.item("Zero")->text, "");
    EXPECT_EQ(page.item("ZeroShown")->text, "0.00");
    EXPECT_EQ(page.item("Missing")->text, "");
    EXPECT_EQ(page.item("Literal")->text, "[not an expression] [DATE");
    EXPECT_EQ(page.item("Date")->text, "2026-01-02");
}

TEST(ReportPreparer, ObjectsAreFoundByNameOnlyWhenPresent)
{
    ReportLayout layout = ReportTemplates::shipped(ReportKind::Bill);
    ASSERT_FALSE(layout.isEmpty());
    EXPECT_TRUE(layout.setObjectText("memo_bigmoney", "人民币元整"));
    EXPECT_EQ(layout.findObject("Memo_BigMoney")->text, "人民币元整");

    layout.bands[2].objects.removeIf([](const ReportObject &o) { return o.name == "Memo_BigMoney"; });
    const ReportLayout before = layout;
    EXPECT_FALSE(layout.setObjectText("Memo_BigMoney", "人民币元整"));
    EXPECT_EQ(layout, before);
    EXPECT_NE(ReportPreparer(layout).prepare(ReportData(), Now).pages.size(), 0);
}
