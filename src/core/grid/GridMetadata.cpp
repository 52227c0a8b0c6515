#include "grid/GridMetadata.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Transaction.h"

namespace kesvar {

QList<GridColumn> GridMetadata::shownColumns(const QString &key) const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT Field, Name, ShowID, Width, SumField, DotSize, ShowButton, combo, com_table, ShowUp"
                       " FROM T_FieldShow WHERE show = TRUE AND TableName = ? ORDER BY ShowID"),
        {key});
    QList<GridColumn> columns;
    for (int r = 0; r < rows.rowCount() && columns.size() < MaxColumns; ++r) {
        GridColumn c;
        c.field = rows.value(r, 0).toString();
        c.title = rows.value(r, 1).toString();
        c.showId = rows.value(r, 2).toInt();
        c.width = rows.value(r, 3).toInt();
        c.shown = true;
        c.sumField = rows.value(r, 4).toInt() == 1;
        c.dotSize = rows.value(r, 5).toInt();
        c.showButton = rows.value(r, 6).toInt() == 1;
        c.combo = rows.value(r, 7).toInt() == 1;
        c.comTable = rows.value(r, 8).toString();
        const int showUp = rows.value(r, 9).toInt();
        c.sortMark = showUp == 1 ? SortMark::Up : showUp == 2 ? SortMark::Down : SortMark::None;
        columns.append(c);
    }
    return columns;
}

QStringList GridMetadata::pickList(const GridColumn &column) const
{
    if (column.comTable.trimmed().isEmpty())
        return {};
    const RowSet rows = m_db.select(QStringLiteral("SELECT * FROM ") + column.comTable);
    const int name = rows.columnIndex(QStringLiteral("name"));
    if (name < 0)
        throw DbError(QStringLiteral("\"select * from %1\" has no column name").arg(column.comTable));
    QStringList items;
    items.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r)
        items << rows.value(r, name).toString();
    return items;
}

void GridMetadata::saveLayout(const QString &key, const QList<ColumnPlacement> &columns)
{
    if (columns.size() < 2)
        return;
    Transaction tx(m_db);
    QSqlQuery update = m_db.prepare(
        QStringLiteral("UPDATE T_FieldShow SET ShowID = ?, Width = ? WHERE TableName = ? AND Field = ?"));
    for (int i = 0; i < columns.size(); ++i)
        Database::execPrepared(update, {i, columns.at(i).width, key, columns.at(i).field});
    tx.commit();
}

void GridMetadata::storeSortMarks(const QString &key, const QList<SortKey> &marks)
{
    if (marks.isEmpty())
        return;
    // Marking column after column leaves only the last one marked; storing that end state directly
    // writes the same rows with two statements.
    const SortKey &last = marks.last();
    Transaction tx(m_db);
    m_db.exec(QStringLiteral("UPDATE T_FieldShow SET ShowUp = 0 WHERE TableName = ? AND Field <> ?"),
              {key, last.field});
    m_db.exec(QStringLiteral("UPDATE T_FieldShow SET ShowUp = ? WHERE TableName = ? AND Field = ?"),
              {int(last.mark), key, last.field});
    tx.commit();
}

QStringList GridMetadata::titles(const QString &key, bool shown) const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT Name FROM T_FieldShow WHERE show = ? AND TableName = ? ORDER BY ShowID"),
        {shown, key});
    QStringList titles;
    for (int r = 0; r < rows.rowCount(); ++r)
        titles << rows.value(r, 0).toString();
    return titles;
}

void GridMetadata::storeChoice(const QString &key, const QStringList &hidden, const QStringList &shown)
{
    Transaction tx(m_db);
    QSqlQuery update = m_db.prepare(QStringLiteral("UPDATE T_FieldShow SET show = ? WHERE TRIM(Name) = ? AND TableName = ?"));
    for (const QString &title : hidden)
        Database::execPrepared(update, {false, title.trimmed(), key});
    for (const QString &title : shown)
        Database::execPrepared(update, {true, title.trimmed(), key});
    tx.commit();
}

} // namespace kesvar
