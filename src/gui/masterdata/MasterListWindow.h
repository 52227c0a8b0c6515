#pragma once

#include "data/RowSet.h"
#include "masterdata/RecordCursor.h"

#include <QDialog>
#include <memory>

class QAction;
class QGroupBox;
class QStatusBar;
class QToolBar;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class DataGrid;
class MasterEditor;

// A master list (products, partners): a search panel on the left, the list grid, a toolbar with
// New, Edit, Delete, enable/disable, Find, Refresh, Excel, Print and Exit, and the record count in
// the status bar. The list and the editor it opens share one RecordCursor.
class MasterListWindow : public QDialog
{
    Q_OBJECT
public:
    // New, Edit, Delete and Print may be the main window's shared actions; they are then only
    // shown here, and their owner calls addRecord(), editRecord(), deleteRecord() and printList()
    // of the open list. Without them the window makes its own.
    struct ExternalActions
    {
        QAction *add = nullptr;
        QAction *edit = nullptr;
        QAction *remove = nullptr;
        QAction *print = nullptr;
    };

    ~MasterListWindow() override;

    DataGrid *grid() const { return m_grid; }
    RecordCursor &cursor() { return m_cursor; }
    QStatusBar *statusBar() const { return m_statusBar; }
    QGroupBox *searchPanel() const { return m_searchPanel; }
    QAction *toggleAction() const { return m_toggle; }

public slots:
    void addRecord();
    void editRecord();
    void deleteRecord();
    void printList();
    void toggleDisabled();
    void refresh();
    void runSearch();
    void clearConditions();

signals:
    // "打印": the rows as currently listed, for the list's report. The window's own print button
    // stays disabled until this is connected.
    void printRequested(const RowSet &rows);

protected:
    MasterListWindow(Session &session, const QString &codeColumn, const ExternalActions &actions, QWidget *parent);

    // Call once from the subclass constructor.
    void build(const QString &caption, const QString &gridKey, QLayout *searchBoxes);

    virtual RowSet defaultRows() = 0;
    // The query of the search boxes as they are now.
    virtual RecordCursor::Query searchQuery() = 0;
    virtual void clearSearchBoxes() = 0;
    // Shows a failure itself.
    virtual void refillSuggestions() {}
    virtual void setDisabled(const QString &code, bool disabled) = 0;
    virtual void removeRecord(const QString &code) = 0;
    virtual std::unique_ptr<MasterEditor> createEditor(bool addMode) = 0;
    // Whether Edit opens the editor on an empty list.
    virtual bool editsWhenEmpty() const { return false; }

    Session &session() { return m_session; }
    // The window's own "打印" is offered once something prints the list.
    void connectNotify(const QMetaMethod &signal) override;

private:
    void showRows();
    void showCount();
    void currentRowChanged();
    void openEditor(bool addMode);
    // Runs the cursor's query again and shows the rows and their count.
    void reloadRows();

    Session &m_session;
    RecordCursor m_cursor;
    ExternalActions m_actions;
    DataGrid *m_grid = nullptr;
    QGroupBox *m_searchPanel = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QAction *m_toggle = nullptr;
    bool m_ownPrint = false;
};

} // namespace kesvar::gui
