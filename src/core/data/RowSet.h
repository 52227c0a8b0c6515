#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

namespace kesvar {

// A query result held in memory: what a window's grid shows, a report's dataset, or what the
// command line prints. Column names are the ones the caller asked for, whatever the engine's case.
class RowSet
{
public:
    RowSet() = default;
    explicit RowSet(QStringList columns) : m_columns(std::move(columns)) {}

    // Reads every row of an executed query. With `names` the columns are renamed in order (the
    // engine may fold unquoted names to lower case).
    static RowSet fromQuery(QSqlQuery &query, const QStringList &names = {});

    const QStringList &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // Position of a column, compared without regard to letter case; -1 when absent.
    int columnIndex(const QString &name) const;

    const QVariantList &row(int r) const { return m_rows.at(r); }
    QVariant value(int r, int c) const { return m_rows.at(r).value(c); }
    QVariant value(int r, const QString &column) const;
    void appendRow(QVariantList row) { m_rows.append(std::move(row)); }
    QVariantList &mutableRow(int r) { return m_rows[r]; }

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
};

} // namespace kesvar
