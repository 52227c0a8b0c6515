#pragma once

#include "masterdata/MasterListWindow.h"
#include "masterdata/NameListWindow.h"

#include <QString>

class QWidget;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// Openers for the main window's menu items, toolbar buttons, chart buttons and shared actions.
// Each creates its window, shows it modally and destroys it when it closes.
void openWarehouses(QWidget *parent, Session &session);
void openDictionary(QWidget *parent, Session &session, const QString &typeCode,
                    const NameListWindow::ExternalActions &actions = {});
void openCompany(QWidget *parent, Session &session);
void openGoodsList(QWidget *parent, Session &session, const MasterListWindow::ExternalActions &actions = {});
void openPartnerList(QWidget *parent, Session &session, const MasterListWindow::ExternalActions &actions = {});
// The editors on their own (the shared actions when no list is open): over the enabled products
// or partners; editing starts on the first of them (the product editor does not open on none).
void openGoodsEditor(QWidget *parent, Session &session, bool addMode);
void openPartnerEditor(QWidget *parent, Session &session, bool addMode);

} // namespace kesvar::gui
