#include "data/Decimal.h"

#include <QLocale>
#include <cmath>

namespace kesvar::Decimal {

double round(double value, int places)
{
    if (!std::isfinite(value))
        return value;
    places = qBound(0, places, 15);
    // The shortest decimal text that reads back as this double is the value the user typed or saw.
    const QString text = QString::number(std::fabs(value), 'g', 15);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    const QString mantissa = e < 0 ? text : text.left(e);
    const int exponent = e < 0 ? 0 : text.mid(e + 1).toInt();

    QString digits = mantissa;
    qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = digits.size();
    else
        digits.remove(point, 1);
    point += exponent; // position of the decimal point within `digits`
    while (point < 0) {
        digits.prepend(QLatin1Char('0'));
        ++point;
    }
    while (digits.size() < point + places + 1)
        digits.append(QLatin1Char('0'));

    // Keep `point + places` digits and look at the next one.
    const qsizetype keep = point + places;
    QString kept = digits.left(keep);
    const bool roundUp = digits.at(keep) >= QLatin1Char('5');
    if (kept.isEmpty())
        kept = QStringLiteral("0");
    double magnitude = kept.toDouble();
    if (roundUp)
        magnitude += 1;
    // Dividing by an exact power of ten gives the nearest double to the decimal result.
    double result = magnitude / std::pow(10.0, places);
    if (value < 0 && result != 0)
        result = -result;
    return result;
}

QString format(double value, int places)
{
    places = qBound(0, places, 15);
    const double rounded = round(value, places);
    QString text = QString::number(rounded, 'f', places);
    if (text.startsWith(QLatin1Char('-')) && rounded == 0)
        text.remove(0, 1);
    return text;
}

} // namespace kesvar::Decimal
