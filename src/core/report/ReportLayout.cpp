#include "report/ReportLayout.h"

namespace kesvar::report {

namespace {
struct BandTypeInfo
{
    BandType type;
    const char *name;
};
const BandTypeInfo BandTypes[] = {
    {BandType::ReportTitle, "reportTitle"},   {BandType::PageHeader, "pageHeader"},
    {BandType::ColumnHeader, "columnHeader"}, {BandType::MasterData, "masterData"},
    {BandType::ReportSummary, "reportSummary"}, {BandType::PageFooter, "pageFooter"},
};
} // namespace

ReportObject *ReportLayout::findObject(const QString &name)
{
    for (ReportBand &band : bands)
        for (ReportObject &object : band.objects)
            if (object.name.compare(name, Qt::CaseInsensitive) == 0)
                return &object;
    return nullptr;
}

const ReportObject *ReportLayout::findObject(const QString &name) const
{
    return const_cast<ReportLayout *>(this)->findObject(name);
}

bool ReportLayout::setObjectText(const QString &name, const QString &text)
{
    ReportObject *object = findObject(name);
    if (!object)
        return false;
    object->text = text;
    return true;
}

QString ReportLayout::uniqueObjectName(const QString &stem) const
{
    for (int n = 1;; ++n) {
        const QString candidate = stem + QString::number(n);
        if (!findObject(candidate))
            return candidate;
    }
}

ReportFont ReportLayout::effectiveFont(const ReportObject &object) const
{
    ReportFont f = object.font;
    if (f.family.isEmpty())
        f.family = font.family;
    if (f.size <= 0)
        f.size = font.size;
    return f;
}

QString ReportLayout::bandTypeName(BandType type)
{
    for (const BandTypeInfo &info : BandTypes)
        if (info.type == type)
            return QString::fromLatin1(info.name);
    return {};
}

bool ReportLayout::bandTypeFromName(const QString &name, BandType *type)
{
    for (const BandTypeInfo &info : BandTypes) {
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0) {
            *type = info.type;
            return true;
        }
    }
    return false;
}

int ReportLayout::bandTypeOrder(BandType type)
{
    return int(type);
}

int ReportLayout::addBand(const ReportBand &band)
{
    qsizetype at = 0;
    while (at < bands.size() && bandTypeOrder(bands.at(at).type) <= bandTypeOrder(band.type))
        ++at;
    bands.insert(at, band);
    return int(at);
}

} // namespace kesvar::report
