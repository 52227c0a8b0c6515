#include "report/ReportJob.h"

#include "app/DataFolder.h"
#include "bills/AmountInCapitals.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "maintenance/Options.h"
#include "masterdata/Partners.h"
#include "masterdata/Products.h"
#include "report/ReportPreparer.h"

namespace kesvar::report {

ReportLayout ReportJob::filled(ReportLayout other) const
{
    for (auto it = objectTexts.constBegin(); it != objectTexts.constEnd(); ++it)
        other.setObjectText(it.key(), it.value());
    return other;
}

PreparedReport ReportJob::prepare(const QDateTime &now) const
{
    return prepare(layout, now);
}

PreparedReport ReportJob::prepare(const ReportLayout &other, const QDateTime &now) const
{
    const ReportLayout used = filled(other);
    return ReportPreparer(used).prepare(data, now);
}

ReportJob ReportJob::bill(Database &db, const DataFolder &folder, const QString &billCode)
{
    RowSet header = ReportRows::billHeader(db, billCode);
    if (header.isEmpty())
        throw RuleError(QStringLiteral("单据%1不存在!").arg(billCode));

    ReportJob job;
    job.kind = ReportKind::Bill;
    job.layout = ReportTemplates::load(folder, ReportKind::Bill);
    job.objectTexts.insert(QStringLiteral("Memo_Company"), Options(db).load().softName);
    job.objectTexts.insert(QStringLiteral("Memo_BillType"),
                           header.value(0, QStringLiteral("BillType")).toString() + QStringLiteral("单"));
    job.objectTexts.insert(QStringLiteral("Memo_BigMoney"), AmountInCapitals(ReportRows::billTotal(db, billCode)));
    job.data.bind(QStringLiteral("B"), std::move(header));
    job.data.bind(QStringLiteral("S"), ReportRows::billLines(db, billCode));
    return job;
}

ReportJob ReportJob::products(const DataFolder &folder, RowSet rows)
{
    return forRows(folder, ReportKind::Products, QStringLiteral("G"), std::move(rows));
}

ReportJob ReportJob::partners(const DataFolder &folder, RowSet rows)
{
    return forRows(folder, ReportKind::Partners, QStringLiteral("C"), std::move(rows));
}

ReportJob ReportJob::forRows(const DataFolder &folder, ReportKind kind, const QString &dataset, RowSet rows,
                             const QMap<QString, QString> &objectTexts)
{
    ReportJob job;
    job.kind = kind;
    job.layout = ReportTemplates::load(folder, kind);
    job.objectTexts = objectTexts;
    job.data.bind(dataset, std::move(rows));
    return job;
}

ReportJob ReportJob::sample(Database &db, const DataFolder &folder, ReportKind kind)
{
    switch (kind) {
    case ReportKind::Bill: {
        const QString code = ReportRows::newestBillCode(db);
        if (!code.isEmpty())
            return bill(db, folder, code);
        ReportJob job;
        job.layout = ReportTemplates::load(folder, kind);
        return job;
    }
    case ReportKind::Products: return products(folder, Products(db).list());
    case ReportKind::Partners: return partners(folder, Partners(db).list());
    case ReportKind::StockLedger: return forRows(folder, kind, QStringLiteral("DD"), RowSet());
    case ReportKind::StockSummary: return forRows(folder, kind, QStringLiteral("DC"), RowSet());
    }
    return {};
}

namespace ReportRows {

RowSet billHeader(Database &db, const QString &billCode)
{
    return db.select(QStringLiteral("select * from T_Bill where BillCode = ?"), {billCode});
}

RowSet billLines(Database &db, const QString &billCode)
{
    return db.select(QStringLiteral("select * from T_BillDetail where BillCode = ? order by BillDetailID"),
                     {billCode});
}

QString newestBillCode(Database &db)
{
    return db.scalar(QStringLiteral("select BillCode from T_Bill order by BillID desc")).toString();
}

double billTotal(Database &db, const QString &billCode)
{
    return db.scalar(QStringLiteral("select sum(Money) as T_Mon from T_BillDetail where BillCode = ?"), {billCode})
        .toDouble();
}

} // namespace ReportRows

} // namespace kesvar::report
