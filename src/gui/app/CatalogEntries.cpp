#include "app/Session.h"
#include "app/TFrm_Main.h"
#include "app/WindowCatalog.h"
#include "users/TFrm_ChangePass.h"

namespace kesvar::gui {

// One line per window. Names not wired yet open nothing:
//   modal (with the values the menus and the chart hand over):
//     TFrm_UserList, TFrm_ClearData, TFrm_Option, TFrm_Backup ("backup" / "restore"), Compact,
//     ReportDesigner ("fr_Bill" / "fr_Cust" / "fr_Goods"), ImportSpreadsheet ("Custom" / "Goods"),
//     TFrm_Goods, TFrm_Custom, TFrm_Depot, TFrm_Other (TypeCode), TFrm_Company,
//     TFrm_AddBill (BillTypeName, Direction), TFrm_AllBill,
//     TFrm_CountCust / TFrm_CountGoods / TFrm_UserCount / TFrm_R_BillDetail ("CG" / "XS" / "QB"), TFrm_SalePH
//   child windows with a tab (one instance each):
//     TFrm_R_ViewDepot, TFrm_DepotWarn, TFrm_DepotDetail, TFrm_DepotCount, TFrm_DepotNum
// A child window's caption becomes its tab's caption.
void registerWindows(WindowCatalog &catalog)
{
    catalog.addModal("TFrm_ChangePass", [](TFrm_Main &m, QWidget *owner, const QStringList &) { TFrm_ChangePass(m.session(), owner).exec(); });
}

} // namespace kesvar::gui
