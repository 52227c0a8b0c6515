#include "ModalCatcher.h"
#include "TestDatabase.h"

#include "app/AppHome.h"
#include "app/Session.h"
#include "app/TFrm_Main.h"
#include "app/TFrm_mainchild.h"
#include "bills/BillEntry.h"
#include "bills/BillTypes.h"
#include "bills/TFrm_AddBill.h"
#include "masterdata/TFrm_AddGoods.h"
#include "masterdata/TFrm_Goods.h"
#include "users/AuthorityItems.h"
#include "users/GovernedEntries.h"
#include "users/PasswordHash.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

using namespace kesvar;
using namespace kesvar::gui;

namespace {

// A stock window stand-in that counts its close handler runs (where the real ones store their grid layout).
class StandIn : public QWidget
{
public:
    StandIn(const QString &caption, int *closes) : m_closes(closes) { setWindowTitle(caption); }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++*m_closes;
        QWidget::closeEvent(event);
    }

private:
    int *m_closes;
};

struct OpenedModal
{
    QString name;
    QStringList values;
};

// A main window on a fresh database, with small stand-ins for the stock windows and a recorder for
// every modal window the entries ask for.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KESVAR_SKIP_WITHOUT_ENGINE();
        m_db = m_testDb.open();
        m_session.db = m_db.get();
        m_main = std::make_unique<TFrm_Main>(m_session);
        const std::pair<const char *, const char *> stockWindows[] = {
            {"TFrm_R_ViewDepot", "库存查询"}, {"TFrm_DepotWarn", "库存报警"}, {"TFrm_DepotDetail", "库存台账"},
            {"TFrm_DepotCount", "库存汇总"}, {"TFrm_DepotNum", "分仓库存"},
        };
        for (const auto &[windowClass, caption] : stockWindows) {
            const QString title = QString::fromUtf8(caption);
            m_main->catalog().addChild(QString::fromLatin1(windowClass), [this, title](TFrm_Main &) -> QWidget * {
                return new StandIn(title, &m_childCloses);
            });
        }
        for (const char *name : {"TFrm_AddBill", "TFrm_Goods", "TFrm_AllBill", "TFrm_CountCust", "TFrm_CountGoods",
                                 "TFrm_UserCount", "TFrm_R_BillDetail", "TFrm_SalePH", "TFrm_Other"})
            m_main->catalog().addModal(QString::fromLatin1(name), [this, name](TFrm_Main &, QWidget *, const QStringList &values) {
                m_opened.append({QString::fromLatin1(name), values});
            });
        m_main->applyLogin(QStringLiteral("Admin"));
        m_main->show();
    }

    void addOperator(const QString &name, const QSet<int> &deniedRows, int rowCount = AuthorityItems::Count)
    {
        m_db->exec(QStringLiteral("INSERT INTO T_User (UserName, Password, PartName, Remark, Permit, IsUser)"
                                  " VALUES (?, ?, '普通用户', '', 1, TRUE)"),
                   {name, PasswordHash::hash(QString())});
        const auto &items = AuthorityItems::all();
        for (int row = 1; row <= rowCount; ++row)
            m_db->exec(QStringLiteral("INSERT INTO T_UserAuthority (UserName, Code, FunctionName, Authority, Tag)"
                                      " VALUES (?, ?, ?, ?, 2)"),
                       {name, items[size_t(row - 1)].code, items[size_t(row - 1)].functionName, !deniedRows.contains(row)});
    }

    QAction *entry(const char *name) { return m_main->entry(QString::fromLatin1(name)); }
    QToolButton *toolButton(const char *name) { return m_main->findChild<QToolButton *>(QString::fromLatin1(name)); }
    QTabBar *tabs() { return m_main->findChild<QMdiArea *>()->findChild<QTabBar *>(); }
    QString activeName() { return m_main->activeChild() ? m_main->activeChild()->objectName() : QString(); }
    QString currentTabText() { return tabs()->currentIndex() < 0 ? QString() : tabs()->tabText(tabs()->currentIndex()); }
    TFrm_mainchild *chart() { return qobject_cast<TFrm_mainchild *>(m_main->childWindow(QStringLiteral("Frm_mainchild"))); }
    void clickTab(const QString &text)
    {
        for (int i = 0; i < tabs()->count(); ++i)
            if (tabs()->tabText(i) == text)
                tabs()->setCurrentIndex(i);
    }

    test::TestDatabase m_testDb;
    std::unique_ptr<Database> m_db;
    Session m_session;
    std::unique_ptr<TFrm_Main> m_main;
    QList<OpenedModal> m_opened;
    int m_childCloses = 0;
};

