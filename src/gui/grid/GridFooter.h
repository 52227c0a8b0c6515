#pragma once

#include <QWidget>

class QHeaderView;

namespace kesvar::gui {

class GridTableModel;

// The footer row under a grid: each summed column's total in a cell exactly under that column,
// formatted like the column; follows column moves, resizes and horizontal scrolling.
class GridFooter : public QWidget
{
    Q_OBJECT
public:
    GridFooter(QHeaderView *header, GridTableModel *model, QWidget *parent);

    QSize sizeHint() const override;
    // The cell rectangle under a model column, in this widget's coordinates (empty when hidden).
    QRect cellRect(int column) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QHeaderView *m_header;
    GridTableModel *m_model;
};

} // namespace kesvar::gui
