#include "report/DisplayFormat.h"

#include "data/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include "data/Values.h"

namespace kesvar::report::DisplayFormat {

namespace {

QString groupThousands(const QString &fixed)
{
    const bool negative = fixed.startsWith(QLatin1Char('-'));
    QString digits = negative ? fixed.mid(1) : fixed;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char(','));
    return (negative ? QStringLiteral("-") : QString()) + whole + fraction;
}

QString formatNumber(double value, const QString &formatText)
{
    QString format = formatText.trimmed();
    if (format.startsWith(QLatin1String("#n"), Qt::CaseInsensitive))
        format = format.mid(2);
    if (format.isEmpty())
        return Values::plainNumber(value);

    static const QRegularExpression printfStyle(QStringLiteral("^%-?(\\d*)(?:\\.(\\d+))?([fFnNdDgGmM])$"));
    const QRegularExpressionMatch m = printfStyle.match(format);
    if (m.hasMatch()) {
        const QChar kind = m.captured(3).at(0).toLower();
        const int places = m.captured(2).isEmpty() ? 2 : m.captured(2).toInt();
        switch (kind.unicode()) {
        case 'f': return Decimal::format(value, places);
        case 'n':
        case 'm': return groupThousands(Decimal::format(value, places));
        case 'd': return Decimal::format(value, 0);
        default: return Values::plainNumber(value);
        }
    }

    static const QRegularExpression picture(QStringLiteral("^[#0,]*0(?:\\.([0#]+))?$"));
    const QRegularExpressionMatch p = picture.match(format);
    if (p.hasMatch()) {
        const QString fixed = Decimal::format(value, int(p.captured(1).size()));
        return format.contains(QLatin1Char(',')) ? groupThousands(fixed) : fixed;
    }
    return Values::plainNumber(value);
}

} // namespace



QString apply(const QVariant &value, const QString &format)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (Values::isNumber(value))
        return formatNumber(value.toDouble(), format);
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    return value.toString();
}

} // namespace kesvar::report::DisplayFormat
