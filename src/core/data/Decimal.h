#pragma once

#include <QString>

namespace kesvar::Decimal {

// Rounds to `places` decimals, halves away from zero, on the decimal value the user sees: 2.5 -> 3,
// -2.5 -> -3, 2.675 -> 2.68 (although the binary double is a little below 2.675). Every rounding of
// money, prices, counts and weights goes through here.
double round(double value, int places);

// The value rounded as above and written with exactly `places` decimals ("0.00" style, no grouping).
QString format(double value, int places);

} // namespace kesvar::Decimal
