#pragma once

#include "data/RowSet.h"

#include <QMap>
#include <QString>

namespace kesvar::report {

// The named datasets a report's layout refers to ("B", "S", "G", "C", "DD", "DC"). Names are
// matched without regard to letter case. Outside its data band a dataset shows its first row.
class ReportData
{
public:
    void bind(const QString &name, RowSet rows);
    bool contains(const QString &name) const;
    const RowSet *dataset(const QString &name) const;
    // The bound names, in upper case.
    QStringList names() const { return m_datasets.keys(); }

private:
    QMap<QString, RowSet> m_datasets; // keyed by upper-case name
};

} // namespace kesvar::report
