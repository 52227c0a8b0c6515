#pragma once

// Reads a written workbook back the way a spreadsheet program would: unzips the package and parses
// the first sheet's cells, the merged ranges and the number formats.

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <minizip/unzip.h>

namespace kesvar::test {

struct XlsxCell
{
    QString text;      // the value as stored: inline text or the number's text
    bool number = false;
    QString format;    // number format code ("" for General)
};

struct XlsxSheet
{
    bool valid = false;
    QMap<QString, XlsxCell> cells; // "A1" -> cell
    QStringList merged;            // "A1:C1"

    QString text(const QString &ref) const { return cells.value(ref).text; }
    int rowCount() const
    {
        int rows = 0;
        for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
            QString digits = it.key();
            digits.remove(QRegularExpression(QStringLiteral("[A-Z]")));
            rows = qMax(rows, digits.toInt());
        }
        return rows;
    }
};

inline QByteArray readZipEntry(const QString &zipPath, const char *entry)
{
    QByteArray data;
    unzFile zip = unzOpen64(zipPath.toLocal8Bit().constData());
    if (!zip)
        return data;
    if (unzLocateFile(zip, entry, 0) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[65536];
        int n = 0;
        while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            data.append(buffer, n);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return data;
}

inline XlsxSheet readXlsx(const QString &path)
{
    XlsxSheet sheet;
    // Style index -> number format code.
    QHash<int, QString> codes{{0, QString()}};
    QList<QString> styleFormats;
    {
        QXmlStreamReader xml(readZipEntry(path, "xl/styles.xml"));
        bool inXfs = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("numFmt"))
                codes.insert(xml.attributes().value("numFmtId").toInt(), xml.attributes().value("formatCode").toString());
            else if (xml.isStartElement() && xml.name() == QLatin1String("cellXfs"))
                inXfs = true;
            else if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs"))
                inXfs = false;
            else if (inXfs && xml.isStartElement() && xml.name() == QLatin1String("xf"))
                styleFormats.append(codes.value(xml.attributes().value("numFmtId").toInt()));
        }
    }
    const QByteArray data = readZipEntry(path, "xl/worksheets/sheet1.xml");
    if (data.isEmpty())
        return sheet;
    QXmlStreamReader xml(data);
    QString ref;
    XlsxCell cell;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("c")) {
            ref = xml.attributes().value("r").toString();
            cell = XlsxCell();
            const QString type = xml.attributes().value("t").toString();
            cell.number = type.isEmpty() || type == QLatin1String("n");
            cell.format = styleFormats.value(xml.attributes().value("s").toInt());
        } else if (xml.isStartElement() && (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t"))) {
            cell.text += xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("c")) {
            if (!cell.text.isEmpty())
                sheet.cells.insert(ref, cell);
        } else if (xml.isStartElement() && xml.name() == QLatin1String("mergeCell")) {
            sheet.merged << xml.attributes().value("ref").toString();
        }
    }
    sheet.valid = !xml.hasError();
    return sheet;
}

} // namespace kesvar::test
