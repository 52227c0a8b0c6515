#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace kesvar {

class SqlDialect;

// The WHERE clause of a list window's search, built from the boxes the user filled. Every text is
// a bound value; comparisons ignore letter case, and a typed '%' or '_' matches only itself.
class SearchCriteria
{
public:
    explicit SearchCriteria(const SqlDialect &dialect) : m_dialect(dialect) {}

    // Column contains the text anywhere; nothing when the text is empty.
    void contains(const QString &column, const QString &text);
    // Column equals the whole text; nothing when the text is empty.
    void equals(const QString &column, const QString &text);
    // A condition without values, such as "gys = TRUE".
    void add(const QString &condition);
    void add(const QString &condition, const QVariant &value);

    QString whereClause() const;
    const QVariantList &params() const { return m_params; }

private:
    const SqlDialect &m_dialect;
    QStringList m_conditions;
    QVariantList m_params;
};

} // namespace kesvar
