#include "masterdata/MasterDataWindows.h"

#include "app/Session.h"
#include "masterdata/TFrm_Company.h"
#include "masterdata/TFrm_Depot.h"
#include "masterdata/TFrm_Other.h"

namespace kesvar::gui {

void openWarehouses(QWidget *parent, Session &session)
{
    TFrm_Depot window(session, parent);
    window.exec();
}

void openDictionary(QWidget *parent, Session &session, const QString &typeCode,
                    const NameListWindow::ExternalActions &actions)
{
    TFrm_Other window(session, typeCode, actions, parent);
    window.exec();
}

void openCompany(QWidget *parent, Session &session)
{
    TFrm_Company window(session, parent);
    window.exec();
}

} // namespace kesvar::gui
