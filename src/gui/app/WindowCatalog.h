#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kesvar::gui {

class TFrm_Main;

// What each menu item, toolbar button and navigation-chart button opens, by window class name
// ("TFrm_AddBill", "TFrm_R_ViewDepot") or action name ("ReportDesigner"). A name nobody has wired
// yet opens nothing; the entry stays and its authority still greys it.
class WindowCatalog
{
public:
    // A modal window: create it with `owner` as parent, hand over `values`, exec it, destroy it.
    using ModalOpener = std::function<void(TFrm_Main &main, QWidget *owner, const QStringList &values)>;
    // A child window with a tab: create it (without parent); the main window takes it over.
    using ChildFactory = std::function<QWidget *(TFrm_Main &main)>;

    void addModal(const QString &name, ModalOpener opener) { m_modals.insert(name, std::move(opener)); }
    void addChild(const QString &windowClass, ChildFactory factory) { m_children.insert(windowClass, std::move(factory)); }

    bool isWired(const QString &name) const { return m_modals.contains(name) || m_children.contains(name); }
    void openModal(TFrm_Main &main, const QString &name, QWidget *owner, const QStringList &values = {}) const;
    QWidget *createChild(TFrm_Main &main, const QString &windowClass) const;

private:
    QHash<QString, ModalOpener> m_modals;
    QHash<QString, ChildFactory> m_children;
};

// Wires every window that exists into the catalog (CatalogEntries.cpp: one line per window).
void registerWindows(WindowCatalog &catalog);
// Connects the shared commands to the handlers of the window that shows them (CatalogEntries.cpp).
void bindCommandHandlers(TFrm_Main &main);

} // namespace kesvar::gui
