#pragma once

#include <QDate>
#include <QString>

namespace kesvar {

class Database;

// Bill numbers: prefix "-" yyyy-MM-dd "-" four-digit running number per prefix and day
// (XC-2026-12-11-0001). The running number sits at the fixed positions 15-18, so every prefix is
// two single-byte characters and the text order of one day's codes is their numeric order.
namespace BillNumbering {

constexpr int MaxPerDay = 9999;

// Left-pads a running number of 1 to 4 digits with zeros to four digits.
QString PadSequence(const QString &digits);

// prefix + "-" + yyyy-MM-dd.
QString stem(const QString &prefix, const QDate &date);

// The next number after the highest saved code of this prefix and day (gaps are not reused; a
// deleted highest number is issued again). Throws RuleError when the day already has 9999 bills.
QString NewBillCode(const Database &db, const QString &prefix, const QDate &date);

// The next free number of the same prefix and day as `code` (used when another workstation saved
// `code` first). Empty when `code` is not of the numbered form.
QString nextFreeCodeLike(const Database &db, const QString &code);

} // namespace BillNumbering
} // namespace kesvar
