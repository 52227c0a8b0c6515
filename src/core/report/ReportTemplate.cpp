#include "report/ReportTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace kesvar::report::ReportTemplate {

namespace {

const char *alignName(HAlign a)
{
    switch (a) {
    case HAlign::Center: return "center";
    case HAlign::Right: return "right";
    case HAlign::Left: break;
    }
    return "left";
}

HAlign alignFrom(const QString &s)
{
    if (s == QLatin1String("center"))
        return HAlign::Center;
    if (s == QLatin1String("right"))
        return HAlign::Right;
    return HAlign::Left;
}

const char *valignName(VAlign a)
{
    switch (a) {
    case VAlign::Top: return "top";
    case VAlign::Bottom: return "bottom";
    case VAlign::Center: break;
    }
    return "center";
}

VAlign valignFrom(const QString &s)
{
    if (s == QLatin1String("top"))
        return VAlign::Top;
    if (s == QLatin1String("bottom"))
        return VAlign::Bottom;
    return VAlign::Center;
}

QJsonObject fontToJson(const ReportFont &f)
{
    QJsonObject o;
    if (!f.family.isEmpty())
        o.insert(QStringLiteral("family"), f.family);
    if (f.size > 0)
        o.insert(QStringLiteral("size"), f.size);
    if (f.bold)
        o.insert(QStringLiteral("bold"), true);
    if (f.italic)
        o.insert(QStringLiteral("italic"), true);
    return o;
}

ReportFont fontFrom(const QJsonObject &o)
{
    ReportFont f;
    f.family = o.value(QStringLiteral("family")).toString();
    f.size = o.value(QStringLiteral("size")).toDouble();
    f.bold = o.value(QStringLiteral("bold")).toBool();
    f.italic = o.value(QStringLiteral("italic")).toBool();
    return f;
}

QString frameText(const Frame &f)
{
    QString s;
    if (f.left)
        s += QLatin1Char('l');
    if (f.top)
        s += QLatin1Char('t');
    if (f.right)
        s += QLatin1Char('r');
    if (f.bottom)
        s += QLatin1Char('b');
    return s;
}

QJsonObject objectToJson(const ReportObject &ob)
{
    const ReportObject defaults;
    QJsonObject o;
    o.insert(QStringLiteral("name"), ob.name);
    o.insert(QStringLiteral("x"), ob.rect.x());
    o.insert(QStringLiteral("y"), ob.rect.y());
    o.insert(QStringLiteral("width"), ob.rect.width());
    o.insert(QStringLiteral("height"), ob.rect.height());
    o.insert(QStringLiteral("text"), ob.text);
    const QJsonObject font = fontToJson(ob.font);
    if (!font.isEmpty())
        o.insert(QStringLiteral("font"), font);
    if (ob.color != defaults.color)
        o.insert(QStringLiteral("color"), ob.color);
    if (ob.hAlign != defaults.hAlign)
        o.insert(QStringLiteral("align"), QLatin1String(alignName(ob.hAlign)));
    if (ob.vAlign != defaults.vAlign)
        o.insert(QStringLiteral("valign"), QLatin1String(valignName(ob.vAlign)));
    if (ob.frame.any())
        o.insert(QStringLiteral("frame"), frameText(ob.frame));
    if (ob.frame.width != defaults.frame.width)
        o.insert(QStringLiteral("frameWidth"), ob.frame.width);
    if (ob.wordWrap)
        o.insert(QStringLiteral("wordWrap"), true);
    if (ob.hideZero)
        o.insert(QStringLiteral("hideZero"), true);
    if (!ob.format.isEmpty())
        o.insert(QStringLiteral("format"), ob.format);
    return o;
}

ReportObject objectFrom(const QJsonObject &o)
{
    const ReportObject defaults;
    ReportObject ob;
    ob.name = o.value(QStringLiteral("name")).toString();
    ob.rect = QRectF(o.value(QStringLiteral("x")).toDouble(), o.value(QStringLiteral("y")).toDouble(),
                     o.value(QStringLiteral("width")).toDouble(), o.value(QStringLiteral("height")).toDouble());
    ob.text = o.value(QStringLiteral("text")).toString();
    ob.font = fontFrom(o.value(QStringLiteral("font")).toObject());
    ob.color = o.value(QStringLiteral("color")).toString(defaults.color);
    ob.hAlign = alignFrom(o.value(QStringLiteral("align")).toString());
    ob.vAlign = valignFrom(o.value(QStringLiteral("valign")).toString());
    const QString frame = o.value(QStringLiteral("frame")).toString();
    ob.frame.left = frame.contains(QLatin1Char('l'));
    ob.frame.top = frame.contains(QLatin1Char('t'));
    ob.frame.right = frame.contains(QLatin1Char('r'));
    ob.frame.bottom = frame.contains(QLatin1Char('b'));
    ob.frame.width = o.value(QStringLiteral("frameWidth")).toDouble(defaults.frame.width);
    ob.wordWrap = o.value(QStringLiteral("wordWrap")).toBool();
    ob.hideZero = o.value(QStringLiteral("hideZero")).toBool();
    ob.format = o.value(QStringLiteral("format")).toString();
    return ob;
}

} // namespace

