#pragma once

#include <QString>
#include <QVariant>

namespace kesvar::report {

// Display formats of report objects:
//   "%W.Pf"  fixed, P decimals ("%2.2f": 1234.5 -> "1234.50")
//   "%W.Pn"  fixed with thousands separators ("%2.2n": 1234567.891 -> "1,234,567.89")
//   "%W.Pd"  whole number; "%g" shortest form
//   "#n..."  the same, marked as a numeric format (the marker is dropped)
//   "0.00", "#,##0.00"  picture formats: decimals from the zeros after the point, "," groups
// Rounding goes through Decimal::round. An empty or unknown format writes the value as it is.
namespace DisplayFormat {

// A value as a report prints it: numbers through `format`, dates as yyyy-MM-dd, nulls as "".
QString apply(const QVariant &value, const QString &format);

} // namespace DisplayFormat

} // namespace kesvar::report
