#include "bills/AmountInCapitals.h"

#include "data/Decimal.h"

#include <cmath>

namespace kesvar {

namespace {

const QString Digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");

// Unit of the digit at `position` (-2 = cents, -1 = tenths, 0 = units of 元, 1 = tens, ...).
// Every fourth position from 元 on is a section: 元, 万, 亿, then 万 and 亿 in turn.
QString unitAt(int position)
{
    switch (position) {
    case -2: return QStringLiteral("分");
    case -1: return QStringLiteral("角");
    case 0: return QStringLiteral("元");
    default: break;
    }
    switch (position % 4) {
    case 1: return QStringLiteral("拾");
    case 2: return QStringLiteral("佰");
    case 3: return QStringLiteral("仟");
    default: return (position / 4) % 2 == 1 ? QStringLiteral("万") : QStringLiteral("亿");
    }
}

bool isSection(int position) { return position >= 0 && position % 4 == 0; }

} // namespace

QString AmountInCapitals(double amount)
{
    if (!std::isfinite(amount))
        return {};
    QString text = Decimal::format(amount, 2);
    QString sign;
    if (text.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        text.remove(0, 1);
    }

    QString result;
    int position = -2;
    int previous = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('.'))
            continue;
        const int digit = c.digitValue();
        if (isSection(position)) {
            result.prepend(unitAt(position));
            if (digit != 0)
                result.prepend(Digits.at(digit));
        } else if (digit != 0) {
            result.prepend(Digits.at(digit) + unitAt(position));
        } else if (previous != 0) {
            result.prepend(Digits.at(0));
        }
        previous = digit;
        ++position;
    }

    const QString prefix = sign + QStringLiteral("人民币");
    return text.endsWith(QLatin1String(".00")) ? prefix + result + QStringLiteral("整") : prefix + result;
}

} // namespace kesvar
