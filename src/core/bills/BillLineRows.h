#pragma once

#include "bills/BillLine.h"
#include "data/RowSet.h"

#include <QList>

namespace kesvar {

class Database;

// The bill lines as the line grid shows them (the T_BillDetail fields plus the calculated amount
// `Cmoney`), and a cell edit carried back into the line under the amount rule.
namespace BillLineRows {

RowSet toRows(const QList<BillLine> &lines);

// Applies the user's edit of `field` ("Number", "weight", "Price", "Cjtype", "memo") to the line.
// A basis change loads the product's list price. Returns false for a field that is not editable.
bool applyEdit(const Database &db, BillLine &line, const QString &field, const QVariant &value);

// The fields a user may edit in the line grid.
QStringList editableFields();

} // namespace BillLineRows
} // namespace kesvar
