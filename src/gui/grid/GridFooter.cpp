#include "grid/GridFooter.h"

#include "grid/GridTableModel.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

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

QRect GridFooter::textRect(int column) const
{
    QRect area = cellRect(column);
    const QString text = m_model->footerText(column);
    if (area.isEmpty() || text.isEmpty())
        return {};
    const int needed = fontMetrics().horizontalAdvance(text) + LeftPadding + RightPadding;
    for (int visual = m_header->visualIndex(column) - 1; visual >= 0 && area.width() < needed; --visual) {
        const int left = m_header->logicalIndex(visual);
        if (m_header->isSectionHidden(left))
            continue;
        if (!m_model->footerText(left).isEmpty())
            break;
        area.setLeft(qMax(cellRect(left).left(), area.right() + 1 - needed));
    }
    return area;
}

QString GridFooter::shownText(int column) const
{
    const QRect area = textRect(column);
    if (area.isEmpty())
        return {};
    return fontMetrics().elidedText(m_model->footerText(column), Qt::ElideRight,
                                    area.width() - LeftPadding - RightPadding);
}

bool GridFooter::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        for (int column = 0; column < m_header->count(); ++column) {
            if (textRect(column).contains(help->pos()) && shownText(column) != m_model->footerText(column)) {
                QToolTip::showText(help->globalPos(), m_model->footerText(column), this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QColor line = palette().color(QPalette::Mid);
    // Cell borders first: a total that borrows its neighbours' room is drawn over their borders.
    painter.setPen(line);
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const QRect cell = cellRect(m_header->logicalIndex(visual));
        if (!cell.isEmpty() && cell.right() >= 0 && cell.left() <= width())
            painter.drawLine(cell.topRight(), cell.bottomRight());
    }
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int column = m_header->logicalIndex(visual);
        const QRect area = textRect(column);
        if (area.isEmpty() || area.right() < 0 || area.left() > width())
            continue;
        painter.fillRect(area.adjusted(0, 1, -1, 0), palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(area.adjusted(LeftPadding, 0, -RightPadding, 0), Qt::AlignRight | Qt::AlignVCenter,
                         shownText(column));
    }
    painter.setPen(line);
    painter.drawLine(rect().topLeft(), rect().topRight());
}

} // namespace kesvar::gui
