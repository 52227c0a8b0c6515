#pragma once

#include "maintenance/Options.h"

#include <QDate>
#include <QString>
#include <QVariant>

namespace kesvar::GridFormat {

// No number format: the value is shown as it is.
constexpr int NoDecimals = -1;

// The decimals a DotSize class takes from the options: 1 prices, 2 counts and weights, 3 amounts;
// any other class, or a stored value outside 0..10, gives NoDecimals.
int decimalsFor(int dotSize, const SoftInfo &options);

// The display pattern for d decimals: "0", "0.0" … "0.0000000000"; empty outside 0..10.
QString pattern(int decimals);

// The day a value holds: a date, a date and time, or text written "yyyy-MM-dd" (as SQLite hands
// dates over); an invalid date for anything else.
QDate dayOf(const QVariant &value);

// The text a grid cell shows for a value: numbers with the decimals (Decimal::format) when there
// are any, days (dayOf) in `dateFormat` on every engine, yes/no values as "是"/"否", anything else
// as its text. An empty value shows nothing.
QString displayText(const QVariant &value, int decimals, const QString &dateFormat = QStringLiteral("yyyy-MM-dd"));

// A value as a double for sums and sorting; text that reads as a number counts, anything else 0.
double toNumber(const QVariant &value, bool *ok = nullptr);

} // namespace kesvar::GridFormat
