#pragma once

#include "data/RowSet.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kesvar::FieldValues {

// The number typed into a box labelled `label`: nothing for an empty box; a text that is not a
// number is refused with a message naming the box, so nothing half-typed reaches the store.
std::optional<double> parseNumber(const QString &text, const QString &label);

// The same number as a bound value: NULL for an empty box.
QVariant boundNumber(const std::optional<double> &value);

// Date columns as dates, whichever engine delivered them (SQLite gives text).
void readDates(RowSet &rows, const QStringList &dateColumns);

} // namespace kesvar::FieldValues
