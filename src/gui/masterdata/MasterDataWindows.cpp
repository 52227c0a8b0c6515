#include "masterdata/MasterDataWindows.h"

#include "app/Session.h"
#include "data/DbError.h"
#include "masterdata/MasterDataDialogs.h"
#include "masterdata/Partners.h"
#include "masterdata/Products.h"
#include "masterdata/RecordCursor.h"
#include "masterdata/TFrm_AddCust.h"
#include "masterdata/TFrm_AddGoods.h"
#include "masterdata/TFrm_Company.h"
#include "masterdata/TFrm_Custom.h"
#include "masterdata/TFrm_Depot.h"
#include "masterdata/TFrm_Goods.h"
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

void openGoodsList(QWidget *parent, Session &session, const MasterListWindow::ExternalActions &actions)
{
    TFrm_Goods window(session, actions, parent);
    window.exec();
}

void openPartnerList(QWidget *parent, Session &session, const MasterListWindow::ExternalActions &actions)
{
    TFrm_Custom window(session, actions, parent);
    window.exec();
}

void openGoodsEditor(QWidget *parent, Session &session, bool addMode)
{
    RecordCursor cursor(QStringLiteral("GoodsCode"), [&session] { return Products(*session.db).list(); });
    try {
        cursor.reload();
    } catch (const DbError &e) {
        MasterDataDialogs::inform(parent, e.text());
        return;
    }
    if (!addMode && cursor.isEmpty())
        return;
    TFrm_AddGoods editor(session, cursor, addMode, parent);
    editor.exec();
}

void openPartnerEditor(QWidget *parent, Session &session, bool addMode)
{
    RecordCursor cursor(QStringLiteral("CustCode"), [&session] { return Partners(*session.db).list(); });
    try {
        cursor.reload();
    } catch (const DbError &e) {
        MasterDataDialogs::inform(parent, e.text());
        return;
    }
    TFrm_AddCust editor(session, cursor, addMode, parent);
    editor.exec();
}

} // namespace kesvar::gui
