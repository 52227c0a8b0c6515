#include "masterdata/RecordCursor.h"

namespace kesvar::gui {

RecordCursor::RecordCursor(QString codeColumn, Query query)
    : m_codeColumn(std::move(codeColumn))
    , m_query(std::move(query))
{
}

void RecordCursor::setQuery(Query query)
{
    m_query = std::move(query);
}

void RecordCursor::reload()
{
    const QString code = currentCode();
    m_rows = m_query();
    m_position = m_rows.isEmpty() ? -1 : 0;
    if (!code.isEmpty())
        moveToCode(code);
}

void RecordCursor::setPosition(int row)
{
    if (row >= 0 && row < m_rows.rowCount())
        m_position = row;
}

void RecordCursor::prior()
{
    if (!atFirst())
        --m_position;
}

void RecordCursor::next()
{
    if (!atLast())
        ++m_position;
}

void RecordCursor::moveToCodePrefix(const QString &prefix)
{
    for (int r = 0; r < m_rows.rowCount(); ++r) {
        if (m_rows.value(r, m_codeColumn).toString().startsWith(prefix, Qt::CaseInsensitive)) {
            m_position = r;
            return;
        }
    }
}

void RecordCursor::moveToCode(const QString &code)
{
    for (int r = 0; r < m_rows.rowCount(); ++r) {
        if (m_rows.value(r, m_codeColumn).toString() == code) {
            m_position = r;
            return;
        }
    }
}

QString RecordCursor::currentCode() const
{
    return m_position < 0 || m_position >= m_rows.rowCount() ? QString()
                                                              : m_rows.value(m_position, m_codeColumn).toString();
}

} // namespace kesvar::gui
