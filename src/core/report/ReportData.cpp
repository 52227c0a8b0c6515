#include "report/ReportData.h"

namespace kesvar::report {

void ReportData::bind(const QString &name, RowSet rows)
{
    m_datasets.insert(name.toUpper(), std::move(rows));
}

bool ReportData::contains(const QString &name) const
{
    return m_datasets.contains(name.toUpper());
}

const RowSet *ReportData::dataset(const QString &name) const
{
    const auto it = m_datasets.constFind(name.toUpper());
    return it == m_datasets.constEnd() ? nullptr : &it.value();
}

} // namespace kesvar::report
