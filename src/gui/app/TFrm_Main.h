#pragma once

#include "app/SharedCommands.h"
#include "app/WindowCatalog.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// The main window: menus, toolbar, the tabbed child windows (the navigation chart and the stock
// windows, one instance per class), the status bar and the shared commands. It holds the run's
// Session and hands it to every window it opens.
class TFrm_Main : public QMainWindow
{
    Q_OBJECT
public:
    // How the main window asks for a login (the login dialog in the program, a stand-in in tests):
    // returns the accepted operator's name, or an empty text when the login was cancelled.
    using LoginPrompt = std::function<QString(TFrm_Main &main)>;

    explicit TFrm_Main(Session &session, QWidget *parent = nullptr);
    ~TFrm_Main() override;

    Session &session() { return m_session; }
    SharedCommands &commands() { return *m_commands; }
    QAction *command(const QString &name) const { return m_commands->command(name); }
    WindowCatalog &catalog() { return m_catalog; }

    // Opens the child window of `windowClass` ("TFrm_R_ViewDepot"), or brings the open one to the
    // front and selects its tab. Returns the window, nullptr when that window is not wired yet.
    QWidget *OpenChild(const QString &windowClass);
    // Names of the open child windows ("Frm_R_ViewDepot"), the most recently activated last.
    QStringList openWindows() const { return m_openWindows; }
    QWidget *childWindow(const QString &name) const;
    QWidget *activeChild() const;

    // Opens a modal window through the catalog, owned by `owner` (the main window when null).
    void openModal(const QString &name, const QStringList &values = {}, QWidget *owner = nullptr);

    // Status panel 1: short messages of the windows; cleared when a child window opens, is
    // activated or closes.
    void setStatusMessage(const QString &text);
    QString statusPanelText(int panel) const;

    // Accepts `operatorName` as the logged-in operator: OperatorName, status panel 0, authority.
    void applyLogin(const QString &operatorName);
    // Reads the operator's authority and enables or disables every governed entry.
    void LoadAuthority();

    void setLoginPrompt(LoginPrompt prompt) { m_loginPrompt = std::move(prompt); }
    // "重新登录": closes every child window, then asks for a login; a cancelled one changes nothing.
    void relogin();

    // The current user's documents folder, empty when the system names none (start folder of imports).
    static QString MyDocumentsPath();

    // The menu bar's submenu or item with this object name (e.g. "Sub_ReportDesign", "Menu_ViewDepot").
    QAction *entry(const QString &name) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void setupTabBar();
    QAction *addItem(QMenu *menu, const QString &caption, const QString &name, std::function<void()> handler);
    QMenu *addSubmenu(QMenu *menu, const QString &caption, const QString &name);
    std::function<void()> modal(const QString &name, const QStringList &values = {});
    std::function<void()> child(const QString &windowClass);
    void bindCommands();
    void subWindowActivated(QMdiSubWindow *window);
    void childClosed(const QString &name);
    void closeCurrentTab();
    void closeAllChildren();
    void showAbout();

    Session &m_session;
    SharedCommands *m_commands;
    WindowCatalog m_catalog;
    LoginPrompt m_loginPrompt;
    QMdiArea *m_mdi = nullptr;
    QList<QLabel *> m_panels;
    QStringList m_openWindows;
    QHash<QString, QPointer<QMdiSubWindow>> m_children;
    QAction *m_closeTab = nullptr;
};

} // namespace kesvar::gui
