#include "grid/GridTableModel.h"

#include "grid/GridExport.h"
#include "grid/GridFormat.h"
#include "data/Values.h"

namespace kesvar::gui {

GridTableModel::GridTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridTableModel::setColumns(const QList<GridColumn> &columns, const QList<int> &decimals, const QString &dateFormat)
{
    beginResetModel();
    m_columns = columns;
    m_decimals = decimals;
    m_dateFormat = dateFormat;
    mapColumns();
    computeSums();
    endResetModel();
    emit footerChanged();
}

int GridTableModel::columnOfField(const QString &field) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

void GridTableModel::setRows(RowSet rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_loaded = true;
    mapColumns();
    computeSums();
    endResetModel();
    emit footerChanged();
}

void GridTableModel::clear()
{
    beginResetModel();
    m_rows = RowSet();
    m_loaded = false;
    mapColumns();
    computeSums();
    endResetModel();
    emit footerChanged();
}

void GridTableModel::mapColumns()
{
    m_sourceColumns.clear();
    for (const GridColumn &c : m_columns)
        m_sourceColumns.append(m_rows.columnIndex(c.field));
}

void GridTableModel::computeSums()
{
    m_sums = QList<double>(m_columns.size(), 0.0);
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).sumField)
            m_sums[c] = GridExport::columnSum(m_rows, m_sourceColumns.at(c));
}

void GridTableModel::adjustSum(int sourceColumn, const QVariant &oldValue, const QVariant &newValue)
{
    bool changed = false;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns.at(c).sumField && m_sourceColumns.at(c) == sourceColumn) {
            m_sums[c] += GridFormat::toNumber(newValue) - GridFormat::toNumber(oldValue);
            changed = true;
        }
    }
    if (changed)
        emit footerChanged();
}

QVariant GridTableModel::value(int row, const QString &field) const
{
    const int column = m_rows.columnIndex(field);
    if (row < 0 || row >= m_rows.rowCount() || column < 0)
        return {};
    return m_rows.value(row, column);
}

void GridTableModel::setValue(int row, const QString &field, const QVariant &value)
{
    const int column = m_rows.columnIndex(field);
    if (row < 0 || row >= m_rows.rowCount() || column < 0)
        return;
    QVariantList &values = m_rows.mutableRow(row);
    while (values.size() <= column)
        values.append(QVariant());
    const QVariant old = values.at(column);
    values[column] = value;
    adjustSum(column, old, value);
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_sourceColumns.at(c) == column)
            emit dataChanged(index(row, c), index(row, c));
}

int GridTableModel::appendRow(const QVariantList &values)
{
    const int row = m_rows.rowCount();
    QVariantList padded = values;
    while (padded.size() < m_rows.columnCount())
        padded.append(QVariant());
    beginInsertRows({}, row, row);
    m_rows.appendRow(padded);
    m_loaded = true;
    endInsertRows();
    for (int c = 0; c < padded.size(); ++c)
        adjustSum(c, QVariant(), padded.at(c));
    return row;
}

void GridTableModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.rowCount())
        return;
    const QVariantList removed = m_rows.row(row);
    beginRemoveRows({}, row, row);
    RowSet kept(m_rows.columns());
    for (int r = 0; r < m_rows.rowCount(); ++r)
        if (r != row)
            kept.appendRow(m_rows.row(r));
    m_rows = std::move(kept);
    endRemoveRows();
    for (int c = 0; c < removed.size(); ++c)
        adjustSum(c, removed.at(c), QVariant());
}

void GridTableModel::setReadOnlyFields(const QStringList &fields)
{
    m_readOnlyFields.clear();
    for (const QString &f : fields)
        m_readOnlyFields.insert(f.toCaseFolded());
}

bool GridTableModel::hasFooter() const
{
    for (const GridColumn &c : m_columns)
        if (c.sumField)
            return true;
    return false;
}

QString GridTableModel::footerText(int column) const
{
    if (column < 0 || column >= m_columns.size() || !m_columns.at(column).sumField || !m_loaded)
        return {};
    return GridFormat::displayText(m_sums.at(column), decimals(column), m_dateFormat);
}

int GridTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.rowCount();
}

int GridTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

bool GridTableModel::isNumericColumn(int column) const
{
    return decimals(column) != GridFormat::NoDecimals || m_columns.at(column).sumField;
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.rowCount())
        return {};
    const int source = m_sourceColumns.value(index.column(), -1);
    const QVariant value = source < 0 ? QVariant() : m_rows.value(index.row(), source);
    switch (role) {
    case Qt::DisplayRole:
        return GridFormat::displayText(value, decimals(index.column()), m_dateFormat);
    case Qt::EditRole:
    case ValueRole:
        return value;
    case Qt::TextAlignmentRole:
        if (isNumericColumn(index.column()) || Values::isNumber(value))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).ownTitle();
    if (role == GroupTitleRole)
        return m_columns.at(section).groupTitle();
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_editable && m_sourceColumns.value(index.column(), -1) >= 0
        && !m_readOnlyFields.contains(m_columns.at(index.column()).field.toCaseFolded()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int source = m_sourceColumns.at(index.column());
    QVariant stored = value;
    if (isNumericColumn(index.column()) && !Values::isNumber(value)) {
        const QString text = value.toString().trimmed();
        if (text.isEmpty()) {
            stored = QVariant();
        } else {
            bool ok = false;
            const double number = text.toDouble(&ok);
            if (!ok)
                return false; // a figure column keeps its value when the text is not a number
            stored = number;
        }
    }
    QVariantList &values = m_rows.mutableRow(index.row());
    while (values.size() <= source)
        values.append(QVariant());
    const QVariant old = values.at(source);
    if (old == stored)
        return true;
    values[source] = stored;
    adjustSum(source, old, stored);
    emit dataChanged(index, index);
    emit cellEdited(index.row(), m_columns.at(index.column()).field, old);
    return true;
}

} // namespace kesvar::gui
