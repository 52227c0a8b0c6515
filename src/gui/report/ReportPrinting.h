#pragma once

#include "data/RowSet.h"
#include "report/PreparedReport.h"
#include "report/ReportJob.h"
#include "report/ReportTemplates.h"

#include <QString>

class QWidget;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// Shows prepared pages in the print preview, from which the user prints, zooms and turns pages.
void showReportPreview(QWidget *parent, const report::PreparedReport &report);

// The bill window's print command: company, bill title and the total in capitals written into the
// bill report, header and lines bound, then the preview. A missing bill is reported in a box.
void printBill(QWidget *parent, Session &session, const QString &billCode);
// The list windows' print commands: the rows as the list currently shows them.
void printProducts(QWidget *parent, Session &session, const RowSet &rows);
void printPartners(QWidget *parent, Session &session, const RowSet &rows);

// The report designer on the report's template, modal. Opened from the menu it previews with the
// newest bill or the whole list; a window that has its own rows (the stock ledger and summary) hands
// over its job so that the preview shows what the window shows.
void openReportDesigner(QWidget *parent, Session &session, report::ReportKind kind);
void openReportDesigner(QWidget *parent, Session &session, report::ReportJob job);

// Prepares and previews a job a window has built (the stock ledger and summary with their rows).
void previewReport(QWidget *parent, const report::ReportJob &job);

} // namespace kesvar::gui
