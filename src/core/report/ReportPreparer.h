#pragma once

#include "report/PreparedReport.h"
#include "report/ReportData.h"
#include "report/ReportLayout.h"

#include <QDateTime>

namespace kesvar::report {

// Lays a report out on pages: the report title once at the top of the first page, page header and
// column header at the top of every page, each data band once per row of its dataset, the report
// summary once after the data, the page footer at the bottom of every page. A band that does not fit
// above the page footer starts a new page. Bands have the heights the layout gives them (no
// stretching); long texts wrap or are clipped inside their rectangles when painted. An empty layout
// gives one blank page.
class ReportPreparer
{
public:
    explicit ReportPreparer(const ReportLayout &layout);

    // `now` fills [DATE] and [TIME]; tests pass a fixed moment.
    PreparedReport prepare(const ReportData &data, const QDateTime &now = QDateTime::currentDateTime()) const;

private:
    const ReportLayout &m_layout;
};

} // namespace kesvar::report
