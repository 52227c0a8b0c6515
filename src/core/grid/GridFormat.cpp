#include "grid/GridFormat.h"

#include "data/Decimal.h"

#include "data/Values.h"

#include <QDateTime>

namespace kesvar::GridFormat {

namespace {
constexpr int MaxDecimals = 10;
}

int decimalsFor(int dotSize, const SoftInfo &options)
{
    int decimals = NoDecimals;
    switch (dotSize) {
    case 1: decimals = options.dotPrice; break;
    case 2: decimals = options.dotNum; break;
    case 3: decimals = options.dotMon; break;
    default: return NoDecimals;
    }
    return decimals >= 0 && decimals <= MaxDecimals ? decimals : NoDecimals;
}

QString pattern(int decimals)
{
    if (decimals < 0 || decimals > MaxDecimals)
        return {};
    if (decimals == 0)
        return QStringLiteral("0");
    return QStringLiteral("0.") + QString(decimals, QLatin1Char('0'));
}


double toNumber(const QVariant &value, bool *ok)
{
    bool converted = false;
    double number = 0;
    if (Values::isNumber(value)) {
        number = value.toDouble();
        converted = true;
    } else if (value.typeId() == QMetaType::QString) {
        number = value.toString().trimmed().toDouble(&converted);
        if (!converted)
            number = 0;
    }
    if (ok)
        *ok = converted;
    return number;
}

QDate dayOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    case QMetaType::QString: {
        const QString text = value.toString();
        if (text.size() != 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
            return {};
        return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    }
    default:
        return {};
    }
}

QString displayText(const QVariant &value, int decimals, const QString &dateFormat)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    if (const QDate day = dayOf(value); day.isValid())
        return day.toString(dateFormat);
    if (decimals != NoDecimals) {
        // SQLite hands some figures back as text; they are formatted like any other number.
        bool ok = false;
        const double number = toNumber(value, &ok);
        if (ok)
            return Decimal::format(number, decimals);
    }
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace kesvar::GridFormat
