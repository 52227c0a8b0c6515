#include "bills/BillNumbering.h"

#include "data/Database.h"
#include "data/DbError.h"

#include <QRegularExpression>

namespace kesvar::BillNumbering {

namespace {

QString nextAfterHighest(const Database &db, const QString &stemText)
{
    // Codes of one stem differ only in their last four digits, so the text maximum is the highest.
    const QString sql = QStringLiteral("SELECT MAX(BillCode) FROM T_Bill WHERE BillCode %1 ?%2")
                            .arg(db.dialect().likeOperator(), db.dialect().likeEscape());
    const QVariant highest = db.scalar(sql, {startsWithPattern(stemText + QLatin1Char('-'))});
    int next = 1;
    if (!highest.isNull())
        next = highest.toString().mid(14, 4).toInt() + 1;
    if (next > MaxPerDay)
        throw RuleError(QStringLiteral("当天此类单据已达到9999张，不能再增加单据！"));
    return stemText + QLatin1Char('-') + PadSequence(QString::number(next));
}

} // namespace

QString PadSequence(const QString &digits)
{
    if (digits.size() >= 4)
        return digits;
    return QString(4 - digits.size(), QLatin1Char('0')) + digits;
}

QString stem(const QString &prefix, const QDate &date)
{
    return prefix + QLatin1Char('-') + date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString NewBillCode(const Database &db, const QString &prefix, const QDate &date)
{
    return nextAfterHighest(db, stem(prefix, date));
}

QString nextFreeCodeLike(const Database &db, const QString &code)
{
    static const QRegularExpression numbered(QStringLiteral("^(.{2}-\\d{4}-\\d{2}-\\d{2})-\\d{4}$"));
    const QRegularExpressionMatch match = numbered.match(code);
    if (!match.hasMatch())
        return {};
    return nextAfterHighest(db, match.captured(1));
}

} // namespace kesvar::BillNumbering
