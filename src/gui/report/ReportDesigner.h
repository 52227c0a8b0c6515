#pragma once

#include "report/ReportJob.h"

#include <QDialog>

class QAction;
class QMenu;

namespace kesvar::gui {

class DesignerCanvas;
class PropertyPanel;

// The report designer: the layout of one report on a page-sized canvas, a property panel, and
// commands to add and delete objects and bands, preview with the report's current data and save
// to the template file. Modal; asks before closing with unsaved changes.
class ReportDesigner : public QDialog
{
    Q_OBJECT
public:
    ReportDesigner(report::ReportJob job, QString templateFile, QWidget *parent = nullptr);

    const report::ReportLayout &layout() const { return m_layout; }
    DesignerCanvas *canvas() const { return m_canvas; }
    PropertyPanel *propertyPanel() const { return m_panel; }
    bool isModified() const { return m_modified; }

    // Selects the object of that name; false when there is none.
    bool selectObject(const QString &name);
    // Writes the template file; false (after a message) when it cannot be written.
    bool save();
    // A new object in the selected band; `text` may be a field such as [S."Money"].
    void addObject(const QString &text = QStringLiteral("文本"));
    // A copy of the selected object just below it.
    void duplicateSelection();
    // Undoes the last change (every move, resize and property edit is one step).
    void undo();
    void deleteSelection();
    void addBand(report::BandType type);
    void deleteBand();
    void preview();

protected:
    void done(int result) override;

private:
    void setModified(bool modified);
    // Records the layout as it is now; the state before it becomes the next undo step.
    void changed();
    // Adds the object under a new name at the end of the band and selects it.
    void appendObject(int band, report::ReportObject object);
    void fillFieldMenu(QMenu *menu);
    void selectionChanged();
    QString defaultDataset() const;

    report::ReportJob m_job;
    report::ReportLayout m_layout;
    QString m_file;
    bool m_modified = false;
    report::ReportLayout m_recorded; // the layout after the last recorded change
    QList<report::ReportLayout> m_undo;
    DesignerCanvas *m_canvas;
    PropertyPanel *m_panel;
};

} // namespace kesvar::gui
