#pragma once

#include "data/RowSet.h"
#include "grid/GridColumn.h"

#include <QList>
#include <QStringList>
#include <QTableView>
#include <functional>

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class GridCellDelegate;
class GridFooter;
class GridHeaderView;
class GridSortProxy;
class GridTableModel;

// The list grid of every window: its columns, titles, widths, number formats, footer sums, pick
// lists, ellipsis buttons and remembered sort marks come from the T_FieldShow rows of a grid key.
//
// Typical use by a window:
//
//     m_grid = new DataGrid(session, this);
//     m_grid->setSortMarkingEnabled(true);           // title clicks sort and remember the mark
//     m_grid->addSaveLayoutAction();                 // context menu "保存表格列宽"
//     m_grid->setRows(core.query(...));              // the dataset (RowSet) from a core call
//     m_grid->setupGrid(QStringLiteral("goods"));    // columns from the key
//     ...
//     m_grid->exportGrid();                          // the window's "Excel" button
//
// setRows() and setupGrid() may come in either order and each may be repeated: new rows keep the
// columns, a new set-up keeps the rows. Decimals are taken from the session's options at set-up,
// so a change in the options dialog reaches every grid set up afterwards.
//
// Rows are identified by their index in rows() (the "source row"), whatever the sort order on
// screen; use sourceRow()/currentSourceRow() to map from what the user selected.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(Session &session, QWidget *parent = nullptr);
    ~DataGrid() override;

    // --- Columns (SetupGrid) ---------------------------------------------------------------
    // Rebuilds the columns from the key's shown rows: widths, titles (two-level with "|"), number
    // formats, footer sums, ellipsis buttons, pick lists (read now) and the stored sort marks, which
    // are shown without sorting. A key without shown rows leaves the grid without columns.
    // Throws DbError when the metadata or a pick list cannot be read.
    void setupGrid(const QString &key);
    QString gridKey() const { return m_key; }
    // The columns as built, in set-up order (model column order).
    const QList<GridColumn> &columns() const;
    // The shown columns left to right as the user has arranged them, with their current widths,
    // and the decimals each is shown with (-1 for none).
    QList<GridColumn> shownColumns() const;
    QList<int> shownDecimals() const;

    // --- Rows (the dataset) -----------------------------------------------------------------
    // Shows these rows (the dataset is "open"); footer sums are computed here, once per load.
    void setRows(RowSet rows);
    // Back to "no dataset" (nothing queried yet).
    void clearRows();
    bool hasDataset() const;
    const RowSet &rows() const;
    // The model behind the grid: values by row and field, programmatic changes, appended rows.
    GridTableModel *tableModel() const { return m_model; }
    // Source row of a view index, and of the current cell (-1 when none).
    int sourceRow(const QModelIndex &viewIndex) const;
    int currentSourceRow() const;
    // Row indexes into rows() in the order they are shown.
    QList<int> shownRowOrder() const;

    // --- Sorting (ApplySortMarks) -------------------------------------------------------------
    // With marking on, a title click marks that column alone (ascending first, then toggling),
    // Ctrl+click adds the column to the marks; the rows are sorted in memory and the last marked
    // column's mark is stored under the key.
    void setSortMarkingEnabled(bool enabled) { m_sortMarking = enabled; }
    QList<SortKey> sortMarks() const { return m_marks; }
    // Sets marks, sorts and stores them as a title click would. Throws DbError when storing fails
    // (a title click shows the error instead).
    void applySortMarks(const QList<SortKey> &marks);

    // --- Layout (SaveGridLayout) ----------------------------------------------------------------
    // Stores every shown column's position and width under the key (nothing for fewer than two
    // columns); with `confirm` the user is told "列属性已成功保存!". Throws DbError.
    void saveGridLayout(bool confirm);

    // --- Footer --------------------------------------------------------------------------------
    // The footer row shows when a column sums (SumField); windows may hide it.
    void setFooterEnabled(bool enabled);
    bool isFooterShown() const;
    GridFooter *footer() const { return m_footer; }

    // --- Editing ---------------------------------------------------------------------------------
    // In-cell editing (double click, F2 or typing); read-only fields stay read-only. Edits go into
    // rows() and are reported by GridTableModel::cellEdited.
    void setEditable(bool editable);
    void setReadOnlyFields(const QStringList &fields);
    // Called with the source row and field when a cell's ellipsis button (ShowButton) is clicked;
    // without a handler the button does nothing (the bill window's line grid opens its picker here).
    void setEllipsisHandler(std::function<void(int row, const QString &field)> handler);
    // The pick list of a combo column (empty for other columns).
    QStringList pickList(const QString &field) const;

    // --- Context menu ------------------------------------------------------------------------------
    // Adds an item to the grid's context menu.
    QAction *addContextAction(const QString &text, std::function<void()> handler);
    // The layout-saving item (saves with confirmation).
    QAction *addSaveLayoutAction(const QString &text = QStringLiteral("保存表格列宽"));
    // The field chooser item: opens TFrm_FieldShow for the key, then builds the columns again.
    QAction *addFieldChooserAction(const QString &text = QStringLiteral("自定义表格列"));

    // --- Export (ExportGrid) -----------------------------------------------------------------------
    // Writes what the grid shows to a workbook the user names and offers to open it; the messages
    // when nothing is loaded or no row exists. Returns the file written, empty when none.
    QString exportGrid();

signals:
    void sortMarksChanged();
    // The field chooser stored a new choice and the columns were built again.
    void columnsChosen();

protected:
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void titleClicked(int column);
    void sortByMarks();
    void showMarks();
    void placeFooter();

    Session &m_session;
    QString m_key;
    GridTableModel *m_model;
    GridSortProxy *m_proxy;
    GridHeaderView *m_header;
    GridCellDelegate *m_delegate;
    GridFooter *m_footer;
    QList<SortKey> m_marks;
    bool m_sortMarking = false;
    Qt::KeyboardModifiers m_titleClickModifiers;
    bool m_sortedByUser = false; // marks set by a click order the rows; stored ones only show
    bool m_footerEnabled = true;
    int m_footerDepth = 0; // nesting of updateGeometries() while the footer takes its strip
    std::function<void(int, const QString &)> m_ellipsisHandler;
};

} // namespace kesvar::gui
