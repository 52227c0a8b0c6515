#pragma once

#include "report/ReportData.h"

#include <QDateTime>
#include <QHash>
#include <QString>

namespace kesvar::report {

struct ReportObject;

// Expands the bracketed expressions of an object's text for one position in the report:
//   [DS."Field"] or [DS.Field]        the field of the dataset's current row
//   [SUM(<DS."Field">)]               the sum over all rows of the dataset (also COUNT, AVG, MIN, MAX)
//   [DATE] [TIME] [PAGE#] [TOTALPAGES#]
//   [expression #n%2.2n]              an inline format for this expression
// Numbers take the object's format unless the expression has its own; with hide-zero a numeric
// zero prints as nothing. An unknown dataset or field gives an empty text; text that is not an
// expression stays as it is.
class TextExpander
{
public:
    // Stands for the page count until every page is known.
    static const QString TotalPagesMarker;

    TextExpander(const ReportData &data, QDateTime now);

    void setCurrentRow(const QString &dataset, int row);
    void setPage(int page) { m_page = page; }

    QString expand(const ReportObject &object) const;

private:
    QString evaluate(const QString &expression, const ReportObject &object) const;
    QVariant fieldValue(const QString &dataset, const QString &field) const;
    QVariant aggregate(const QString &function, const QString &dataset, const QString &field) const;

    const ReportData &m_data;
    QDateTime m_now;
    QHash<QString, int> m_currentRows; // upper-case dataset name -> row
    int m_page = 1;
};

} // namespace kesvar::report
