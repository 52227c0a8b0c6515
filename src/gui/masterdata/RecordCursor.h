#pragma once

#include "data/RowSet.h"

#include <QString>
#include <functional>

namespace kesvar::gui {

// The rows a list window shows and an editor walks with Prior and Next, and the current one.
// The list and its editor share one cursor, so the list shows where the editor left off.
class RecordCursor
{
public:
    using Query = std::function<RowSet()>;

    RecordCursor(QString codeColumn, Query query);

    // Runs the query again (or a new one) and stays on the row with the same code when it is
    // still there, else on the first row.
    void reload();
    void setQuery(Query query);

    const RowSet &rows() const { return m_rows; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int position() const { return m_position; }
    void setPosition(int row);
    bool atFirst() const { return m_position <= 0; }
    bool atLast() const { return m_position >= m_rows.rowCount() - 1; }
    void prior();
    void next();
    // The first row whose code begins with `prefix` (the first row for an empty prefix).
    void moveToCodePrefix(const QString &prefix);
    void moveToCode(const QString &code);
    QString currentCode() const;

private:
    QString m_codeColumn;
    Query m_query;
    RowSet m_rows;
    int m_position = -1;
};

} // namespace kesvar::gui