TEST_F(MainWindowTest, ShowingTheMainWindowOpensTheChartAndTheCaptionFromTheOptions)
{
    EXPECT_EQ(m_main->openWindows(), QStringList{QStringLiteral("Frm_mainchild")});
    EXPECT_EQ(currentTabText(), QStringLiteral("导航条"));
    EXPECT_EQ(m_main->windowTitle(), m_session.options.softName + m_session.options.version);
    EXPECT_FALSE(m_main->windowTitle().isEmpty());
    EXPECT_EQ(m_main->statusPanelText(2), QStringLiteral("移动加权平均"));

    entry("Menu_Navigate")->trigger(); // the chart is open: brought to the front, not opened again
    EXPECT_EQ(tabs()->count(), 1);
}

TEST_F(MainWindowTest, ChoosingTheStockQueryTwiceKeepsOneWindowAndOneTab)
{
    entry("Menu_ViewDepot")->trigger();
    clickTab(QStringLiteral("导航条"));
    EXPECT_EQ(activeName(), QStringLiteral("Frm_mainchild"));
    toolButton("TB_ViewDepot")->click();

    EXPECT_EQ(tabs()->count(), 2);
    EXPECT_EQ(m_main->findChild<QMdiArea *>()->subWindowList().size(), 2);
    EXPECT_EQ(m_main->openWindows(), (QStringList{QStringLiteral("Frm_mainchild"), QStringLiteral("Frm_R_ViewDepot")}));
    EXPECT_EQ(activeName(), QStringLiteral("Frm_R_ViewDepot"));
    EXPECT_EQ(currentTabText(), QStringLiteral("库存查询"));
}

TEST_F(MainWindowTest, ClosingTheActiveWindowActivatesTheOneActivatedBeforeIt)
{
    entry("Menu_ViewDepot")->trigger();
    entry("Menu_DepotWarn")->trigger();
    entry("Menu_DepotDetail")->trigger();
    clickTab(QStringLiteral("库存查询"));
    ASSERT_EQ(activeName(), QStringLiteral("Frm_R_ViewDepot"));

    m_main->findChild<QAction *>(QStringLiteral("N68"))->trigger(); // tab menu "关闭"
    EXPECT_EQ(activeName(), QStringLiteral("Frm_DepotDetail")) << "the most recently activated, not the neighbour";
    EXPECT_EQ(currentTabText(), QStringLiteral("库存台账"));
    EXPECT_EQ(tabs()->count(), 3);

    // activating through the menu after other tab clicks selects that window's own tab
    clickTab(QStringLiteral("导航条"));
    entry("Menu_DepotWarn")->trigger();
    EXPECT_EQ(currentTabText(), QStringLiteral("库存报警"));
    EXPECT_EQ(m_main->openWindows().last(), QStringLiteral("Frm_DepotWarn"));

    m_main->findChild<QAction *>(QStringLiteral("N68"))->trigger();
    EXPECT_EQ(activeName(), QStringLiteral("Frm_mainchild"));
    m_main->findChild<QAction *>(QStringLiteral("N68"))->trigger();
    m_main->findChild<QAction *>(QStringLiteral("N68"))->trigger();
    EXPECT_TRUE(m_main->openWindows().isEmpty());
    EXPECT_EQ(tabs()->count(), 0);
    EXPECT_EQ(m_main->activeChild(), nullptr);
}

TEST_F(MainWindowTest, ChildWindowsRunTheirCloseHandlersWhenTheProgramEnds)
{
    entry("Menu_ViewDepot")->trigger();
    entry("Menu_DepotNum")->trigger();
    entry("Menu_Exit")->trigger();
    EXPECT_EQ(m_childCloses, 2);
    EXPECT_TRUE(m_main->openWindows().isEmpty());
    EXPECT_FALSE(m_main->isVisible());
}

TEST_F(MainWindowTest, StatusMessageIsClearedWhenAChildWindowOpensOrCloses)
{
    m_main->setStatusMessage(QStringLiteral("共 12 条"));
    entry("Menu_DepotNum")->trigger();
    EXPECT_TRUE(m_main->statusPanelText(1).isEmpty());
    m_main->setStatusMessage(QStringLiteral("共 3 条"));
    m_main->findChild<QAction *>(QStringLiteral("N68"))->trigger();
    EXPECT_TRUE(m_main->statusPanelText(1).isEmpty());
}

