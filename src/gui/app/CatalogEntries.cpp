#include "app/Session.h"
#include "app/TFrm_Main.h"
#include "app/WindowCatalog.h"
#include "bills/TFrm_AddBill.h"
#include "maintenance/TFrm_Option.h"
#include "masterdata/MasterDataWindows.h"
#include "masterdata/TFrm_Custom.h"
#include "masterdata/TFrm_Goods.h"
#include "masterdata/TFrm_Other.h"
#include "report/ReportPrinting.h"
#include "users/TFrm_ChangePass.h"

#include <QAction>

namespace kesvar::gui {

namespace {

QAction *command(TFrm_Main &main, const char *name)
{
    return main.command(QString::fromLatin1(name));
}

MasterListWindow::ExternalActions goodsCommands(TFrm_Main &m)
{
    return {command(m, "AddGoods"), command(m, "EditGoods"), command(m, "DelGoods"), command(m, "PrintGoods")};
}

MasterListWindow::ExternalActions partnerCommands(TFrm_Main &m)
{
    return {command(m, "AddCust"), command(m, "EditCust"), command(m, "DelCust"), command(m, "PrictCust")};
}

NameListWindow::ExternalActions dictionaryCommands(TFrm_Main &m)
{
    return {command(m, "addother"), command(m, "Editother"), command(m, "DelOther")};
}

// A master-data list with the shared commands on its toolbar and its print command printing the
// rows it lists.
template<typename List>
void runList(TFrm_Main &m, QWidget *owner, const MasterListWindow::ExternalActions &commands,
             void (*print)(QWidget *, Session &, const RowSet &))
{
    List list(m.session(), commands, owner);
    QObject::connect(&list, &MasterListWindow::printRequested, &list,
                     [&list, &m, print](const RowSet &rows) { print(&list, m.session(), rows); });
    list.exec();
}

report::ReportKind reportKind(const QString &templateName)
{
    if (templateName == QLatin1String("fr_Cust"))
        return report::ReportKind::Partners;
    if (templateName == QLatin1String("fr_Goods"))
        return report::ReportKind::Products;
    return report::ReportKind::Bill;
}

void runOptions(TFrm_Main &m, QWidget *owner)
{
    TFrm_Option options(m.session(), owner);
    QObject::connect(&options, &TFrm_Option::restartRequested, &m, &QWidget::close);
    options.exec();
}

// Runs `slot` of the open window of type W, if one is open.
template<typename W, typename Slot>
void onOpen(TFrm_Main &m, const char *commandName, Slot slot)
{
    QObject::connect(command(m, commandName), &QAction::triggered, &m, [slot] {
        if (W *window = W::openInstance())
            (window->*slot)();
    });
}

} // namespace

// One line per window. Names not wired yet open nothing:
//   modal (with the values the menus and the chart hand over):
//     TFrm_UserList, TFrm_ClearData, TFrm_Backup ("backup" / "restore"), Compact,
//     ImportSpreadsheet ("Custom" / "Goods"), TFrm_AllBill,
//     TFrm_CountCust / TFrm_CountGoods / TFrm_UserCount / TFrm_R_BillDetail ("CG" / "XS" / "QB"), TFrm_SalePH
//   child windows with a tab (one instance each; the caption becomes the tab's caption):
//     TFrm_R_ViewDepot, TFrm_DepotWarn, TFrm_DepotDetail, TFrm_DepotCount, TFrm_DepotNum
// For example:
//   catalog.addChild("TFrm_R_ViewDepot", [](TFrm_Main &m) -> QWidget * { return new TFrm_R_ViewDepot(m.session()); });
void registerWindows(WindowCatalog &catalog)
{
    catalog.addModal("TFrm_ChangePass", [](TFrm_Main &m, QWidget *owner, const QStringList &) { TFrm_ChangePass(m.session(), owner).exec(); });
    catalog.addModal("TFrm_Goods", [](TFrm_Main &m, QWidget *owner, const QStringList &) { runList<TFrm_Goods>(m, owner, goodsCommands(m), printProducts); });
    catalog.addModal("TFrm_Custom", [](TFrm_Main &m, QWidget *owner, const QStringList &) { runList<TFrm_Custom>(m, owner, partnerCommands(m), printPartners); });
    catalog.addModal("TFrm_Depot", [](TFrm_Main &m, QWidget *owner, const QStringList &) { openWarehouses(owner, m.session()); });
    catalog.addModal("TFrm_Other", [](TFrm_Main &m, QWidget *owner, const QStringList &v) { openDictionary(owner, m.session(), v.value(0), dictionaryCommands(m)); });
    catalog.addModal("TFrm_Company", [](TFrm_Main &m, QWidget *owner, const QStringList &) { openCompany(owner, m.session()); });
    catalog.addModal("TFrm_AddBill", [](TFrm_Main &m, QWidget *owner, const QStringList &v) { openBillWindow(owner, m.session(), v.value(0), v.value(1)); });
    catalog.addModal("ReportDesigner", [](TFrm_Main &m, QWidget *owner, const QStringList &v) { openReportDesigner(owner, m.session(), reportKind(v.value(0))); });
    catalog.addModal("TFrm_Option", [](TFrm_Main &m, QWidget *owner, const QStringList &) { runOptions(m, owner); });
}

// The shared commands act on the window that shows them.
void bindCommandHandlers(TFrm_Main &m)
{
    setBillCommandActions({command(m, "AddBill"), command(m, "EditBill"), command(m, "DelBill"), command(m, "SaveBill"),
                           command(m, "CheckBill"), command(m, "UnCheckBill"), command(m, "Print")});
    QObject::connect(command(m, "Print"), &QAction::triggered, &m, [&m] {
        if (TFrm_AddBill *bill = TFrm_AddBill::current(); bill && !bill->shownBillCode().isEmpty())
            printBill(bill, m.session(), bill->shownBillCode());
    });
    onOpen<TFrm_Goods>(m, "AddGoods", &MasterListWindow::addRecord);
    onOpen<TFrm_Goods>(m, "EditGoods", &MasterListWindow::editRecord);
    onOpen<TFrm_Goods>(m, "DelGoods", &MasterListWindow::deleteRecord);
    onOpen<TFrm_Goods>(m, "PrintGoods", &MasterListWindow::printList);
    onOpen<TFrm_Custom>(m, "AddCust", &MasterListWindow::addRecord);
    onOpen<TFrm_Custom>(m, "EditCust", &MasterListWindow::editRecord);
    onOpen<TFrm_Custom>(m, "DelCust", &MasterListWindow::deleteRecord);
    onOpen<TFrm_Custom>(m, "PrictCust", &MasterListWindow::printList);
    onOpen<TFrm_Other>(m, "addother", &NameListWindow::addRecord);
    onOpen<TFrm_Other>(m, "Editother", &NameListWindow::editRecord);
    onOpen<TFrm_Other>(m, "DelOther", &NameListWindow::deleteRecord);
}

} // namespace kesvar::gui
