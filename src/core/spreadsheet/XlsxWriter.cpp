#include "spreadsheet/XlsxWriter.h"

#include "data/Decimal.h"
#include "grid/GridFormat.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <xlsxwriter.h>
#include "data/Values.h"

namespace kesvar {

namespace {

// Spreadsheet programs refuse sheets with more rows than this.
constexpr int MaxSheetRows = 1048576;

struct Workbook
{
    lxw_workbook *book = nullptr;
    ~Workbook()
    {
        if (book)
            workbook_close(book);
    }
};

class SheetWriter
{
public:
    SheetWriter(lxw_workbook *book, lxw_worksheet *sheet, const QList<SheetColumn> &columns)
        : m_sheet(sheet), m_columns(columns)
    {
        m_title = workbook_add_format(book);
        format_set_bold(m_title);
        format_set_align(m_title, LXW_ALIGN_CENTER);
        format_set_align(m_title, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(m_title, LXW_BORDER_THIN);
        m_footerText = workbook_add_format(book);
        format_set_bold(m_footerText);
        for (const SheetColumn &c : columns) {
            lxw_format *plain = nullptr;
            lxw_format *footer = workbook_add_format(book);
            format_set_bold(footer);
            const QByteArray pattern = GridFormat::pattern(c.decimals).toUtf8();
            if (!pattern.isEmpty()) {
                plain = workbook_add_format(book);
                format_set_num_format(plain, pattern.constData());
                format_set_num_format(footer, pattern.constData());
            }
            m_cellFormats.append(plain);
            m_footerFormats.append(footer);
        }
    }

    // Title rows; returns the number of rows they take.
    int writeTitles()
    {
        bool grouped = false;
        for (const SheetColumn &c : m_columns)
            grouped = grouped || !c.groupTitle.isEmpty();
        if (!grouped) {
            for (int c = 0; c < m_columns.size(); ++c)
                writeText(0, c, m_columns.at(c).title, m_title);
            return 1;
        }
        // Constant-memory writing finishes a row before the next begins, so the upper row is
        // written completely first: one merged cell per run of neighbouring columns with the same
        // group, and the title of a column without a group (its lower cell stays blank).
        int c = 0;
        while (c < m_columns.size()) {
            const QString group = m_columns.at(c).groupTitle;
            int last = c;
            while (!group.isEmpty() && last + 1 < m_columns.size() && m_columns.at(last + 1).groupTitle == group)
                ++last;
            if (group.isEmpty())
                writeText(0, c, m_columns.at(c).title, m_title);
            else if (last > c)
                check(worksheet_merge_range(m_sheet, 0, c, 0, last, group.toUtf8().constData(), m_title));
            else
                writeText(0, c, group, m_title);
            c = last + 1;
        }
        for (int col = 0; col < m_columns.size(); ++col) {
            if (m_columns.at(col).groupTitle.isEmpty())
                check(worksheet_write_blank(m_sheet, 1, col, m_title));
            else
                writeText(1, col, m_columns.at(col).title, m_title);
        }
        return 2;
    }

    void setWidths()
    {
        for (int c = 0; c < m_columns.size(); ++c)
            check(worksheet_set_column_pixels(m_sheet, c, c, uint32_t(qMax(8, m_columns.at(c).widthPixels)), nullptr));
    }

    void writeRow(int sheetRow, const QVariantList &cells, bool footer)
    {
        for (int c = 0; c < m_columns.size() && c < cells.size(); ++c)
            writeCell(sheetRow, c, cells.at(c), footer ? m_footerFormats.at(c) : m_cellFormats.at(c), footer);
    }

private:
    void writeCell(int row, int c, const QVariant &value, lxw_format *format, bool footer)
    {
        if (!value.isValid() || value.isNull())
            return;
        const int decimals = m_columns.at(c).decimals;
        bool number = Values::isNumber(value);
        double figure = 0;
        if (number)
            figure = value.toDouble();
        else if (decimals >= 0 && value.typeId() == QMetaType::QString)
            figure = GridFormat::toNumber(value, &number);
        if (number) {
            if (decimals >= 0)
                figure = Decimal::round(figure, decimals);
            check(worksheet_write_number(m_sheet, row, c, figure, format));
            return;
        }
        QString text = value.typeId() == QMetaType::QDate ? value.toDate().toString(QStringLiteral("yyyy-MM-dd"))
                                                          : value.toString();
        if (text.isEmpty())
            return;
        writeText(row, c, text, footer ? m_footerText : nullptr);
    }

    void writeText(int row, int c, const QString &text, lxw_format *format)
    {
        check(worksheet_write_string(m_sheet, row, c, text.toUtf8().constData(), format));
    }

    static void check(lxw_error error)
    {
        if (error != LXW_NO_ERROR)
            throw XlsxWriteError(QString::fromUtf8(lxw_strerror(error)));
    }

    lxw_worksheet *m_sheet;
    const QList<SheetColumn> &m_columns;
    lxw_format *m_title = nullptr;
    lxw_format *m_footerText = nullptr;
    QList<lxw_format *> m_cellFormats;
    QList<lxw_format *> m_footerFormats;
};

} // namespace

bool XlsxWriter::write(const QString &filePath, const SheetContent &content, const Progress &progress)
{
    const int titleRows = 2;
    if (content.rowCount + titleRows + 1 > MaxSheetRows)
        throw XlsxWriteError(QStringLiteral("too many rows for one sheet: %1").arg(content.rowCount));
    const QByteArray path = QFile::encodeName(QDir::toNativeSeparators(filePath));
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    Workbook workbook;
    workbook.book = workbook_new_opt(path.constData(), &options);
    if (!workbook.book)
        throw XlsxWriteError(QStringLiteral("cannot create %1").arg(filePath));
    lxw_worksheet *sheet = workbook_add_worksheet(workbook.book, nullptr);
    if (!sheet)
        throw XlsxWriteError(QStringLiteral("cannot create a sheet in %1").arg(filePath));

    try {
        SheetWriter writer(workbook.book, sheet, content.columns);
        writer.setWidths();
        const int firstRow = writer.writeTitles();
        worksheet_freeze_panes(sheet, firstRow, 0);
        for (int r = 0; r < content.rowCount; ++r) {
            writer.writeRow(firstRow + r, content.row(r), false);
            if (progress && (r % 500 == 0) && !progress(r, content.rowCount)) {
                workbook_close(workbook.book);
                workbook.book = nullptr;
                QFile::remove(filePath);
                return false;
            }
        }
        if (!content.footer.isEmpty())
            writer.writeRow(firstRow + content.rowCount, content.footer, true);
    } catch (...) {
        // Leave no half-written workbook behind.
        workbook_close(workbook.book);
        workbook.book = nullptr;
        QFile::remove(filePath);
        throw;
    }

    const lxw_error closed = workbook_close(workbook.book);
    workbook.book = nullptr;
    if (closed != LXW_NO_ERROR)
        throw XlsxWriteError(QStringLiteral("%1: %2").arg(filePath, QString::fromUtf8(lxw_strerror(closed))));
    if (progress)
        progress(content.rowCount, content.rowCount);
    return true;
}

} // namespace kesvar