TEST_F(MainWindowTest, ReloginClosesEveryChildWindowEvenWhenCancelled)
{
    entry("Menu_ViewDepot")->trigger();
    entry("Menu_DepotCount")->trigger();
    m_main->setLoginPrompt([](TFrm_Main &) { return QString(); });
    entry("Menu_Relogin")->trigger();
    EXPECT_TRUE(m_main->openWindows().isEmpty());
    EXPECT_EQ(tabs()->count(), 0);
    EXPECT_EQ(m_session.operatorName, QStringLiteral("Admin")) << "a cancelled login leaves the operator";

    addOperator(QStringLiteral("张三"), {});
    m_main->setLoginPrompt([](TFrm_Main &) { return QStringLiteral("张三"); });
    entry("Menu_Relogin")->trigger();
    EXPECT_EQ(m_session.operatorName, QStringLiteral("张三"));
    EXPECT_EQ(m_main->statusPanelText(0), QStringLiteral(" 当前操作员: 张三"));
}

TEST_F(MainWindowTest, WithoutRow24TheStockQueryIsGreyedInMenuToolbarAndChart)
{
    addOperator(QStringLiteral("李四"), {24});
    m_main->applyLogin(QStringLiteral("李四"));
    EXPECT_FALSE(entry("Menu_ViewDepot")->isEnabled());
    EXPECT_TRUE(entry("Menu_ViewDepot")->isVisible());
    EXPECT_FALSE(toolButton("TB_ViewDepot")->isEnabled());
    EXPECT_TRUE(toolButton("TB_WarnDepot")->isEnabled());

    chart()->button(QStringLiteral("fcImageBtn3"))->click(); // page "仓库管理"
    EXPECT_EQ(chart()->currentPage(), 3);
    EXPECT_FALSE(chart()->button(QStringLiteral("fcImageBtn20"))->isEnabled());
    EXPECT_TRUE(chart()->button(QStringLiteral("fcImageBtn22"))->isEnabled());

    // the chart's state follows the flags each time the page is opened
    m_main->applyLogin(QStringLiteral("Admin"));
    chart()->button(QStringLiteral("fcImageBtn3"))->click();
    EXPECT_TRUE(chart()->button(QStringLiteral("fcImageBtn20"))->isEnabled());
}

TEST_F(MainWindowTest, AnOperatorWithoutRowsFindsEveryGovernedEntryGreyed)
{
    m_main->applyLogin(QStringLiteral("无权限"));
    for (const GovernedEntry &governed : GovernedEntries::all()) {
        if (governed.name.startsWith(QLatin1String("fcImageBtn")))
            continue;
        QAction *action = m_main->command(governed.name) ? m_main->command(governed.name) : m_main->entry(governed.name);
        ASSERT_NE(action, nullptr) << governed.name.toStdString();
        EXPECT_FALSE(action->isEnabled()) << governed.name.toStdString();
    }
    for (const char *free : {"Menu_Goods", "Menu_Custom", "Menu_Exit", "Menu_Navigate", "Menu_Help", "Menu_Bill_CR"})
        EXPECT_TRUE(entry(free)->isEnabled()) << free;
    for (const char *free : {"SaveBill", "Goods", "Custom", "ViewDepot"})
        EXPECT_TRUE(m_main->command(QString::fromLatin1(free))->isEnabled()) << free;
    EXPECT_FALSE(toolButton("TB_Count")->isEnabled());
    EXPECT_TRUE(toolButton("TB_Goods")->isEnabled());

    chart()->showPage(4);
    for (int button = 26; button <= 38; ++button)
        EXPECT_FALSE(chart()->button(QStringLiteral("fcImageBtn%1").arg(button))->isEnabled()) << button;
    chart()->showPage(1);
    EXPECT_TRUE(chart()->button(QStringLiteral("fcImageBtn13"))->isEnabled());
}

TEST_F(MainWindowTest, ALongOperatorNameIsCutInTheStatusBarOnly)
{
    const QString name = QStringLiteral("一二三四五六七八九十甲乙丙丁");
    m_main->applyLogin(name);
    EXPECT_EQ(m_session.operatorName, name);
    EXPECT_EQ(m_main->statusPanelText(0), QStringLiteral(" 当前操作员: 一二三四五六七八九十"));
}

