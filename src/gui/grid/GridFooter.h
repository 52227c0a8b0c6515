#pragma once

#include <QWidget>

class QHeaderView;

namespace kesvar::gui {

class GridTableModel;

// The footer row under a grid: each summed column's total in a cell exactly under that column,
// formatted like the column; follows column moves, resizes and horizontal scrolling. A total wider
// than its column borrows the room of the neighbouring cells to its left that show no total, so the
// column widths stay as the user left them; only when that is not enough is it elided, and its
// tooltip shows it whole.
class GridFooter : public QWidget
{
    Q_OBJECT
public:
    GridFooter(QHeaderView *header, GridTableModel *model, QWidget *parent);

    QSize sizeHint() const override;
    // The cell rectangle under a model column, in this widget's coordinates (empty when hidden).
    QRect cellRect(int column) const;
    // Where a model column's total is drawn: its cell, widened to the left over cells without a
    // total when the text needs the room (empty when the column has no total).
    QRect textRect(int column) const;
    // The total as drawn in textRect(): the full text, or elided when it does not fit even there.
    QString shownText(int column) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int LeftPadding = 3;
    static constexpr int RightPadding = 4;

    QHeaderView *m_header;
    GridTableModel *m_model;
};

} // namespace kesvar::gui
