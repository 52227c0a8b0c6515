#pragma once

#include "data/RowSet.h"

#include <QDialog>
#include <functional>

class QAction;
class QToolBar;
class QVBoxLayout;

namespace kesvar::gui {

class RecordCursor;

// The editor of one master record at a time (product or partner), walking the rows of its list:
// New, Prior, Next, Cancel, Save and Exit. `AddMode` is set by the opener and by New only; Prior,
// Next and Cancel load rows without leaving it. `PreviousCode` is the code of the record last
// loaded into the boxes, the one a Save in edit mode writes to.
class MasterEditor : public QDialog
{
    Q_OBJECT
public:
    bool AddMode() const { return m_addMode; }
    QString PreviousCode() const { return m_previousCode; }
    RecordCursor &cursor() const { return m_cursor; }

    QAction *TB_New = nullptr;
    QAction *TB_Prior = nullptr;
    QAction *TB_Next = nullptr;
    QAction *TB_Cancel = nullptr;
    QAction *TB_Save = nullptr;
    QAction *TB_Exit = nullptr;

public slots:
    void TB_NewClick();
    void TB_PriorClick();
    void TB_NextClick();
    void TB_CancelClick();
    // True when the record was saved; a refusal is shown and leaves the boxes as they are.
    bool TB_SaveClick();

protected:
    MasterEditor(RecordCursor &cursor, bool addMode, QWidget *parent);

    // Call at the end of the subclass constructor with the body below the toolbar.
    void build(QWidget *body, const QString &addCaption, const QString &editCaption);

    virtual void resetToDefaults() = 0;
    // New: the boxes for the next record (defaults, or a copy when the subclass offers one).
    virtual void prepareNew() { resetToDefaults(); }
    virtual void loadRow(const RowSet &rows, int row) = 0;
    // Saves the boxes through the core; throws what the core throws.
    virtual void save() = 0;
    // After a successful add: what the boxes show next.
    virtual void afterAdd() = 0;
    virtual QString savedCode() const = 0;
    virtual QString duplicateMessage() const = 0;
    // Focus the box of a column named by a refusal.
    virtual void focusColumn(const QString &column) = 0;

    void loadCurrent();

private:
    RecordCursor &m_cursor;
    bool m_addMode;
    QString m_previousCode;
};

} // namespace kesvar::gui
