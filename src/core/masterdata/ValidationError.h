#pragma once

#include "data/DbError.h"

namespace kesvar {

// A refused save that points at the column whose box the editor should focus.
class ValidationError : public RuleError
{
public:
    ValidationError(const QString &message, QString column) : RuleError(message), m_column(std::move(column)) {}
    QString column() const { return m_column; }

private:
    QString m_column;
};

} // namespace kesvar
