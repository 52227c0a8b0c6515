#pragma once

#include <QCollatorSortKey>
#include <QList>
#include <QSortFilterProxyModel>
#include <QString>
#include <vector>

namespace kesvar::gui {

class GridTableModel;

// Client-side ordering of a grid's rows by several columns at once, in memory: the rows are not
// queried again. Without sort columns the rows keep the order in which they were read. Rows edited
// or added later stay where they are until the next sort. Texts are ordered as a Chinese reader
// expects (Han characters by pinyin), figures and days by value.
class GridSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    struct Key
    {
        int column = -1; // model column
        bool descending = false;
    };

    explicit GridSortProxy(QObject *parent = nullptr);

    void setGridModel(GridTableModel *model);
    // Orders the rows by the keys, first key first; an empty list restores the stored order.
    void sortBy(const QList<Key> &keys);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    // Each sort column read once into plain values, so the comparisons do not go through the model.
    struct Column
    {
        bool numeric = false;
        bool descending = false;
        std::vector<double> numbers;
        std::vector<QCollatorSortKey> texts;
    };
    void buildColumns(const QList<Key> &keys);

    GridTableModel *m_model = nullptr;
    std::vector<Column> m_columns;
};

} // namespace kesvar::gui
