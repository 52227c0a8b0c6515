#pragma once

#include "report/ReportLayout.h"

#include <QList>
#include <QRectF>
#include <QString>

namespace kesvar::report {

// One printed object: its final text and style at its place on the page (millimetres from the
// page's top left corner). Word wrap and clipping to the rectangle happen when it is painted.
struct PreparedItem
{
    QString name;
    QRectF rect;
    QString text;
    ReportFont font; // fully resolved
    QString color;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Center;
    Frame frame;
    bool wordWrap = false;
};

struct PreparedPage
{
    QList<PreparedItem> items;

    // Items whose text equals `text`, and the first item of that name (tests and the preview use them).
    QList<const PreparedItem *> itemsWithText(const QString &text) const;
    const PreparedItem *item(const QString &name) const;
};

// What painting needs: the page size and the pages with their items.
struct PreparedReport
{
    QString title;
    double pageWidth = 210;
    double pageHeight = 297;
    QList<PreparedPage> pages;
};

} // namespace kesvar::report
