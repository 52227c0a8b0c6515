#include "report/ReportTemplates.h"

#include "app/DataFolder.h"
#include "report/ReportTemplate.h"

#include <QDir>
#include <QFile>

namespace kesvar::report::ReportTemplates {

namespace {
const ReportKind AllKinds[] = {ReportKind::Bill, ReportKind::Partners, ReportKind::Products,
                               ReportKind::StockLedger, ReportKind::StockSummary};

QString resourcePath(ReportKind kind)
{
    return QStringLiteral(":/core/resources/reports/%1.json").arg(baseName(kind));
}
} // namespace

QString baseName(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Bill: return QStringLiteral("fr_Bill");
    case ReportKind::Partners: return QStringLiteral("fr_Cust");
    case ReportKind::Products: return QStringLiteral("fr_Goods");
    case ReportKind::StockLedger: return QStringLiteral("Fr_DepotDetail");
    case ReportKind::StockSummary: return QStringLiteral("Fr_DepotCount");
    }
    return {};
}

QString filePath(const DataFolder &folder, ReportKind kind)
{
    return QDir(folder.reportsFolder()).filePath(baseName(kind) + QStringLiteral(".json"));
}

ReportLayout load(const DataFolder &folder, ReportKind kind)
{
    return ReportTemplate::load(filePath(folder, kind));
}

ReportLayout shipped(ReportKind kind)
{
    return ReportTemplate::load(resourcePath(kind));
}

void installMissing(const DataFolder &folder)
{
    if (!QDir().mkpath(folder.reportsFolder()))
        return;
    for (ReportKind kind : AllKinds) {
        const QString target = filePath(folder, kind);
        if (QFile::exists(target))
            continue;
        if (QFile::copy(resourcePath(kind), target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace kesvar::report::ReportTemplates
