#include "render/ReportPainter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace kesvar::render {

using namespace kesvar::report;

namespace {

// Room between a frame line and the text, in millimetres.
constexpr double TextPadding = 0.6;

int alignmentFlags(const PreparedItem &item)
{
    int flags = 0;
    switch (item.hAlign) {
    case HAlign::Left: flags |= Qt::AlignLeft; break;
    case HAlign::Center: flags |= Qt::AlignHCenter; break;
    case HAlign::Right: flags |= Qt::AlignRight; break;
    }
    switch (item.vAlign) {
    case VAlign::Top: flags |= Qt::AlignTop; break;
    case VAlign::Center: flags |= Qt::AlignVCenter; break;
    case VAlign::Bottom: flags |= Qt::AlignBottom; break;
    }
    flags |= item.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    return flags;
}

QRectF toDevice(const QRectF &mm, double dotsPerMm)
{
    return {mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm};
}

void paintFrame(QPainter &painter, const PreparedItem &item, const QRectF &r, double dotsPerMm)
{
    if (!item.frame.any())
        return;
    QPen pen(Qt::black);
    pen.setWidthF(std::max(item.frame.width * dotsPerMm, 1.0));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    if (item.frame.left)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (item.frame.top)
        painter.drawLine(r.topLeft(), r.topRight());
    if (item.frame.right)
        painter.drawLine(r.topRight(), r.bottomRight());
    if (item.frame.bottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

// A single line that is wider than its cell is drawn smaller rather than cut off: a clipped amount
// on a bill would read as a different figure.
QFont fittingFont(QPainter &painter, const PreparedItem &item, double width)
{
    QFont f = ReportPainter::font(item.font);
    if (item.wordWrap || width <= 0)
        return f;
    const double needed = QFontMetricsF(f, painter.device()).horizontalAdvance(item.text);
    if (needed > width)
        f.setPointSizeF(std::max(f.pointSizeF() * width / needed * 0.98, 3.0));
    return f;
}

} // namespace

QFont ReportPainter::font(const ReportFont &f)
{
    QFont font;
    font.setFamilies({f.family, QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(f.size > 0 ? f.size : 10);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

void ReportPainter::paintPage(QPainter &painter, const PreparedPage &page, double dotsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PreparedItem &item : page.items) {
        const QRectF r = toDevice(item.rect, dotsPerMm);
        if (!item.text.isEmpty()) {
            const double pad = TextPadding * dotsPerMm;
            const QRectF textRect = r.adjusted(pad, 0, -pad, 0);
            painter.save();
            painter.setClipRect(r);
            painter.setFont(fittingFont(painter, item, textRect.width()));
            painter.setPen(QColor(item.color).isValid() ? QColor(item.color) : QColor(Qt::black));
            painter.drawText(textRect, alignmentFlags(item), item.text);
            painter.restore();
        }
        paintFrame(painter, item, r, dotsPerMm);
    }
    painter.restore();
}

bool ReportPainter::paintReport(const PreparedReport &report, QPagedPaintDevice &device)
{
    const QPageLayout::Orientation orientation =
        report.pageWidth > report.pageHeight ? QPageLayout::Landscape : QPageLayout::Portrait;
    // A landscape page is given by its portrait size turned; the painter then sees width x height.
    const QPageSize portrait(orientation == QPageLayout::Landscape ? QSizeF(report.pageHeight, report.pageWidth)
                                                                   : QSizeF(report.pageWidth, report.pageHeight),
                             QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    device.setPageLayout(QPageLayout(portrait, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, report.pages.at(i), dotsPerMm);
    }
    if (report.pages.isEmpty())
        painter.drawPoint(QPointF(-1, -1)); // an empty report is still one blank page
    return painter.end();
}

bool ReportPainter::writePdf(const PreparedReport &report, const QString &filePath)
{
    QPdfWriter writer(filePath);
    writer.setResolution(600);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("Kesvar"));
    return paintReport(report, writer);
}

QImage ReportPainter::renderPage(const PreparedReport &report, int pageIndex, double dpi)
{
    const double dotsPerMm = dpi / 25.4;
    QImage image(QSize(qRound(report.pageWidth * dotsPerMm), qRound(report.pageHeight * dotsPerMm)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    if (pageIndex >= 0 && pageIndex < report.pages.size()) {
        QPainter painter(&image);
        paintPage(painter, report.pages.at(pageIndex), dotsPerMm);
    }
    return image;
}

} // namespace kesvar::render
