#include "data/RowSet.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kesvar {

RowSet RowSet::fromQuery(QSqlQuery &query, const QStringList &names)
{
    const QSqlRecord record = query.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << (i < names.size() ? names.at(i) : record.fieldName(i));
    RowSet rows(columns);
    const int count = record.count();
    // SQLite hands booleans over as integers; give every engine's rows the same value types.
    QList<bool> isBool;
    for (int i = 0; i < count; ++i)
        isBool << (record.field(i).metaType().id() == QMetaType::Bool);
    while (query.next()) {
        QVariantList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i) {
            QVariant value = query.value(i);
            if (isBool.at(i) && !value.isNull() && value.typeId() != QMetaType::Bool)
                value = QVariant(value.toBool());
            row << value;
        }
        rows.appendRow(std::move(row));
    }
    return rows;
}

int RowSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RowSet::value(int r, const QString &column) const
{
    const int c = columnIndex(column);
    return c < 0 ? QVariant() : m_rows.at(r).value(c);
}

} // namespace kesvar
