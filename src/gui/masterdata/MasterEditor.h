#pragma once

#include "data/RowSet.h"

#include <QDialog>
#include <QList>
#include <QPair>

class QAction;
class QLineEdit;
class QToolBar;
class QVBoxLayout;

namespace kesvar::gui {

class RecordCursor;

// The editor of one master record at a time (product or partner), walking the rows of its list:
// New, Prior, Next, Cancel, Save and Exit. `AddMode` is set by the opener and by New only; Prior,
// Next and Cancel load rows without leaving it. `PreviousCode` is the code of the record last
// loaded into the boxes, the one a Save in edit mode writes to; with none loaded (an editor opened
// on an empty list) Save adds the record instead of reporting a failed edit.
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

    // Call at the end of the subclass constructor with the body below the toolbar and the box
    // that holds the record's code.
    void build(QWidget *body, QLineEdit *codeBox, const QString &addCaption, const QString &editCaption);
    // The box a refusal naming `column` puts the focus in.
    void bindColumn(const QString &column, QWidget *box);
    // Tab moves through the boxes in this order (row by row, as they are laid out).
    static void setTabOrder(const QList<QWidget *> &boxes);

    virtual void resetToDefaults() = 0;
    // New: the boxes for the next record (defaults, or a copy when the subclass offers one).
    virtual void prepareNew() { resetToDefaults(); }
    virtual void loadRow(const RowSet &rows, int row) = 0;
    // Saves the boxes through the core, as a new record or over PreviousCode(); throws what the
    // core throws.
    virtual void save(bool asNew) = 0;
    // After a successful add: what the boxes show next.
    virtual void afterAdd() = 0;

    void loadCurrent();

private:
    void focusColumn(const QString &column);

    RecordCursor &m_cursor;
    QLineEdit *m_codeBox = nullptr;
    QList<QPair<QString, QWidget *>> m_columnBoxes;
    bool m_addMode;
    QString m_previousCode;
};

} // namespace kesvar::gui
