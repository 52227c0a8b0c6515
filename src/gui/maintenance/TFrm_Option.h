#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// The options dialog ("系统设置"): program title, decimal places, costing method and this
// workstation's date display format. Saved decimals take effect at once in the session (grids set
// up afterwards use them); title and costing method at the next start, which the dialog offers.
class TFrm_Option : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_Option(Session &session, QWidget *parent = nullptr);

    // How the program is started again; by default the running program's own file, detached.
    // Returns false when it could not be started.
    void setRestartStarter(std::function<bool()> starter) { m_startProgram = std::move(starter); }

signals:
    // The options were stored and the session's decimals replaced.
    void decimalsChanged();
    // A new instance was started: the main window should close, which ends this one.
    void restartRequested();

private:
    void FormShow();
    void Btn_OkClick();
    void Button1Click();

    Session &m_session;
    std::function<bool()> m_startProgram;
    QLineEdit *Edit_Name;
    QSpinBox *SpinEdit1;
    QSpinBox *SpinEdit2;
    QSpinBox *SpinEdit3;
    QComboBox *Combo_JSFS;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Close;
};

} // namespace kesvar::gui
