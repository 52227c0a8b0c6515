#pragma once

#include "grid/GridColumn.h"

#include <QHash>
#include <QHeaderView>

namespace kesvar::gui {

// The title row of a grid: movable, resizable sections that act as buttons, sort marks on any number
// of columns at once (an up arrow for descending, a down arrow for ascending), and two-level titles:
// a title "upper|lower" shows "upper" in an upper band merged across the neighbouring columns of the
// same group, "lower" beneath; titles without a bar take the full height.
class GridHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit GridHeaderView(QWidget *parent = nullptr);

    // Marks per model column (columns absent from the hash have none).
    void setSortMarks(const QHash<int, SortMark> &marks);
    SortMark sortMark(int logicalIndex) const { return m_marks.value(logicalIndex, SortMark::None); }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    bool hasGroups() const;
    QString groupOf(int logicalIndex) const;
    QString titleOf(int logicalIndex) const;
    // The rectangle of the group band that `logicalIndex` belongs to.
    QRect groupRect(int logicalIndex, const QRect &sectionRect) const;
    void paintCell(QPainter *painter, const QRect &rect, int logicalIndex, const QString &text, SortMark mark) const;

    QHash<int, SortMark> m_marks;
};

} // namespace kesvar::gui
