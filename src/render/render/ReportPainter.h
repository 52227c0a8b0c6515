#pragma once

#include "report/PreparedReport.h"

#include <QFont>
#include <QImage>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace kesvar::render {

// Paints prepared report pages. Positions come in millimetres from the page's top left corner;
// here they become device units, and the texts are laid out for real: wrapped when the object
// asks for it, clipped to their rectangles.
class ReportPainter
{
public:
    // Paints one page with its top left corner at the painter's origin.
    static void paintPage(QPainter &painter, const report::PreparedPage &page, double dotsPerMm);

    // Sets the device's page to the report's size without margins and paints every page onto
    // it (a QPdfWriter or a QPrinter). False when the device cannot be painted on.
    static bool paintReport(const report::PreparedReport &report, QPagedPaintDevice &device);

    // Writes the report as a PDF file; false when the file cannot be written.
    static bool writePdf(const report::PreparedReport &report, const QString &filePath);

    // One page as an image at `dpi` dots per inch on white.
    static QImage renderPage(const report::PreparedReport &report, int pageIndex, double dpi);

    // The font of a report object, with CJK fallbacks for machines without the named family.
    static QFont font(const report::ReportFont &font);
};

} // namespace kesvar::render
