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
    const char *titles[] = {"货品编号", "货品名称", "货品规格", "材质", "单位", "单价", "计价方式", "数量", "重量", "金额", "说明"};
    const double widths[] = {20, 38, 20, 13, 12, 12, 16, 12, 12, 14, 31};
    double x = 0;
    for (int i = 0; i < 11; ++i) {
        const ReportObject *title = layout.findObject(QStringLiteral("Memo_Title%1").arg(i + 1));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text, QString::fromUtf8(titles[i]));
        EXPECT_DOUBLE_EQ(title->rect.left(), x);
        EXPECT_DOUBLE_EQ(title->rect.width(), widths[i]);
        EXPECT_EQ(title->frame, Frame::all());
        const ReportObject *cell = layout.findObject(QStringLiteral("Memo_Line%1").arg(i + 1));
        ASSERT_NE(cell, nullptr);
        EXPECT_DOUBLE_EQ(cell->rect.left(), x);
        EXPECT_DOUBLE_EQ(cell->rect.width(), widths[i]);
        x += widths[i];
    }
    EXPECT_DOUBLE_EQ(layout.marginLeft, 5);
    EXPECT_NE(layout.findObject("Memo_BigMoney"), nullptr);
}
