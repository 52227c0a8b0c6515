#include "grid/GridFooter.h"

#include "grid/GridTableModel.h"

#include <QHeaderView>
#include <QPainter>

namespace kesvar::gui {

GridFooter::GridFooter(QHeaderView *header, GridTableModel *model, QWidget *parent)
    : QWidget(parent), m_header(header), m_model(model)
{
    auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(model, &GridTableModel::footerChanged, this, repaint);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize GridFooter::sizeHint() const
{
    return QSize(100, fontMetrics().height() + 8);
}

QRect GridFooter::cellRect(int column) const
{
    if (column < 0 || column >= m_header->count() || m_header->isSectionHidden(column))
        return {};
    return QRect(m_header->sectionViewportPosition(column), 0, m_header->sectionSize(column), height());
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QColor line = palette().color(QPalette::Mid);
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int column = m_header->logicalIndex(visual);
        const QRect cell = cellRect(column);
        if (cell.isEmpty() || cell.right() < 0 || cell.left() > width())
            continue;
        painter.setPen(line);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        const QString text = m_model->footerText(column);
        if (text.isEmpty())
            continue;
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(cell.adjusted(3, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(line);
    painter.drawLine(rect().topLeft(), rect().topRight());
}

} // namespace kesvar::gui
