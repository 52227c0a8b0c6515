#pragma once

#include "data/RowSet.h"
#include "report/PreparedReport.h"
#include "report/ReportData.h"
#include "report/ReportLayout.h"
#include "report/ReportTemplates.h"

#include <QDateTime>
#include <QMap>

namespace kesvar {
class Database;
class DataFolder;
}

namespace kesvar::report {

// A report ready to prepare: the layout from its template, the texts the program writes into named
// objects, and the datasets bound. What the print commands of the windows and of the command line
// build before they preview, print or write a file; the designer previews its own layout with them.
struct ReportJob
{
    ReportKind kind = ReportKind::Bill;
    ReportLayout layout;
    QMap<QString, QString> objectTexts; // object name -> text, written only where the object exists
    ReportData data;

    // `layout` with the object texts written in.
    ReportLayout filledLayout() const { return filled(layout); }
    ReportLayout filled(ReportLayout other) const;
    PreparedReport prepare(const QDateTime &now = QDateTime::currentDateTime()) const;
    PreparedReport prepare(const ReportLayout &other, const QDateTime &now = QDateTime::currentDateTime()) const;

    // The bill print: "B" = the header row, "S" = its lines in entry order; Memo_Company :=
    // SoftName, Memo_BillType := bill type + "单", Memo_BigMoney := the stored total in capitals
    // ("-" in front for a total below zero), each only when the layout has that object.
    // Throws RuleError when there is no bill of that number.
    static ReportJob bill(Database &db, const DataFolder &folder, const QString &billCode);
    // A list report over rows its window shows ("G" for products, "C" for partners).
    static ReportJob products(const DataFolder &folder, RowSet rows);
    static ReportJob partners(const DataFolder &folder, RowSet rows);
    // A report over one dataset with texts for its Memo_ objects (stock ledger "DD", summary "DC").
    static ReportJob forRows(const DataFolder &folder, ReportKind kind, const QString &dataset, RowSet rows,
                             const QMap<QString, QString> &objectTexts = {});
    // What the designer previews when it is opened from the menu: the newest bill, or the product or
    // partner list as its window first shows it (enabled entries in list order); the stock reports
    // without rows.
    static ReportJob sample(Database &db, const DataFolder &folder, ReportKind kind);
};

// The rows of the bill report.
namespace ReportRows {
// The header of one bill and its lines, in the order they were entered.
RowSet billHeader(Database &db, const QString &billCode);
RowSet billLines(Database &db, const QString &billCode);
// The number of the bill saved last; empty when there is none.
QString newestBillCode(Database &db);
// The stored total of the bill's lines (0 without lines).
double billTotal(Database &db, const QString &billCode);
} // namespace ReportRows

} // namespace kesvar::report
