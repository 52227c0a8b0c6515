#pragma once

#include <QHash>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

namespace kesvar::gui {

class GridTableModel;

// Draws and edits a grid's cells: an ellipsis button at the right of every cell of a ShowButton
// column (a click calls the grid's handler), and a drop-down editor offering the pick list of a
// combo column (other text may still be typed).
class GridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    GridCellDelegate(GridTableModel *model, QObject *parent);

    void setPickLists(const QHash<int, QStringList> &pickLists) { m_pickLists = pickLists; }
    QStringList pickList(int column) const { return m_pickLists.value(column); }
    // Called with the view's index of the cell whose ellipsis button was clicked.
    void setEllipsisHandler(std::function<void(const QModelIndex &)> handler) { m_ellipsis = std::move(handler); }

    // The button's rectangle inside a cell rectangle.
    static QRect buttonRect(const QRect &cell);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    bool hasButton(const QModelIndex &index) const;

    GridTableModel *m_model;
    QHash<int, QStringList> m_pickLists;
    std::function<void(const QModelIndex &)> m_ellipsis;
};

} // namespace kesvar::gui
