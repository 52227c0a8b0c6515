#pragma once

#include "data/DbError.h"

namespace kesvar {

// A refused save that points at the column whose box the editor should focus.
class ValidationError : public RuleError
{
public:
    ValidationError(const QString &message, QString column) : RuleError(message), m_column(std::move(column)) {}

    // A code another record already has (the editors show it as a confirmation, not a warning).
    static ValidationError duplicate(const QString &message, QString column)
    {
        ValidationError e(message, std::move(column));
        e.m_duplicate = true;
        return e;
    }

    QString column() const { return m_column; }
    bool isDuplicate() const { return m_duplicate; }

private:
    QString m_column;
    bool m_duplicate = false;
};

} // namespace kesvar
