#pragma once

#include "data/RowSet.h"

#include <QTextStream>

namespace kesvar::cli::RowWriter {

// CSV: a header row, RFC 4180 quoting, '.' as decimal point, up to 10 decimals, no thousands
// separators, empty cells for empty figures.
void writeCsv(QTextStream &out, const RowSet &rows);
// JSON: one array of objects keyed by the column names; numbers as numbers, empty as null.
void writeJson(QTextStream &out, const RowSet &rows);

} // namespace kesvar::cli::RowWriter
