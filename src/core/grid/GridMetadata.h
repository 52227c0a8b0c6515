#pragma once

#include "grid/GridColumn.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kesvar {

class Database;

// The column metadata of the configurable grids (T_FieldShow), read and written by grid key. Keys
// are matched without regard to letter case; every value is bound, so titles, fields and keys may
// hold any character.
class GridMetadata
{
public:
    // A grid takes at most this many columns from its key.
    static constexpr int MaxColumns = 51;

    explicit GridMetadata(Database &db) : m_db(db) {}

    // The shown columns of a key in ShowID order, at most MaxColumns (what SetupGrid builds).
    QList<GridColumn> shownColumns(const QString &key) const;

    // The pick list of a `combo` column: the `name` column, as text, of "select * from " + com_table,
    // first row to last. The statement is completed only from stored metadata, never from user input.
    // Throws DbError when the engine refuses it or the result has no `name` column.
    QStringList pickList(const GridColumn &column) const;

    // Stores each column's position (0 for the leftmost) and width, as one unit. Fewer than two
    // columns store nothing. Fields without a row under the key update nothing.
    void saveLayout(const QString &key, const QList<ColumnPlacement> &columns);

    // Remembers the sort marks after the user changed them: only the last marked column keeps its
    // mark, every other column of the key is cleared. With no marked column nothing is written.
    void storeSortMarks(const QString &key, const QList<SortKey> &marks);

    // Titles of the key's hidden or shown rows, in stored order (the field chooser's two lists).
    QStringList titles(const QString &key, bool shown) const;

    // Stores the field chooser's choice as one unit: every row titled like an entry of `hidden` is
    // hidden, every row titled like an entry of `shown` is shown (titles compared trimmed, so two
    // rows with one title switch together).
    void storeChoice(const QString &key, const QStringList &hidden, const QStringList &shown);

private:
    Database &m_db;
};

} // namespace kesvar
