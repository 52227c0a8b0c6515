#include "grid/GridHeaderView.h"

#include "grid/GridTableModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionHeader>

namespace kesvar::gui {

GridHeaderView::GridHeaderView(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void GridHeaderView::setSortMarks(const QHash<int, SortMark> &marks)
{
    m_marks = marks;
    viewport()->update();
}

QString GridHeaderView::groupOf(int logicalIndex) const
{
    return model() ? model()->headerData(logicalIndex, Qt::Horizontal, GridTableModel::GroupTitleRole).toString()
                   : QString();
}

QString GridHeaderView::titleOf(int logicalIndex) const
{
    return model() ? model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
}

bool GridHeaderView::hasGroups() const
{
    for (int i = 0; i < count(); ++i)
        if (!groupOf(i).isEmpty())
            return true;
    return false;
}

QSize GridHeaderView::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    const int line = fontMetrics().height() + 8;
    size.setHeight(qMax(size.height(), line) * (hasGroups() ? 2 : 1));
    return size;
}

QRect GridHeaderView::groupRect(int logicalIndex, const QRect &sectionRect) const
{
    const QString group = groupOf(logicalIndex);
    int first = visualIndex(logicalIndex);
    int last = first;
    auto sameGroup = [&](int visual) {
        const int logical = this->logicalIndex(visual);
        return logical >= 0 && !isSectionHidden(logical) && groupOf(logical) == group;
    };
    while (first > 0 && sameGroup(first - 1))
        --first;
    while (last + 1 < count() && sameGroup(last + 1))
        ++last;
    const int left = sectionViewportPosition(this->logicalIndex(first));
    const int lastLogical = this->logicalIndex(last);
    const int right = sectionViewportPosition(lastLogical) + sectionSize(lastLogical);
    return QRect(left, sectionRect.top(), right - left, sectionRect.height() / 2);
}

void GridHeaderView::paintCell(QPainter *painter, const QRect &rect, int logicalIndex, const QString &text,
                               SortMark mark) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text = text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    option.sortIndicator = QStyleOptionHeader::None;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    option.rect = rect.adjusted(2, 0, mark != SortMark::None ? -14 : -2, 0);
    style()->drawControl(QStyle::CE_HeaderLabel, &option, painter, this);
    painter->restore();
    if (mark != SortMark::None) {
        const QPointF c(rect.right() - 7.5, rect.center().y() + 0.5);
        QPainterPath arrow;
        if (mark == SortMark::Up) {
            arrow.moveTo(c.x() - 4, c.y() + 2.5);
            arrow.lineTo(c.x() + 4, c.y() + 2.5);
            arrow.lineTo(c.x(), c.y() - 3);
        } else {
            arrow.moveTo(c.x() - 4, c.y() - 2.5);
            arrow.lineTo(c.x() + 4, c.y() - 2.5);
            arrow.lineTo(c.x(), c.y() + 3);
        }
        arrow.closeSubpath();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillPath(arrow, palette().color(QPalette::ButtonText));
        painter->restore();
    }
}

void GridHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const QString group = groupOf(logicalIndex);
    const SortMark mark = sortMark(logicalIndex);
    if (group.isEmpty()) {
        paintCell(painter, rect, logicalIndex, titleOf(logicalIndex), mark);
        return;
    }
    const int upper = rect.height() / 2;
    // The band is drawn whole by every member; the painter's clip keeps repaints cheap.
    paintCell(painter, groupRect(logicalIndex, rect), logicalIndex, group, SortMark::None);
    paintCell(painter, QRect(rect.left(), rect.top() + upper, rect.width(), rect.height() - upper), logicalIndex,
              titleOf(logicalIndex), mark);
}

} // namespace kesvar::gui
