#pragma once

#include "report/PreparedReport.h"
#include "report/ReportData.h"
#include "report/ReportLayout.h"

#include <QDateTime>

namespace kesvar::report {

// Lays a report out on pages: the report title once at the top of the first page, page header and
// column header at the top of every page, each data band once per row of its dataset, the report
// summary once after the data, the page footer at the bottom of every page. A band that does not fit
// above the page footer starts a new page. An empty layout gives one blank page.
//
// Preparation measures no text: bands keep the heights the layout gives them and every object its
// rectangle, so pages are decided here without any painting library and the same on every machine.
// The exact text layout happens when a page is painted: wrapped inside the rectangle when the object
// asks for it, and a single line too wide for its cell drawn smaller instead of cut off.
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
