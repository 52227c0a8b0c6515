#include "app/DataFolder.h"
#include "report/ReportTemplate.h"
#include "report/ReportTemplates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kesvar;
using namespace kesvar::report;

TEST(ReportTemplate, SaveAndLoadKeepEveryProperty)
{
    ReportLayout layout;
    layout.title = "测试";
    layout.pageWidth = 148.5;
    layout.pageHeight = 105;
    layout.marginLeft = 3;
    layout.marginTop = 4;
    layout.marginRight = 5;
    layout.marginBottom = 6.5;
    layout.font = {"Noto Sans CJK SC", 11, false, true};
    ReportBand band;
    band.type = BandType::MasterData;
    band.name = "Lines";
    band.height = 7.5;
    band.dataset = "S";
    ReportObject o;
    o.name = "Memo_X";
    o.rect = {1.5, 2.25, 30, 6};
    o.text = "金额：[S.\"Money\"]";
    o.font = {"Noto Serif CJK SC", 9.5, true, true};
    o.color = "#000080";
    o.hAlign = HAlign::Right;
    o.vAlign = VAlign::Bottom;
    o.frame = {true, false, true, true, 0.5};
    o.wordWrap = true;
    o.hideZero = true;
    o.format = "#n%2.2n";
    band.objects = {o, ReportObject()};
    layout.bands = {band};
    ReportBand footer;
    footer.type = BandType::PageFooter;
    layout.bands.append(footer);

    QTemporaryDir dir;
    const QString file = dir.filePath("x.json");
    ASSERT_TRUE(ReportTemplate::save(layout, file));
    EXPECT_EQ(ReportTemplate::load(file), layout);
}

TEST(ReportTemplate, MissingOrBrokenFilesGiveAnEmptyLayout)
{
    QTemporaryDir dir;
    EXPECT_TRUE(ReportTemplate::load(dir.filePath("none.json")).isEmpty());
    EXPECT_TRUE(ReportTemplate::fromJson("[1, 2]").isEmpty());
    EXPECT_TRUE(ReportTemplate::fromJson("{\"page\": {\"width\": 10, \"margins\": [5, 5, 5, 5]}, \"bands\": "
                                         "[{\"type\": \"pageHeader\"}]}").isEmpty());
    EXPECT_FALSE(ReportTemplate::save(ReportLayout(), dir.filePath("no/such/folder/x.json")));
}

TEST(ReportTemplates, ShippedLayoutsAreInstalledWithoutReplacingTheUsersOwn)
{
    struct Case { ReportKind kind; const char *file; double width; double height; const char *dataset; };
    const Case cases[] = {
        {ReportKind::Bill, "fr_Bill.json", 210, 180, "S"},
        {ReportKind::Partners, "fr_Cust.json", 297, 210, "C"},
        {ReportKind::Products, "fr_Goods.json", 297, 210, "G"},
        {ReportKind::StockLedger, "Fr_DepotDetail.json", 297, 210, "DD"},
        {ReportKind::StockSummary, "Fr_DepotCount.json", 297, 210, "DC"},
    };
    QTemporaryDir dir;
    const DataFolder folder(dir.filePath("home"));
    ReportTemplates::installMissing(folder);
    for (const Case &c : cases) {
        EXPECT_TRUE(QFile::exists(QDir(folder.reportsFolder()).filePath(c.file))) << c.file;
        const ReportLayout layout = ReportTemplates::load(folder, c.kind);
        EXPECT_DOUBLE_EQ(layout.pageWidth, c.width) << c.file;
        EXPECT_DOUBLE_EQ(layout.pageHeight, c.height) << c.file;
        bool bound = false;
        for (const ReportBand &band : layout.bands) {
            bound = bound || (band.type == BandType::MasterData && band.dataset == c.dataset);
            for (const ReportObject &o : band.objects)
                EXPECT_LE(o.rect.right(), layout.printableWidth() + 1e-9) << c.file << " " << o.name.toStdString();
        }
        EXPECT_TRUE(bound) << c.file;
    }

    ReportLayout mine = ReportTemplates::load(folder, ReportKind::Bill);
    mine.findObject("Memo_Company")->rect.translate(0, 2);
    ASSERT_TRUE(ReportTemplate::save(mine, ReportTemplates::filePath(folder, ReportKind::Bill)));
    ReportTemplates::installMissing(folder);
    EXPECT_EQ(ReportTemplates::load(folder, ReportKind::Bill), mine);
}

