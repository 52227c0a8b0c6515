#include "grid/GridExporter.h"

#include "app/AppHome.h"
#include "app/Session.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "spreadsheet/XlsxWriter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

namespace kesvar::gui {

QString GridExporter::exportGrid(DataGrid &grid, Session &session)
{
    GridExport::checkExportable(grid.hasDataset(), grid.rows().rowCount());
    const QString typed = QFileDialog::getSaveFileName(&grid, QString(), QString(),
                                                       QStringLiteral("EXCEL文件(*.xlsx)"));
    if (typed.trimmed().isEmpty())
        return {};
    return exportGridTo(grid, session, typed);
}

QString GridExporter::exportGridTo(DataGrid &grid, Session &session, const QString &typedName)
{
    GridExport::checkExportable(grid.hasDataset(), grid.rows().rowCount());
    const QString fileName = GridExport::completeFileName(typedName);

    const QString dateFormat = session.home ? WorkstationDateFormat::load(session.home->config())
                                            : WorkstationDateFormat::Default;
    // Formats as the grid was set up, even if the options changed since.
    const SheetContent content = GridExport::sheet(grid.rows(), grid.shownColumns(), grid.shownDecimals(),
                                                   grid.shownRowOrder(), dateFormat);
    QProgressDialog progress(QStringLiteral("正在导出..."), QStringLiteral("取消"), 0, content.rowCount, &grid);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool written = false;
    try {
        written = XlsxWriter::write(fileName, content, [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    progress.reset();
    if (!written)
        return {};

    const auto answer = QMessageBox::question(&grid, QStringLiteral("提示"), GridExport::openFileQuestion(fileName),
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    return fileName;
}

} // namespace kesvar::gui
