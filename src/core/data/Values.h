#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace kesvar::Values {

// True when the value holds a number (as the engines hand figures over), not text that looks like one.
bool isNumber(const QVariant &value);

// A figure that may be empty: NULL stays "no value" instead of becoming 0.
std::optional<double> optionalNumber(const QVariant &value);

// A figure written plainly: '.' as decimal point, up to ten decimals (rounded as everywhere),
// trailing zeros dropped, no thousands separators, never "-0". Empty for infinities and NaN.
QString plainNumber(double value);

} // namespace kesvar::Values
