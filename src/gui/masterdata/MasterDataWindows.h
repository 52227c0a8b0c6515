#pragma once

#include "masterdata/NameListWindow.h"

#include <QString>

class QWidget;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// Openers for the main window's menu items and chart buttons. Each creates its window, shows it
// modally and destroys it when it closes. (The product and partner lists are opened with the
// shared commands on their toolbars by the main window itself.)
void openWarehouses(QWidget *parent, Session &session);
void openDictionary(QWidget *parent, Session &session, const QString &typeCode,
                    const NameListWindow::ExternalActions &actions = {});
void openCompany(QWidget *parent, Session &session);

} // namespace kesvar::gui
