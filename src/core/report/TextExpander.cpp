#include "report/TextExpander.h"

#include "data/Values.h"

#include "report/DisplayFormat.h"
#include "report/ReportLayout.h"

#include <QRegularExpression>
#include <algorithm>

namespace kesvar::report {

const QString TextExpander::TotalPagesMarker = QStringLiteral("\uE000TOTALPAGES\uE000");

namespace {

// DS."Field" or DS.Field
const QRegularExpression &fieldPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\.\"?([^\"]+?)\"?\\s*$"));
    return re;
}

// SUM(<DS."Field">) with an optional band argument after a comma, which is accepted and ignored
const QRegularExpression &aggregatePattern()
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*(SUM|COUNT|AVG|MIN|MAX)\\s*\\(\\s*<([^>]+)>\\s*(?:,[^)]*)?\\)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

} // namespace

TextExpander::TextExpander(const ReportData &data, QDateTime now)
    : m_data(data), m_now(std::move(now))
{
}

void TextExpander::setCurrentRow(const QString &dataset, int row)
{
    m_currentRows.insert(dataset.toUpper(), row);
}

QString TextExpander::expand(const ReportObject &object) const
{
    const QString &text = object.text;
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), i);
        if (open < 0) {
            result += text.mid(i);
            break;
        }
        result += text.mid(i, open - i);
        // Brackets nest only through the aggregate's <...>, so the first ']' closes.
        const qsizetype close = text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            result += text.mid(open);
            break;
        }
        result += evaluate(text.mid(open + 1, close - open - 1), object);
        i = close + 1;
    }
    return result;
}

QString TextExpander::evaluate(const QString &expressionText, const ReportObject &object) const
{
    QString expression = expressionText;
    QString format = object.format;
    const qsizetype hash = expression.indexOf(QStringLiteral(" #"));
    if (hash >= 0) {
        format = expression.mid(hash + 1).trimmed();
        expression = expression.left(hash);
    }
    const QString word = expression.trimmed().toUpper();

    QVariant value;
    if (word == QLatin1String("DATE"))
        return m_now.date().toString(QStringLiteral("yyyy-MM-dd"));
    if (word == QLatin1String("TIME"))
        return m_now.time().toString(QStringLiteral("hh:mm:ss"));
    if (word == QLatin1String("PAGE#"))
        return QString::number(m_page);
    if (word == QLatin1String("TOTALPAGES#"))
        return TotalPagesMarker;

    if (const QRegularExpressionMatch a = aggregatePattern().match(expression); a.hasMatch()) {
        const QRegularExpressionMatch f = fieldPattern().match(a.captured(2));
        if (!f.hasMatch())
            return QLatin1Char('[') + expressionText + QLatin1Char(']');
        value = aggregate(a.captured(1).toUpper(), f.captured(1), f.captured(2));
    } else if (const QRegularExpressionMatch f = fieldPattern().match(expression); f.hasMatch()) {
        value = fieldValue(f.captured(1), f.captured(2));
    } else {
        return QLatin1Char('[') + expressionText + QLatin1Char(']');
    }

    if (object.hideZero && Values::isNumber(value) && value.toDouble() == 0)
        return {};
    return DisplayFormat::apply(value, format);
}

QVariant TextExpander::fieldValue(const QString &dataset, const QString &field) const
{
    const RowSet *rows = m_data.dataset(dataset);
    if (!rows)
        return {};
    const int column = rows->columnIndex(field);
    const int row = m_currentRows.value(dataset.toUpper(), 0);
    if (column < 0 || row < 0 || row >= rows->rowCount())
        return {};
    return rows->value(row, column);
}

QVariant TextExpander::aggregate(const QString &function, const QString &dataset, const QString &field) const
{
    const RowSet *rows = m_data.dataset(dataset);
    const int column = rows ? rows->columnIndex(field) : -1;
    if (column < 0)
        return function == QLatin1String("COUNT") ? QVariant(0) : QVariant(0.0);

    double sum = 0;
    int count = 0;
    double minimum = 0;
    double maximum = 0;
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QVariant v = rows->value(r, column);
        if (v.isNull())
            continue;
        const double d = v.toDouble();
        minimum = count == 0 ? d : std::min(minimum, d);
        maximum = count == 0 ? d : std::max(maximum, d);
        sum += d;
        ++count;
    }
    if (function == QLatin1String("COUNT"))
        return count;
    if (function == QLatin1String("AVG"))
        return count == 0 ? 0.0 : sum / count;
    if (function == QLatin1String("MIN"))
        return minimum;
    if (function == QLatin1String("MAX"))
        return maximum;
    return sum;
}

} // namespace kesvar::report