TEST(ReportTemplates, BillLayoutHasTheElevenFramedColumns)
{
    const ReportLayout layout = ReportTemplates::shipped(ReportKind::Bill);
    struct Column { const char *title; double width; const char *field; const char *format; };
    const Column columns[] = {
        {"货品编号", 20, "GoodsCode", ""}, {"货品名称", 38, "GoodsName", ""}, {"货品规格", 20, "GoodsUnit", ""},
        {"材质", 13, "GoodsCz", ""},      {"单位", 12, "Units", ""},       {"单价", 12, "Price", ""},
        {"计价方式", 16, "Cjtype", ""},   {"数量", 12, "Number", "%2.2f"}, {"重量", 12, "weight", "%2.2f"},
        {"金额", 14, "Money", "%2.2f"},   {"说明", 31, "memo", ""},
    };
    double x = 0;
    for (int i = 0; i < 11; ++i) {
        const Column &c = columns[i];
        const ReportObject *title = layout.findObject(QStringLiteral("Memo_Title%1").arg(i + 1));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text, QString::fromUtf8(c.title));
        EXPECT_DOUBLE_EQ(title->rect.left(), x);
        EXPECT_DOUBLE_EQ(title->rect.width(), c.width);
        EXPECT_EQ(title->frame, Frame::all());
        EXPECT_TRUE(title->font.bold);
        const ReportObject *cell = layout.findObject(QStringLiteral("Memo_Line%1").arg(i + 1));
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text, QStringLiteral("[S.\"%1\"]").arg(QLatin1String(c.field)));
        EXPECT_EQ(cell->format, QLatin1String(c.format)) << c.field;
        EXPECT_DOUBLE_EQ(cell->rect.left(), x);
        EXPECT_DOUBLE_EQ(cell->rect.width(), c.width);
        EXPECT_EQ(cell->frame, Frame::all());
        EXPECT_DOUBLE_EQ(layout.effectiveFont(*cell).size, 9.75) << c.field; // 13 px
        x += c.width;
    }
    EXPECT_DOUBLE_EQ(layout.marginLeft, 5);

    // The summary row: capitals across name to material, 合计 across unit to basis, the three sums.
    struct Cell { const char *name; double left; double width; const char *text; const char *format; };
    const Cell summary[] = {
        {"Memo_BigMoney", 20, 71, "", ""},
        {"Memo_SumCaption", 91, 40, "合计", ""},
        {"Memo_SumNumber", 131, 12, "[SUM(<S.\"Number\">)]", "%2.2n"},
        {"Memo_SumWeight", 143, 12, "[SUM(<S.\"weight\">)]", "%2.2n"},
        {"Memo_SumMoney", 155, 14, "[SUM(<S.\"Money\">)]", "%2.2n"},
    };
    for (const Cell &c : summary) {
        const ReportObject *o = layout.findObject(QLatin1String(c.name));
        ASSERT_NE(o, nullptr) << c.name;
        EXPECT_DOUBLE_EQ(o->rect.left(), c.left) << c.name;
        EXPECT_DOUBLE_EQ(o->rect.width(), c.width) << c.name;
        EXPECT_EQ(o->text, QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(o->format, QLatin1String(c.format)) << c.name;
        EXPECT_TRUE(o->font.bold) << c.name;
        EXPECT_EQ(o->frame, Frame::all()) << c.name;
    }
}
