#pragma once

#include "data/RowSet.h"
#include "grid/GridColumn.h"
#include "maintenance/Options.h"
#include "spreadsheet/XlsxWriter.h"

#include <QList>
#include <QString>

namespace kesvar {

class Database;

// Writing what a grid shows to a workbook (ExportGrid): the shown columns in their shown order with
// their titles, every row in the order shown, figures as the grid formats them, and the footer sums
// in a last row.
namespace GridExport {

// Refuses an export the grid cannot make: RuleError "数据没有显示不能导出成Excel文件!" when no
// dataset has been loaded, "没有数据,不能导出成Excel文件!" when it has no rows.
void checkExportable(bool datasetLoaded, int rowCount);

// The file name to write for what the user typed: trimmed; a name that does not contain ".xls"
// (exactly, lower case) gets ".xlsx" appended.
QString completeFileName(const QString &typed);

// The question asked once the file is written.
QString openFileQuestion(const QString &fileName);

// The sheet of `rows` shown through `columns` (the grid's columns left to right, with their current
// widths), rows in `order` (indexes into `rows`; empty = stored order). Columns whose field the rows
// lack stay empty. Number formats come from each column's DotSize class and the options; the footer
// holds the sums of the SumField columns (none when no column sums).
SheetContent sheet(const RowSet &rows, const QList<GridColumn> &columns, const SoftInfo &options,
                   const QList<int> &order = {}, const QString &dateFormat = QStringLiteral("yyyy-MM-dd"));
// The same with each column's decimals given (-1 for none), as a grid set up earlier shows them.
SheetContent sheet(const RowSet &rows, const QList<GridColumn> &columns, const QList<int> &decimals,
                   const QList<int> &order, const QString &dateFormat);

// The sum of a column of `rows` (figures and text that reads as a number; anything else counts 0).
double columnSum(const RowSet &rows, int column);

// Writes `rows` shown through `columns` as sheet() describes. Throws XlsxWriteError; returns false
// when the progress callback cancelled.
bool write(const QString &filePath, const RowSet &rows, const QList<GridColumn> &columns, const SoftInfo &options,
           const XlsxWriter::Progress &progress = {});

// The list windows the command line exports without their window.
enum class ListKind { Products, Partners };

// The rows a list window shows (products newest first, partners by code; those in use, or with
// `disabled` the disabled ones) with the columns of its list grid ("goods" / "Custom"); without
// shown grid rows, every table column titled by its name.
struct ListExport
{
    RowSet rows;
    QList<GridColumn> columns;
};
ListExport listRows(Database &db, ListKind kind, bool disabled = false);

} // namespace GridExport
} // namespace kesvar
