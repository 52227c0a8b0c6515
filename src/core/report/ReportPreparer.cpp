#include "report/ReportPreparer.h"

#include "report/TextExpander.h"

namespace kesvar::report {

QList<const PreparedItem *> PreparedPage::itemsWithText(const QString &text) const
{
    QList<const PreparedItem *> found;
    for (const PreparedItem &i : items)
        if (i.text == text)
            found.append(&i);
    return found;
}

const PreparedItem *PreparedPage::item(const QString &name) const
{
    for (const PreparedItem &i : items)
        if (i.name.compare(name, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

namespace {

// Walks the bands down the pages, starting new pages as they fill.
class PageBuilder
{
public:
    PageBuilder(const ReportLayout &layout, TextExpander &expander, PreparedReport &report)
        : m_layout(layout), m_expander(expander), m_report(report)
    {
        for (const ReportBand &band : layout.bands) {
            if (band.type == BandType::PageHeader || band.type == BandType::ColumnHeader)
                m_pageTop.append(&band);
            else if (band.type == BandType::PageFooter)
                m_pageFooters.append(&band);
        }
        for (const ReportBand *footer : m_pageFooters)
            m_footerHeight += footer->height;
    }

    void startPage()
    {
        m_report.pages.append(PreparedPage());
        m_expander.setPage(int(m_report.pages.size()));
        m_y = m_layout.marginTop;
        m_bandsOnPage = 0;
    }

    void placeTitleAndPageTop(const QList<const ReportBand *> &titles)
    {
        for (const ReportBand *title : titles)
            place(*title);
        placePageTop();
    }

    // Places a band that flows with the data, breaking the page first when it does not fit.
    void placeFlowing(const ReportBand &band)
    {
        if (m_y + band.height > footerTop() + 1e-9 && m_bandsOnPage > m_pageTopBands) {
            finishPage();
            startPage();
            placePageTop();
        }
        place(band);
    }

    void finishPage()
    {
        double y = footerTop();
        for (const ReportBand *footer : m_pageFooters) {
            placeAt(*footer, y);
            y += footer->height;
        }
    }

private:
    double footerTop() const { return m_layout.pageHeight - m_layout.marginBottom - m_footerHeight; }

    void placePageTop()
    {
        for (const ReportBand *band : m_pageTop)
            place(*band);
        m_pageTopBands = m_bandsOnPage;
    }

    void place(const ReportBand &band)
    {
        placeAt(band, m_y);
        m_y += band.height;
        ++m_bandsOnPage;
    }

    void placeAt(const ReportBand &band, double top)
    {
        PreparedPage &page = m_report.pages.last();
        for (const ReportObject &object : band.objects) {
            PreparedItem item;
            item.name = object.name;
            item.rect = object.rect.translated(m_layout.marginLeft, top);
            item.text = m_expander.expand(object);
            item.font = m_layout.effectiveFont(object);
            item.color = object.color;
            item.hAlign = object.hAlign;
            item.vAlign = object.vAlign;
            item.frame = object.frame;
            item.wordWrap = object.wordWrap;
            page.items.append(item);
        }
    }

    const ReportLayout &m_layout;
    TextExpander &m_expander;
    PreparedReport &m_report;
    QList<const ReportBand *> m_pageTop;
    QList<const ReportBand *> m_pageFooters;
    double m_footerHeight = 0;
    double m_y = 0;
    int m_bandsOnPage = 0;
    int m_pageTopBands = 0;
};

} // namespace

ReportPreparer::ReportPreparer(const ReportLayout &layout)
    : m_layout(layout)
{
}

PreparedReport ReportPreparer::prepare(const ReportData &data, const QDateTime &now) const
{
    PreparedReport report;
    report.title = m_layout.title;
    report.pageWidth = m_layout.pageWidth;
    report.pageHeight = m_layout.pageHeight;

    TextExpander expander(data, now);
    PageBuilder builder(m_layout, expander, report);

    QList<const ReportBand *> titles;
    for (const ReportBand &band : m_layout.bands)
        if (band.type == BandType::ReportTitle)
            titles.append(&band);

    builder.startPage();
    builder.placeTitleAndPageTop(titles);
    for (const ReportBand &band : m_layout.bands) {
        if (band.type != BandType::MasterData)
            continue;
        const RowSet *rows = data.dataset(band.dataset);
        const int count = rows ? rows->rowCount() : 0;
        for (int r = 0; r < count; ++r) {
            expander.setCurrentRow(band.dataset, r);
            builder.placeFlowing(band);
        }
        // After its band a dataset shows its first row again, as outside any band.
        expander.setCurrentRow(band.dataset, 0);
    }
    for (const ReportBand &band : m_layout.bands)
        if (band.type == BandType::ReportSummary)
            builder.placeFlowing(band);
    builder.finishPage();

    const QString total = QString::number(report.pages.size());
    for (PreparedPage &page : report.pages)
        for (PreparedItem &item : page.items)
            item.text.replace(TextExpander::TotalPagesMarker, total);
    return report;
}

} // namespace kesvar::report