TEST_F(MainWindowTest, SharedProductCommandsActOnTheOpenListAndCarryOneEnabledState)
{
    const auto command = [this](const char *name) { return m_main->command(QString::fromLatin1(name)); };
    TFrm_Goods list(m_session, {command("AddGoods"), command("EditGoods"), command("DelGoods"), command("PrintGoods")});
    list.show();
    QStringList editors;
    test::ModalCatcher catcher(QMessageBox::Ok, [&editors](QDialog *dialog) {
        editors << QString::fromLatin1(dialog->metaObject()->className());
        dialog->reject();
    });
    command("AddGoods")->trigger();
    EXPECT_EQ(editors, QStringList{QStringLiteral("kesvar::gui::TFrm_AddGoods")});

    addOperator(QStringLiteral("王五"), {2});
    m_main->applyLogin(QStringLiteral("王五"));
    QWidget *addButton = list.findChild<QToolBar *>()->widgetForAction(command("AddGoods"));
    ASSERT_NE(addButton, nullptr);
    EXPECT_FALSE(addButton->isEnabled());
    EXPECT_TRUE(list.findChild<QToolBar *>()->widgetForAction(command("EditGoods"))->isEnabled());
}

TEST_F(MainWindowTest, PrintCommandPreviewsTheBillTheBillWindowShows)
{
    m_db->exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('一号库', 'DepotName')");
    m_db->exec("INSERT INTO T_Goods (GoodsCode, GoodsName, Units, hxl, Dprice, flag) VALUES ('LW-18', '螺纹钢', '支', 0.024, 3720, FALSE)");
    m_db->exec("INSERT INTO T_Custom (CustCode, CustName, gys, kh, flag) VALUES ('G001', '江苏沙钢', TRUE, FALSE, FALSE)");
    BillRequest request;
    request.header.billType = BillTypes::PurchaseReceipt;
    request.header.depotName = QStringLiteral("一号库");
    request.header.custName = QStringLiteral("江苏沙钢");
    request.header.addDate = QDate::currentDate();
    request.lines.append({QStringLiteral("LW-18"), QStringLiteral("重量"), 10, 2.4, 3720.0, QString()});
    ASSERT_FALSE(BillEntry(*m_db, 2, 3).save(request).bill.header.billCode.isEmpty());

    AppHome home(m_testDb.dataFolder()); // printing reads the bill layout from the data folder
    m_session.home = &home;
    TFrm_AddBill window(m_session, BillTypes::PurchaseReceipt, BillTypes::Receipt);
    window.show();
    ASSERT_FALSE(window.shownBillCode().isEmpty());
    QStringList dialogs;
    test::ModalCatcher catcher(QMessageBox::Ok, [&dialogs](QDialog *dialog) {
        dialogs << QString::fromLatin1(dialog->metaObject()->className());
        dialog->reject();
    });
    m_main->command(QStringLiteral("Print"))->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("QPrintPreviewDialog")});
}

TEST_F(MainWindowTest, MenusHaveTheirCaptionsInOrder)
{
    QStringList top;
    for (QAction *action : m_main->menuBar()->actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{"系统设置", "基本资料", "业务单据", "仓库维护", "统计分析", "导航图", "帮助文件"}));

    auto captions = [](QMenu *menu) {
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    };
    const QList<QAction *> menus = m_main->menuBar()->actions();
    const QStringList summaries{"采购业务汇总", "销售业务汇总", "全部业务汇总"};
    const std::pair<QMenu *, QStringList> expected[] = {
        {menus[0]->menu(),
         {"操作员管理", "数据初始化", "修改我的登录密码", "重新登录", "-", "报表打印设计", "数据导入", "-", "选项设置",
          "数据库备份", "数据库恢复", "压缩与修复数据库", "-", "退出程序"}},
        {m_main->findChild<QMenu *>(QStringLiteral("Sub_ReportDesign")), {"单据打印设置", "往来单位打印设置", "钢材资料打印设置"}},
        {m_main->findChild<QMenu *>(QStringLiteral("Sub_DataImport")), {"从Excel导入往来单位资料", "从Excel导入钢材资料"}},
        {menus[1]->menu(),
         {"钢材资料", "往来单位信息", "仓库信息", "-", "数量单位", "业务员", "收款方式", "运输方式", "钢种", "发票类型", "材质",
          "产地", "-", "公司信息"}},
        {menus[2]->menu(),
         {"采购入库", "采购退货", "-", "销售出库", "销售退货", "-", "其他出库", "其他入库", "-", "仓库调拨", "仓库盘点"}},
        {menus[3]->menu(), {"单据查询", "查看钢材库存", "库存报警", "库存台账", "库存汇总", "分仓库存"}},
        {menus[4]->menu(),
         {"汇总统计表-往来单位", "汇总统计表-钢材", "汇总统计表-业务员", "-", "通用业务明细表", "钢材销售排行"}},
        {m_main->findChild<QMenu *>(QStringLiteral("Sub_CountCust")), summaries},
        {m_main->findChild<QMenu *>(QStringLiteral("Sub_CountGoods")), summaries},
        {m_main->findChild<QMenu *>(QStringLiteral("Sub_UserCount")), summaries},
        {m_main->findChild<QMenu *>(QStringLiteral("Sub_BillDetail")), {"采购业务明细", "销售业务明细", "全部业务明细"}},
        {menus[5]->menu(), {"导航"}},
        {menus[6]->menu(), {"帮助文档", "-", "给作者写信", "技术支持网站", "-", "关于我们"}},
    };
    for (const auto &[menu, items] : expected) {
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(captions(menu), items) << menu->title().toStdString();
    }
    EXPECT_FALSE(entry("Menu_Compact")->isVisible());
}

