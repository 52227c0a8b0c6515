#include "masterdata/SearchCriteria.h"

#include "data/SqlDialect.h"

namespace kesvar {

void SearchCriteria::contains(const QString &column, const QString &text)
{
    if (text.isEmpty())
        return;
    add(QStringLiteral("%1 %2 ?%3").arg(column, m_dialect.likeOperator(), m_dialect.likeEscape()),
        containsPattern(text));
}

void SearchCriteria::equals(const QString &column, const QString &text)
{
    if (text.isEmpty())
        return;
    // A pattern without wildcards: the whole text, compared as the store compares names.
    add(QStringLiteral("%1 %2 ?%3").arg(column, m_dialect.likeOperator(), m_dialect.likeEscape()),
        escapeLike(text));
}

void SearchCriteria::add(const QString &condition)
{
    m_conditions << QLatin1Char('(') + condition + QLatin1Char(')');
}

void SearchCriteria::add(const QString &condition, const QVariant &value)
{
    add(condition);
    m_params << value;
}

QString SearchCriteria::whereClause() const
{
    return m_conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_conditions.join(QStringLiteral(" AND "));
}

} // namespace kesvar
