#pragma once

#include "data/RowSet.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QTableWidget;
class QToolBar;
class QVBoxLayout;

namespace kesvar::gui {

// The toolbar window that keeps one list of names (warehouses, dictionary entries): Add, Edit,
// Delete, Save, Cancel, Exit over a read-only list and a name box. Subclasses supply the rows and
// the core calls. Edit remembers the row it was pressed on, and Save writes into that row, wherever
// the user has moved in the list since.
class NameListWindow : public QDialog
{
    Q_OBJECT
public:
    // Add, Edit and Delete may be actions owned elsewhere (shared commands); without them the
    // window makes its own. Shared actions are only shown here: their owner calls the slots below.
    struct ExternalActions
    {
        QAction *add = nullptr;
        QAction *edit = nullptr;
        QAction *remove = nullptr;
    };

    ~NameListWindow() override;

    bool isAdding() const { return m_mode == Mode::Adding; }
    bool isEditing() const { return m_mode == Mode::Editing; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QTableWidget *list() const { return m_list; }

public slots:
    void addRecord();
    void editRecord();
    void deleteRecord();
    void saveRecord();
    void cancelRecord();

protected:
    NameListWindow(const ExternalActions &actions, QWidget *parent);

    // Call once from the subclass constructor: builds the widgets, with the list placed on a tab
    // when `tabTitle` is given, and loads the rows.
    void build(const QString &tabTitle);
    // Rows with the ID in column 0 and the name in column 1.
    virtual RowSet loadRows() = 0;
    virtual void addName(const QString &name) = 0;
    virtual void renameRow(int id, const QString &name) = 0;
    virtual void removeRow(int id) = 0;

    void reload();

private:
    enum class Mode { Browsing, Adding, Editing };
    void setMode(Mode mode);
    int currentId() const;

    ExternalActions m_actions;
    QToolBar *m_toolBar = nullptr;
    QAction *m_save = nullptr;
    QAction *m_cancel = nullptr;
    QTableWidget *m_list = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    Mode m_mode = Mode::Browsing;
    int m_editedId = -1;
    bool m_addAllowed = true;
    bool m_editAllowed = true;
};

} // namespace kesvar::gui
