#include "render/ReportPainter.h"
#include "report/ReportTemplates.h"
#include "report/ReportPreparer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kesvar;
using namespace kesvar::report;
using kesvar::render::ReportPainter;

namespace {

PreparedReport sampleBill()
{
    ReportLayout layout = ReportTemplates::shipped(ReportKind::Bill);
    layout.setObjectText("Memo_Company", "鑫达钢材");
    layout.setObjectText("Memo_BigMoney", "人民币壹拾贰万叁仟肆佰伍拾陆元柒角捌分");
    RowSet lines({"GoodsCode", "GoodsName", "Money"});
    lines.appendRow({"A1", "螺纹钢", 123456.78});
    ReportData data;
    data.bind("S", lines);
    return ReportPreparer(layout).prepare(data);
}

int darkPixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
    return dark;
}

} // namespace

TEST(ReportPainter, PaintsTextsAndFramesWhereThePreparedPageSays)
{
    const PreparedReport report = sampleBill();
    const QImage image = ReportPainter::renderPage(report, 0, 100);
    const double dotsPerMm = 100 / 25.4;
    EXPECT_EQ(image.width(), qRound(210 * dotsPerMm));
    EXPECT_EQ(image.height(), qRound(180 * dotsPerMm));

    auto area = [&](const QRectF &mm) {
        return QRect(QPoint(int(mm.left() * dotsPerMm) + 2, int(mm.top() * dotsPerMm) + 2),
                     QPoint(int(mm.right() * dotsPerMm) - 2, int(mm.bottom() * dotsPerMm) - 2));
    };
    const PreparedPage &page = report.pages.first();
    EXPECT_GT(darkPixels(image, area(page.item("Memo_Company")->rect)), 50);    // the company name is drawn
    EXPECT_EQ(darkPixels(image, area(page.item("Memo_SumEmpty2")->rect)), 0); // an empty cell stays empty
    EXPECT_EQ(darkPixels(image, area({5, 150, 200, 10})), 0);                  // below the summary: nothing
    // The framed title row: its top line is drawn across the page.
    const int titleTop = qRound(page.item("Memo_Title1")->rect.top() * dotsPerMm);
    EXPECT_GT(darkPixels(image, QRect(int(5 * dotsPerMm), titleTop - 1, int(200 * dotsPerMm), 3)), int(180 * dotsPerMm));
}

TEST(ReportPainter, WritesAPdfWithEmbeddedCjkFonts)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("bill.pdf");
    ASSERT_TRUE(ReportPainter::writePdf(sampleBill(), file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains("NotoSerifCJK"));
    EXPECT_FALSE(ReportPainter::writePdf(sampleBill(), dir.filePath("missing/dir/x.pdf")));
}

TEST(ReportPainter, AFigureTooWideForItsCellIsDrawnSmallerNotCut)
{
    // The same amount in a cell far too narrow for it and in one wide enough. Cut to its cell it would
    // lose digits (and read as another figure); drawn smaller it keeps the shape of the whole text.
    PreparedReport report;
    report.pageWidth = 60;
    report.pageHeight = 30;
    PreparedPage page;
    const QRectF cells[] = {{10, 5, 12, 5}, {10, 15, 40, 5}};
    for (const QRectF &cell : cells) {
        PreparedItem item;
        item.rect = cell;
        item.text = QStringLiteral("1,234,567,890.12");
        item.font = {QStringLiteral("Noto Serif CJK SC"), 9.75};
        item.color = QStringLiteral("#000000");
        item.hAlign = HAlign::Right;
        page.items.append(item);
    }
    report.pages = {page};
    const double dotsPerMm = 300 / 25.4;
    const QImage image = ReportPainter::renderPage(report, 0, 300);
    auto ink = [&](const QRectF &cell) {
        QRect found;
        for (int y = qRound(cell.top() * dotsPerMm); y < qRound(cell.bottom() * dotsPerMm); ++y)
            for (int x = qRound(cell.left() * dotsPerMm); x < qRound(cell.right() * dotsPerMm); ++x)
                if (qGray(image.pixel(x, y)) < 160)
                    found |= QRect(x, y, 1, 1);
        return found;
    };
    const QRect narrow = ink(cells[0]);
    const QRect wide = ink(cells[1]);
    ASSERT_FALSE(narrow.isEmpty());
    ASSERT_FALSE(wide.isEmpty());
    EXPECT_LT(narrow.height(), wide.height());
    const double narrowShape = double(narrow.width()) / narrow.height();
    const double wideShape = double(wide.width()) / wide.height();
    EXPECT_NEAR(narrowShape / wideShape, 1.0, 0.15);
}