TEST_F(MainWindowTest, ToolbarButtonsInOrderWithTheirCaptionsAndSize)
{
    auto *toolBar = m_main->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    ASSERT_NE(toolBar, nullptr);
    QStringList buttons;
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator()) {
            buttons << QStringLiteral("-");
            continue;
        }
        auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        buttons << button->objectName() + QLatin1Char(' ') + button->text();
        EXPECT_GE(button->width(), 55);
        EXPECT_GE(button->height(), 51);
    }
    EXPECT_EQ(buttons, (QStringList{"TB_DH 显示导航", "TB_Goods 钢材资料", "TB_Cust 往来单位", "-", "TB_Count 库存汇总",
                                    "TB_TZ 库存台账", "TB_ViewDepot 库存查询", "TB_WarnDepot 库存报警", "-", "TB_Help 帮助文件"}));
    EXPECT_EQ(toolBar->iconSize(), QSize(32, 32));

    toolButton("TB_WarnDepot")->click();
    EXPECT_EQ(activeName(), QStringLiteral("Frm_DepotWarn"));
    toolButton("TB_DH")->click();
    EXPECT_EQ(activeName(), QStringLiteral("Frm_mainchild"));
    toolButton("TB_Goods")->click();
    ASSERT_FALSE(m_opened.isEmpty());
    EXPECT_EQ(m_opened.last().name, QStringLiteral("TFrm_Goods"));
}

TEST_F(MainWindowTest, EveryBillEntryHandsOverItsTypeAndDirection)
{
    struct Case
    {
        const char *menuEntry, *chartButton, *type, *direction;
    };
    const Case cases[] = {
        {"Menu_Bill_CR", "fcImageBtn9", "采购入库", "入库"},  {"Menu_Bill_CT", "fcImageBtn10", "采购退货", "出库"},
        {"Menu_Bill_XC", "fcImageBtn6", "销售出库", "出库"},  {"Menu_Bill_XT", "fcImageBtn7", "销售退货", "入库"},
        {"Menu_Bill_QR", "fcImageBtn11", "其它入库", "入库"}, {"Menu_Bill_QC", "fcImageBtn8", "其它出库", "出库"},
        {"Menu_Bill_DB", "fcImageBtn39", "仓库调拨", "出库"}, {"Menu_Bill_PD", "fcImageBtn19", "仓库盘点", "入库"},
    };
    chart()->showPage(2);
    for (const Case &c : cases) {
        m_opened.clear();
        entry(c.menuEntry)->trigger();
        chart()->button(QString::fromLatin1(c.chartButton))->click();
        const QStringList pair{QString::fromUtf8(c.type), QString::fromUtf8(c.direction)};
        ASSERT_EQ(m_opened.size(), 2) << c.menuEntry;
        for (const OpenedModal &opened : m_opened) {
            EXPECT_EQ(opened.name, QStringLiteral("TFrm_AddBill"));
            EXPECT_EQ(opened.values, pair) << c.menuEntry << " / " << c.chartButton;
        }
    }
}

