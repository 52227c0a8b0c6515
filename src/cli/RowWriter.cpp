#include "RowWriter.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include "data/Values.h"

namespace kesvar::cli::RowWriter {

namespace {

QString cellText(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return Values::plainNumber(v.toDouble());
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    return v.toString();
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QJsonValue jsonValue(const QVariant &v)
{
    if (v.isNull())
        return QJsonValue::Null;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (Values::isNumber(v)) {
        const double d = v.toDouble();
        return std::isfinite(d) ? QJsonValue(d) : QJsonValue(QJsonValue::Null);
    }
    return cellText(v);
}

} // namespace


void writeCsv(QTextStream &out, const RowSet &rows)
{
    QStringList header;
    for (const QString &c : rows.columns())
        header << csvField(c);
    out << header.join(QLatin1Char(',')) << "\r\n";
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rows.columnCount(); ++c)
            cells << csvField(cellText(rows.value(r, c)));
        out << cells.join(QLatin1Char(',')) << "\r\n";
    }
}

void writeJson(QTextStream &out, const RowSet &rows)
{
    QJsonArray array;
    for (int r = 0; r < rows.rowCount(); ++r) {
        QJsonObject object;
        for (int c = 0; c < rows.columnCount(); ++c)
            object.insert(rows.columns().at(c), jsonValue(rows.value(r, c)));
        array.append(object);
    }
    out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

} // namespace kesvar::cli::RowWriter