ReportLayout fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {};
    const QJsonObject root = document.object();
    ReportLayout layout;
    layout.title = root.value(QStringLiteral("title")).toString();
    const QJsonObject page = root.value(QStringLiteral("page")).toObject();
    layout.pageWidth = page.value(QStringLiteral("width")).toDouble(layout.pageWidth);
    layout.pageHeight = page.value(QStringLiteral("height")).toDouble(layout.pageHeight);
    const QJsonArray margins = page.value(QStringLiteral("margins")).toArray();
    if (margins.size() == 4) {
        layout.marginLeft = margins.at(0).toDouble();
        layout.marginTop = margins.at(1).toDouble();
        layout.marginRight = margins.at(2).toDouble();
        layout.marginBottom = margins.at(3).toDouble();
    }
    if (root.contains(QStringLiteral("font")))
        layout.font = fontFrom(root.value(QStringLiteral("font")).toObject());
    for (const QJsonValue &b : root.value(QStringLiteral("bands")).toArray()) {
        const QJsonObject bo = b.toObject();
        ReportBand band;
        if (!ReportLayout::bandTypeFromName(bo.value(QStringLiteral("type")).toString(), &band.type))
            continue;
        band.name = bo.value(QStringLiteral("name")).toString();
        band.height = bo.value(QStringLiteral("height")).toDouble(band.height);
        band.dataset = bo.value(QStringLiteral("dataset")).toString();
        for (const QJsonValue &o : bo.value(QStringLiteral("objects")).toArray())
            band.objects.append(objectFrom(o.toObject()));
        layout.bands.append(band);
    }
    // A layout that cannot print anything sensible is treated like a missing file.
    if (layout.pageWidth <= layout.marginLeft + layout.marginRight
        || layout.pageHeight <= layout.marginTop + layout.marginBottom)
        return {};
    return layout;
}

ReportLayout load(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromJson(file.readAll());
}

QByteArray toJson(const ReportLayout &layout)
{
    QJsonObject root;
    root.insert(QStringLiteral("title"), layout.title);
    QJsonObject page;
    page.insert(QStringLiteral("width"), layout.pageWidth);
    page.insert(QStringLiteral("height"), layout.pageHeight);
    page.insert(QStringLiteral("margins"), QJsonArray{layout.marginLeft, layout.marginTop,
                                                      layout.marginRight, layout.marginBottom});
    root.insert(QStringLiteral("page"), page);
    root.insert(QStringLiteral("font"), fontToJson(layout.font));
    QJsonArray bands;
    for (const ReportBand &band : layout.bands) {
        QJsonObject bo;
        bo.insert(QStringLiteral("type"), ReportLayout::bandTypeName(band.type));
        bo.insert(QStringLiteral("name"), band.name);
        bo.insert(QStringLiteral("height"), band.height);
        if (!band.dataset.isEmpty())
            bo.insert(QStringLiteral("dataset"), band.dataset);
        QJsonArray objects;
        for (const ReportObject &object : band.objects)
            objects.append(objectToJson(object));
        bo.insert(QStringLiteral("objects"), objects);
        bands.append(bo);
    }
    root.insert(QStringLiteral("bands"), bands);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool save(const ReportLayout &layout, const QString &filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toJson(layout));
    return file.commit();
}

} // namespace kesvar::report::ReportTemplate
