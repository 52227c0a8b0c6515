#pragma once

#include "bills/BillLine.h"

#include <QDate>
#include <QList>
#include <QString>

namespace kesvar {

// A bill header (T_Bill) as the bill window edits it. For a transfer `custName` holds the
// destination warehouse.
struct BillHeader
{
    QString billCode;
    QString billType;
    QString inOrOut;
    QDate addDate;
    QString custName;
    QString depotName;
    QString oldCode;
    QString fptype;
    QString ystype;
    QString userName; // salesperson
    QString maker;
    QString memo;
    bool yspiao = false;
    bool yfkuan = false;
    bool approved = false; // F_Flag; written only by approve and unapprove
    bool diaobo = false;
    int sign = 0;
};

struct Bill
{
    BillHeader header;
    QList<BillLine> lines;
};

} // namespace kesvar
