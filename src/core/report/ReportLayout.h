#pragma once

#include <QList>
#include <QRectF>
#include <QString>

namespace kesvar::report {

// Everything in a layout is measured in millimetres; fonts in points. The model is plain data so
// that core can prepare pages without any painting library.

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

struct ReportFont
{
    QString family;     // empty: the layout's font
    double size = 0;    // points; 0: the layout's size
    bool bold = false;
    bool italic = false;

    bool operator==(const ReportFont &) const = default;
};

// Which sides of an object's rectangle get a line.
struct Frame
{
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    double width = 0.2; // mm

    bool any() const { return left || top || right || bottom; }
    static Frame all() { return {true, true, true, true}; }
    bool operator==(const Frame &) const = default;
};

// A text object. Its text mixes literals with bracketed expressions: [B."BillCode"],
// [SUM(<S."Money">)], [DATE], [TIME], [PAGE#], [TOTALPAGES#]; `format` applies to numeric values.
struct ReportObject
{
    QString name;
    QRectF rect; // relative to the band's top left corner
    QString text;
    ReportFont font;
    QString color = QStringLiteral("#000000");
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Center;
    Frame frame;
    bool wordWrap = false;
    bool hideZero = false;
    QString format; // "%2.2f", "%2.2n", "#n%2.2n", "0.00", "#,##0.00"

    bool operator==(const ReportObject &) const = default;
};

enum class BandType { ReportTitle, PageHeader, ColumnHeader, MasterData, ReportSummary, PageFooter };

struct ReportBand
{
    BandType type = BandType::MasterData;
    QString name;
    double height = 10;
    QString dataset; // data bands: the name of the dataset whose rows the band repeats
    QList<ReportObject> objects;

    bool operator==(const ReportBand &) const = default;
};

// Page size, margins, the default font and the bands. An empty layout (no bands) is what a missing
// template gives: it prints one blank page.
class ReportLayout
{
public:
    QString title;
    double pageWidth = 210;
    double pageHeight = 297;
    double marginLeft = 10;
    double marginTop = 10;
    double marginRight = 10;
    double marginBottom = 10;
    ReportFont font{QStringLiteral("Noto Serif CJK SC"), 10};
    QList<ReportBand> bands;

    bool isEmpty() const { return bands.isEmpty(); }
    double printableWidth() const { return pageWidth - marginLeft - marginRight; }

    ReportObject *findObject(const QString &name);
    const ReportObject *findObject(const QString &name) const;
    // Sets the text of the object of that name; false (and nothing changes) when there is none.
    bool setObjectText(const QString &name, const QString &text);
    // A name no object has yet: `stem` followed by the next free number.
    QString uniqueObjectName(const QString &stem) const;

    // The object's font with the layout's family and size filled in where it leaves them open.
    ReportFont effectiveFont(const ReportObject &object) const;

    static QString bandTypeName(BandType type);
    static bool bandTypeFromName(const QString &name, BandType *type);
    // Bands print in this order of their types; bands of one type keep their own order.
    static int bandTypeOrder(BandType type);
    // Inserts a band at the place its type takes in the printing order.
    int addBand(const ReportBand &band);

    bool operator==(const ReportLayout &) const = default;
};

} // namespace kesvar::report
