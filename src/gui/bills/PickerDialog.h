#pragma once

#include <QDialog>

class QGridLayout;
class QGroupBox;
class QPushButton;
class QToolBar;

namespace kesvar {
class RowSet;
struct Session;
}

namespace kesvar::gui {

class DataGrid;

// What the product and partner pickers share: a toolbar with "查找" (shows or hides the criteria
// panel), "刷新" and "退出"; the criteria panel "查找条件面板" with its "清空条件" and "执行查询"
// buttons; and the list of a search shown with its first row current and its count in the main
// window's status bar.
class PickerDialog : public QDialog
{
    Q_OBJECT
public slots:
    virtual void search() = 0;
    virtual void refresh() = 0;
    virtual void clearCriteria() = 0;

protected:
    PickerDialog(Session &session, const QString &title, QWidget *parent);

    QToolBar *toolbar() const { return m_toolbar; }
    QGroupBox *criteriaPanel() const { return m_criteria; }
    QGridLayout *criteriaLayout() const { return m_criteriaLayout; }
    // Puts "清空条件" and "执行查询" into the criteria panel, side by side from `column`.
    void placeCriteriaButtons(int row, int column);
    void showFound(DataGrid *grid, const RowSet &rows);

    Session &m_session;

private:
    QToolBar *m_toolbar;
    QGroupBox *m_criteria;
    QGridLayout *m_criteriaLayout;
    QPushButton *m_clear;
    QPushButton *m_run;
};

} // namespace kesvar::gui
