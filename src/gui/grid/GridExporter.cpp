#include "grid/GridExporter.h"

#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/GridTableModel.h"
#include "spreadsheet/XlsxWriter.h"

#include <QApplication>
#include <QDir>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

namespace kesvar::gui {

QString GridExporter::exportGrid(DataGrid &grid)
{
    GridExport::checkExportable(grid.hasDataset(), grid.rows().rowCount());
    const QString typed = QFileDialog::getSaveFileName(&grid, QString(), QString(),
                                                       QStringLiteral("EXCEL文件(*.xlsx)"));
    if (typed.trimmed().isEmpty())
        return {};
    return exportGridTo(grid, typed);
}

QString GridExporter::exportGridTo(DataGrid &grid, const QString &typedName)
{
    GridExport::checkExportable(grid.hasDataset(), grid.rows().rowCount());
    const QString fileName = GridExport::completeFileName(typedName);
    // The save dialog only warned about the name as typed; the completed name may be another,
    // existing workbook, which is not replaced unasked.
    if (fileName != typedName.trimmed() && QFileInfo::exists(fileName)
        && QMessageBox::question(&grid, QStringLiteral("提示"),
                                 QStringLiteral("%1 已存在。\n要替换它吗？").arg(QDir::toNativeSeparators(fileName)),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return {};

    // Formats as the grid was set up, even if the options changed since.
    const SheetContent content = GridExport::sheet(grid.rows(), grid.shownColumns(), grid.shownDecimals(),
                                                   grid.shownRowOrder(), grid.tableModel()->dateFormat());
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
