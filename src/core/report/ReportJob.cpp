#include "report/ReportJob.h"

#include "app/DataFolder.h"
#include "bills/AmountInCapitals.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "maintenance/Options.h"
#include "report/ReportPreparer.h"

namespace kesvar::report {

PreparedReport ReportJob::prepare(const QDateTime &now) const
{
    return ReportPreparer(layout).prepare(data, now);
}

ReportJob ReportJob::bill(Database &db, const DataFolder &folder, const QString &billCode)
{
    RowSet header = ReportRows::billHeader(db, billCode);
    if (header.isEmpty())
        throw RuleError(QStringLiteral("单据%1不存在!").arg(billCode));

    ReportJob job;
    job.kind = ReportKind::Bill;
    job.layout = ReportTemplates::load(folder, ReportKind::Bill);
    job.layout.setObjectText(QStringLiteral("Memo_Company"), Options(db).load().softName);
    job.layout.setObjectText(QStringLiteral("Memo_BillType"),
                             header.value(0, QStringLiteral("BillType")).toString() + QStringLiteral("单"));
    job.layout.setObjectText(QStringLiteral("Memo_BigMoney"), AmountInCapitals(ReportRows::billTotal(db, billCode)));
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
    for (auto it = objectTexts.constBegin(); it != objectTexts.constEnd(); ++it)
        job.layout.setObjectText(it.key(), it.value());
    job.data.bind(dataset, std::move(rows));
    return job;
}

namespace ReportRows {

RowSet allProducts(Database &db)
{
    return db.select(QStringLiteral("select * from T_Goods order by GoodsCode"));
}

RowSet allPartners(Database &db)
{
    return db.select(QStringLiteral("select * from T_Custom order by CustCode"));
}

RowSet billHeader(Database &db, const QString &billCode)
{
    return db.select(QStringLiteral("select * from T_Bill where BillCode = ?"), {billCode});
}

RowSet billLines(Database &db, const QString &billCode)
{
    return db.select(QStringLiteral("select * from T_BillDetail where BillCode = ? order by BillDetailID"),
                     {billCode});
}

double billTotal(Database &db, const QString &billCode)
{
    return db.scalar(QStringLiteral("select sum(Money) as T_Mon from T_BillDetail where BillCode = ?"), {billCode})
        .toDouble();
}

} // namespace ReportRows

} // namespace kesvar::report
