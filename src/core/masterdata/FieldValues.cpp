#include "masterdata/FieldValues.h"

#include "data/DbError.h"

#include <QDate>
#include <cmath>

namespace kesvar::FieldValues {

std::optional<double> parseNumber(const QString &text, const QString &label)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw RuleError(QStringLiteral("%1必须是数字!").arg(label));
    return value;
}

QVariant boundNumber(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

void readDates(RowSet &rows, const QStringList &dateColumns)
{
    QList<int> dates;
    for (const QString &name : dateColumns)
        if (const int c = rows.columnIndex(name); c >= 0)
            dates << c;
    for (int r = 0; r < rows.rowCount(); ++r) {
        QVariantList &row = rows.mutableRow(r);
        for (int c : dates)
            if (!row.at(c).isNull())
                row[c] = row.at(c).toDate();
    }
}

} // namespace kesvar::FieldValues
