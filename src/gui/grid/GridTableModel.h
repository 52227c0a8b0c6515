#pragma once

#include "data/RowSet.h"
#include "grid/GridColumn.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QStringList>

namespace kesvar::gui {

// The rows a grid shows: a RowSet seen through the grid's columns (one model column per grid
// column, left to right in set-up order). Display texts are formatted on demand, so only the cells
// on screen cost anything; footer sums are computed once per load and kept up to date by edits.
//
// Windows that edit rows in the grid (cached bill lines) hand their rows in with setRows(), read
// them back with rows(), change cells with setValue() and hear about the user's edits through
// cellEdited(). Fields of the RowSet that no column shows are kept untouched.
class GridTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Header role carrying the upper title of a two-level column ("" without one).
    static constexpr int GroupTitleRole = Qt::UserRole + 1;
    // Data role carrying the stored value (for sorting and export), whatever is displayed.
    static constexpr int ValueRole = Qt::UserRole + 2;

    explicit GridTableModel(QObject *parent = nullptr);

    // Columns and the decimals of each (-1 for none); the rows are kept.
    void setColumns(const QList<GridColumn> &columns, const QList<int> &decimals, const QString &dateFormat);
    const QList<GridColumn> &columns() const { return m_columns; }
    int decimals(int column) const { return m_decimals.value(column, -1); }
    // The format days are shown in (this workstation's date format when the columns were set up).
    const QString &dateFormat() const { return m_dateFormat; }
    // Model column of a field (compared without regard to letter case), -1 when no column shows it.
    int columnOfField(const QString &field) const;
    // Position of a model column's field in the RowSet, -1 when the rows lack the field.
    int sourceColumn(int column) const { return m_sourceColumns.value(column, -1); }

    // The dataset was loaded: these rows are shown. clear() returns to "no dataset".
    void setRows(RowSet rows);
    void clear();
    bool isLoaded() const { return m_loaded; }
    const RowSet &rows() const { return m_rows; }

    // Stored value of a row's field (any field of the RowSet), and programmatic change of it. A
    // field the RowSet lacks is ignored. Does not emit cellEdited.
    QVariant value(int row, const QString &field) const;
    void setValue(int row, const QString &field, const QVariant &value);
    // Appends a row (missing trailing fields are empty); returns its index.
    int appendRow(const QVariantList &values = {});
    void removeRow(int row);

    // In-cell editing; read-only fields stay read-only while editing is on.
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    void setReadOnlyFields(const QStringList &fields);

    // Footer: whether any column sums, and the formatted sum under a model column ("" for none).
    bool hasFooter() const;
    double footerSum(int column) const { return m_sums.value(column); }
    QString footerText(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // The user changed a cell: row index into rows(), the column's field and the value before.
    void cellEdited(int row, const QString &field, const QVariant &oldValue);
    void footerChanged();

private:
    void mapColumns();
    void computeSums();
    void adjustSum(int sourceColumn, const QVariant &oldValue, const QVariant &newValue);
    bool isNumericColumn(int column) const;

    QList<GridColumn> m_columns;
    QList<int> m_decimals;
    QList<int> m_sourceColumns;
    QString m_dateFormat = QStringLiteral("yyyy-MM-dd");
    RowSet m_rows;
    bool m_loaded = false;
    bool m_editable = false;
    QSet<QString> m_readOnlyFields; // case-folded
    QList<double> m_sums;
};

} // namespace kesvar::gui
