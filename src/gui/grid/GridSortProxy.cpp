#include "grid/GridSortProxy.h"

#include "grid/GridFormat.h"
#include "grid/GridTableModel.h"

#include <QCollator>
#include <QDate>
#include <limits>
#include "data/Values.h"

namespace kesvar::gui {

GridSortProxy::GridSortProxy(QObject *parent) : QSortFilterProxyModel(parent)
{
    // Editing a cell must not make its row jump away under the cursor.
    setDynamicSortFilter(false);
}

void GridSortProxy::setGridModel(GridTableModel *model)
{
    m_model = model;
    setSourceModel(model);
}

void GridSortProxy::buildColumns(const QList<Key> &keys)
{
    m_columns.clear();
    const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    const RowSet &rows = m_model->rows();
    const int count = rows.rowCount();
    for (const Key &key : keys) {
        Column c;
        c.descending = key.descending;
        const int source = m_model->sourceColumn(key.column);
        c.numeric = m_model->decimals(key.column) != GridFormat::NoDecimals;
        if (!c.numeric && source >= 0) {
            // A column is sorted as figures when its values are figures, and dates by their day
            // whatever format shows them.
            for (int r = 0; r < count; ++r) {
                const QVariant v = rows.value(r, source);
                if (v.isNull())
                    continue;
                c.numeric = Values::isNumber(v) || GridFormat::dayOf(v).isValid();
                break;
            }
        }
        if (c.numeric) {
            c.numbers.resize(count, std::numeric_limits<double>::lowest());
            for (int r = 0; source >= 0 && r < count; ++r) {
                const QVariant v = rows.value(r, source);
                if (const QDate day = GridFormat::dayOf(v); day.isValid())
                    c.numbers[r] = double(day.toJulianDay());
                else if (!v.isNull())
                    c.numbers[r] = GridFormat::toNumber(v);
            }
        } else {
            // Keys made once per row keep a hundred thousand rows quick to compare.
            c.texts.reserve(count);
            for (int r = 0; r < count; ++r)
                c.texts.push_back(collator.sortKey(
                    source < 0 ? QString() : m_model->data(m_model->index(r, key.column), Qt::DisplayRole).toString()));
        }
        m_columns.push_back(std::move(c));
    }
}

void GridSortProxy::sortBy(const QList<Key> &keys)
{
    if (!m_model)
        return;
    if (keys.isEmpty()) {
        m_columns.clear();
        sort(-1);
        return;
    }
    buildColumns(keys);
    sort(0, Qt::AscendingOrder);
}

bool GridSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const size_t a = size_t(left.row());
    const size_t b = size_t(right.row());
    for (const Column &c : m_columns) {
        int order = 0;
        if (c.numeric) {
            if (a >= c.numbers.size() || b >= c.numbers.size())
                continue;
            order = c.numbers[a] < c.numbers[b] ? -1 : c.numbers[a] > c.numbers[b] ? 1 : 0;
        } else {
            if (a >= c.texts.size() || b >= c.texts.size())
                continue;
            order = c.texts[a].compare(c.texts[b]);
        }
        if (order != 0)
            return c.descending ? order > 0 : order < 0;
    }
    return false;
}

} // namespace kesvar::gui