TEST_F(MainWindowTest, ChartAndStatisticsEntriesOpenTheirWindows)
{
    const std::pair<const char *, const char *> stockButtons[] = {
        {"fcImageBtn20", "Frm_R_ViewDepot"}, {"fcImageBtn22", "Frm_DepotWarn"}, {"fcImageBtn23", "Frm_DepotDetail"},
        {"fcImageBtn24", "Frm_DepotCount"},  {"fcImageBtn25", "Frm_DepotNum"},
    };
    for (const auto &[button, window] : stockButtons) {
        chart()->showPage(3);
        chart()->button(QString::fromLatin1(button))->click();
        EXPECT_EQ(activeName(), QString::fromLatin1(window)) << button;
        clickTab(QStringLiteral("导航条"));
    }

    struct Case
    {
        int page;
        const char *chartButton, *menuEntry, *window, *mode;
    };
    const Case cases[] = {
        {3, "fcImageBtn21", "Menu_AllBill", "TFrm_AllBill", nullptr},
        {4, "fcImageBtn26", "Menu_CountCust_CG", "TFrm_CountCust", "CG"},
        {4, "fcImageBtn27", "Menu_CountCust_XS", "TFrm_CountCust", "XS"},
        {4, "fcImageBtn28", "Menu_CountCust_QB", "TFrm_CountCust", "QB"},
        {4, "fcImageBtn29", "Menu_CountGoods_CG", "TFrm_CountGoods", "CG"},
        {4, "fcImageBtn30", "Menu_CountGoods_XS", "TFrm_CountGoods", "XS"},
        {4, "fcImageBtn31", "Menu_CountGoods_QB", "TFrm_CountGoods", "QB"},
        {4, "fcImageBtn32", "Menu_UserCount_CG", "TFrm_UserCount", "CG"},
        {4, "fcImageBtn33", "Menu_UserCount_XS", "TFrm_UserCount", "XS"},
        {4, "fcImageBtn34", "Menu_UserCount_QB", "TFrm_UserCount", "QB"},
        {4, "fcImageBtn35", "Menu_BillDetail_CG", "TFrm_R_BillDetail", "CG"},
        {4, "fcImageBtn36", "Menu_BillDetail_XS", "TFrm_R_BillDetail", "XS"},
        {4, "fcImageBtn37", "Menu_BillDetail_QB", "TFrm_R_BillDetail", "QB"},
        {4, "fcImageBtn38", "Menu_SalePH", "TFrm_SalePH", nullptr},
    };
    for (const Case &c : cases) {
        m_opened.clear();
        chart()->showPage(c.page);
        chart()->button(QString::fromLatin1(c.chartButton))->click();
        entry(c.menuEntry)->trigger();
        const QStringList values = c.mode ? QStringList{QString::fromLatin1(c.mode)} : QStringList();
        ASSERT_EQ(m_opened.size(), 2) << c.chartButton;
        for (const OpenedModal &opened : m_opened) {
            EXPECT_EQ(opened.name, QString::fromLatin1(c.window)) << c.chartButton;
            EXPECT_EQ(opened.values, values) << c.chartButton;
        }
    }
}

TEST_F(MainWindowTest, EntriesHandTheirValuesToTheWindows)
{
    entry("Menu_Bill_QR")->trigger();                                       // menu "其他入库"
    chart()->button(QStringLiteral("fcImageBtn11"))->click();              // chart "其它入库"
    chart()->showPage(4);
    chart()->button(QStringLiteral("fcImageBtn27"))->click();              // partner summary, sales
    chart()->showPage(1);
    chart()->button(QStringLiteral("fcImageBtn5"))->click();               // command Goods
    chart()->button(QStringLiteral("fcImageBtn13"))->click();              // dictionary without type
    entry("Menu_Other_gz")->trigger();

    ASSERT_EQ(m_opened.size(), 6);
    const QStringList bill{QStringLiteral("其它入库"), QStringLiteral("入库")};
    EXPECT_EQ(m_opened[0].name, QStringLiteral("TFrm_AddBill"));
    EXPECT_EQ(m_opened[0].values, bill);
    EXPECT_EQ(m_opened[1].values, bill);
    EXPECT_EQ(m_opened[2].name, QStringLiteral("TFrm_CountCust"));
    EXPECT_EQ(m_opened[2].values, QStringList{QStringLiteral("XS")});
    EXPECT_EQ(m_opened[3].name, QStringLiteral("TFrm_Goods"));
    EXPECT_EQ(m_opened[4].values, QStringList{QString()});
    EXPECT_EQ(m_opened[5].values, QStringList{QStringLiteral("gz")});

    // an entry nobody has wired yet opens nothing and does no harm
    entry("Menu_ClearData")->trigger();
    EXPECT_EQ(m_opened.size(), 6);
}

} // namespace
