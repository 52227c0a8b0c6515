#include "data/Values.h"

#include "data/Decimal.h"

#include <cmath>

namespace kesvar::Values {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

std::optional<double> optionalNumber(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

QString plainNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    QString text = Decimal::format(value, 10);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

} // namespace kesvar::Values
