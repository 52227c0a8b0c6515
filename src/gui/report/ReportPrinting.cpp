#include "report/ReportPrinting.h"

#include "app/AppHome.h"
#include "app/Session.h"
#include "data/DbError.h"
#include "render/ReportPainter.h"
#include "report/ReportDesigner.h"
#include "report/ReportJob.h"

#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kesvar::gui {

namespace {

template<typename Build>
void previewJob(QWidget *parent, Build build)
{
    try {
        const report::ReportJob job = build();
        showReportPreview(parent, job.prepare());
    } catch (const RuleError &e) {
        QMessageBox::information(parent, QStringLiteral("警告"), e.message());
    } catch (const DbError &e) {
        QMessageBox::critical(parent, QStringLiteral("错误"), e.text());
    }
}

} // namespace

void showReportPreview(QWidget *parent, const report::PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title);
    printer.setFullPage(true);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(report.title.isEmpty() ? QStringLiteral("打印预览") : report.title);
    dialog.resize(1000, 760);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *device) { render::ReportPainter::paintReport(report, *device); });
    dialog.exec();
}

void printBill(QWidget *parent, Session &session, const QString &billCode)
{
    previewJob(parent, [&] { return report::ReportJob::bill(*session.db, session.home->folder(), billCode); });
}

void printProducts(QWidget *parent, Session &session, const RowSet &rows)
{
    previewJob(parent, [&] { return report::ReportJob::products(session.home->folder(), rows); });
}

void printPartners(QWidget *parent, Session &session, const RowSet &rows)
{
    previewJob(parent, [&] { return report::ReportJob::partners(session.home->folder(), rows); });
}

void openReportDesigner(QWidget *parent, Session &session, report::ReportKind kind)
{
    report::ReportJob job;
    try {
        job = report::ReportJob::sample(*session.db, session.home->folder(), kind);
    } catch (const DbError &) {
        // The layout can be designed without data; the preview then shows it empty.
        job.kind = kind;
        job.layout = report::ReportTemplates::load(session.home->folder(), kind);
    }
    openReportDesigner(parent, session, std::move(job));
}

void openReportDesigner(QWidget *parent, Session &session, report::ReportJob job)
{
    const QString file = report::ReportTemplates::filePath(session.home->folder(), job.kind);
    ReportDesigner designer(std::move(job), file, parent);
    designer.exec();
}

void previewReport(QWidget *parent, const report::ReportJob &job)
{
    showReportPreview(parent, job.prepare());
}

} // namespace kesvar::gui
