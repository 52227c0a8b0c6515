#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <stdexcept>

namespace kesvar {

// The workbook could not be written (folder missing, file open in another program, disk full).
class XlsxWriteError : public std::runtime_error
{
public:
    explicit XlsxWriteError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// One column of a written sheet.
struct SheetColumn
{
    QString title;           // the column's own title
    QString groupTitle;      // non-empty: a title row above, merged across neighbouring columns of one group
    int decimals = -1;       // number format "0", "0.00" …; -1 writes figures unformatted
    int widthPixels = 80;
};

// What a sheet holds: titles, then one row per data row, then an optional footer row.
struct SheetContent
{
    QList<SheetColumn> columns;
    int rowCount = 0;
    // The cells of data row r in column order. Figures (int/double) become number cells rounded to
    // the column's decimals with its number format; in a column with decimals, text that reads as a
    // number does too; everything else becomes a text cell, an empty value an empty cell.
    std::function<QVariantList(int row)> row;
    QVariantList footer; // empty: no footer row
};

// Writes Office Open XML workbooks (.xlsx) with libxlsxwriter, row by row in constant memory, so a
// hundred thousand rows take a few seconds and little memory.
class XlsxWriter
{
public:
    // Called every few hundred rows with the rows written so far; returning false stops the export
    // (the partly written file is removed).
    using Progress = std::function<bool(int done, int total)>;

    // Writes one sheet to `filePath`, replacing an existing file. Throws XlsxWriteError.
    // Returns false when the progress callback cancelled.
    static bool write(const QString &filePath, const SheetContent &content, const Progress &progress = {});
};

} // namespace kesvar
