#include "app/TFrm_Main.h"

#include "app/AppHome.h"
#include "app/HelpLinks.h"
#include "app/Icons.h"
#include "app/Session.h"
#include "app/TFrm_About.h"
#include "app/TFrm_mainchild.h"
#include "maintenance/Options.h"
#include "users/AuthorityLoader.h"
#include "users/GovernedEntries.h"
#include "users/LoginService.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace kesvar::gui {

namespace {

// A tabbed child window that reports its close once the child accepted it (the stock windows store
// their grid layout in their own close handler first).
class ChildSubWindow : public QMdiSubWindow
{
public:
    ChildSubWindow(QString name, std::function<void(const QString &)> onClosed)
        : m_name(std::move(name)), m_onClosed(std::move(onClosed))
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted() && m_onClosed) {
            const auto onClosed = std::exchange(m_onClosed, nullptr); // report once
            onClosed(m_name);
        }
    }

private:
    QString m_name;
    std::function<void(const QString &)> m_onClosed;
};

QString nameOfClass(const QString &windowClass)
{
    return windowClass.startsWith(QLatin1Char('T')) ? windowClass.mid(1) : windowClass;
}

} // namespace

TFrm_Main::TFrm_Main(Session &session, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_commands(new SharedCommands(this))
{
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowIcon(builtInIcon(QStringLiteral("app")));
    m_catalog.addChild(QStringLiteral("TFrm_mainchild"), [](TFrm_Main &main) -> QWidget * { return new TFrm_mainchild(main); });
    registerWindows(m_catalog);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("PageControl1"));
    m_mdi->setViewMode(QMdiArea::TabbedView);
    m_mdi->setTabPosition(QTabWidget::South);
    m_mdi->setTabShape(QTabWidget::Rounded);
    m_mdi->setDocumentMode(true);
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    m_mdi->setBackground(QColor(0x8a, 0x9b, 0xb0));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TFrm_Main::subWindowActivated);

    bindCommands();
    bindCommandHandlers(*this);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    setupTabBar();
    LoadAuthority(); // nobody is logged in yet: everything governed starts disabled
}

TFrm_Main::~TFrm_Main() = default;

void TFrm_Main::closeEvent(QCloseEvent *event)
{
    // child windows close with the program, so they store what they keep (grid layouts) first
    closeAllChildren();
    QMainWindow::closeEvent(event);
}

void TFrm_Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrm_Main::FormShow()
{
    if (m_session.db)
        m_session.options = Options(*m_session.db).load();
    setWindowTitle(m_session.options.softName + m_session.options.version);
    OpenChild(QStringLiteral("TFrm_mainchild"));
    m_panels[2]->setText(m_session.options.cost);
}

void TFrm_Main::bindCommands()
{
    auto bind = [this](const char *command, std::function<void()> handler) {
        connect(m_commands->command(QString::fromLatin1(command)), &QAction::triggered, this, std::move(handler));
    };
    bind("Goods", modal(QStringLiteral("TFrm_Goods")));
    bind("Custom", modal(QStringLiteral("TFrm_Custom")));
    bind("ViewDepot", child(QStringLiteral("TFrm_R_ViewDepot")));
    bind("depotwarn", child(QStringLiteral("TFrm_DepotWarn")));
    bind("DepotDetail", child(QStringLiteral("TFrm_DepotDetail")));
    bind("DepotCount", child(QStringLiteral("TFrm_DepotCount")));
    bind("DepotNum", child(QStringLiteral("TFrm_DepotNum")));
}

std::function<void()> TFrm_Main::modal(const QString &name, const QStringList &values)
{
    return [this, name, values] { openModal(name, values); };
}

std::function<void()> TFrm_Main::child(const QString &windowClass)
{
    return [this, windowClass] { OpenChild(windowClass); };
}

QAction *TFrm_Main::addItem(QMenu *menu, const QString &caption, const QString &name, std::function<void()> handler)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (handler)
        connect(action, &QAction::triggered, this, std::move(handler));
    return action;
}

QMenu *TFrm_Main::addSubmenu(QMenu *menu, const QString &caption, const QString &name)
{
    QMenu *sub = menu->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    return sub;
}

void TFrm_Main::buildMenus()
{
    QMenuBar *bar = menuBar();
    const QStringList modes{QStringLiteral("CG"), QStringLiteral("XS"), QStringLiteral("QB")};

    QMenu *system = bar->addMenu(QStringLiteral("系统设置"));
    addItem(system, QStringLiteral("操作员管理"), QStringLiteral("Menu_UserList"), modal(QStringLiteral("TFrm_UserList")));
    addItem(system, QStringLiteral("数据初始化"), QStringLiteral("Menu_ClearData"), modal(QStringLiteral("TFrm_ClearData")));
    addItem(system, QStringLiteral("修改我的登录密码"), QStringLiteral("Menu_ChangePass"), modal(QStringLiteral("TFrm_ChangePass")));
    addItem(system, QStringLiteral("重新登录"), QStringLiteral("Menu_Relogin"), [this] { relogin(); });
    system->addSeparator();
    QMenu *design = addSubmenu(system, QStringLiteral("报表打印设计"), QStringLiteral("Sub_ReportDesign"));
    addItem(design, QStringLiteral("单据打印设置"), QStringLiteral("Menu_DesignBill"),
            modal(QStringLiteral("ReportDesigner"), {QStringLiteral("fr_Bill")}));
    addItem(design, QStringLiteral("往来单位打印设置"), QStringLiteral("Menu_DesignCust"),
            modal(QStringLiteral("ReportDesigner"), {QStringLiteral("fr_Cust")}));
    addItem(design, QStringLiteral("钢材资料打印设置"), QStringLiteral("Menu_DesignGoods"),
            modal(QStringLiteral("ReportDesigner"), {QStringLiteral("fr_Goods")}));
    QMenu *import = addSubmenu(system, QStringLiteral("数据导入"), QStringLiteral("Sub_DataImport"));
    addItem(import, QStringLiteral("从Excel导入往来单位资料"), QStringLiteral("Menu_ImportCust"),
            modal(QStringLiteral("ImportSpreadsheet"), {QStringLiteral("Custom")}));
    addItem(import, QStringLiteral("从Excel导入钢材资料"), QStringLiteral("Menu_ImportGoods"),
            modal(QStringLiteral("ImportSpreadsheet"), {QStringLiteral("Goods")}));
    system->addSeparator();
    addItem(system, QStringLiteral("选项设置"), QStringLiteral("Menu_Option"), modal(QStringLiteral("TFrm_Option")));
    addItem(system, QStringLiteral("数据库备份"), QStringLiteral("Menu_Backup"),
            modal(QStringLiteral("TFrm_Backup"), {QStringLiteral("backup")}));
    addItem(system, QStringLiteral("数据库恢复"), QStringLiteral("Menu_Restore"),
            modal(QStringLiteral("TFrm_Backup"), {QStringLiteral("restore")}));
    addItem(system, QStringLiteral("压缩与修复数据库"), QStringLiteral("Menu_Compact"), modal(QStringLiteral("Compact")))
        ->setVisible(false);
    system->addSeparator();
    addItem(system, QStringLiteral("退出程序"), QStringLiteral("Menu_Exit"), [this] { close(); });

    QMenu *basic = bar->addMenu(QStringLiteral("基本资料"));
    addItem(basic, QStringLiteral("钢材资料"), QStringLiteral("Menu_Goods"), [this] { command(QStringLiteral("Goods"))->trigger(); })
        ->setIcon(builtInIcon(QStringLiteral("goods")));
    addItem(basic, QStringLiteral("往来单位信息"), QStringLiteral("Menu_Custom"), [this] { command(QStringLiteral("Custom"))->trigger(); })
        ->setIcon(builtInIcon(QStringLiteral("partner")));
    addItem(basic, QStringLiteral("仓库信息"), QStringLiteral("Menu_Depot"), modal(QStringLiteral("TFrm_Depot")));
    basic->addSeparator();
    const std::pair<const char *, const char *> dictionaries[] = {
        {"数量单位", "unit"}, {"业务员", "worker"}, {"收款方式", "SKtype"}, {"运输方式", "Ystype"},
        {"钢种", "gz"}, {"发票类型", "FPtype"}, {"材质", "cz"}, {"产地", "CD"},
    };
    for (const auto &[caption, type] : dictionaries)
        addItem(basic, QString::fromUtf8(caption), QStringLiteral("Menu_Other_") + QString::fromLatin1(type),
                modal(QStringLiteral("TFrm_Other"), {QString::fromLatin1(type)}));
    basic->addSeparator();
    addItem(basic, QStringLiteral("公司信息"), QStringLiteral("Menu_Company"), modal(QStringLiteral("TFrm_Company")));

    // Captions say 其他 while the stored type names are written 其它.
    QMenu *bills = bar->addMenu(QStringLiteral("业务单据"));
    const struct { const char *caption, *type, *direction, *name; bool separatorAfter; } billItems[] = {
        {"采购入库", "采购入库", "入库", "Menu_Bill_CR", false}, {"采购退货", "采购退货", "出库", "Menu_Bill_CT", true},
        {"销售出库", "销售出库", "出库", "Menu_Bill_XC", false}, {"销售退货", "销售退货", "入库", "Menu_Bill_XT", true},
        {"其他出库", "其它出库", "出库", "Menu_Bill_QC", false}, {"其他入库", "其它入库", "入库", "Menu_Bill_QR", true},
        {"仓库调拨", "仓库调拨", "出库", "Menu_Bill_DB", false}, {"仓库盘点", "仓库盘点", "入库", "Menu_Bill_PD", false},
    };
    for (const auto &item : billItems) {
        addItem(bills, QString::fromUtf8(item.caption), QString::fromLatin1(item.name),
                modal(QStringLiteral("TFrm_AddBill"), {QString::fromUtf8(item.type), QString::fromUtf8(item.direction)}));
        if (item.separatorAfter)
            bills->addSeparator();
    }

    QMenu *stock = bar->addMenu(QStringLiteral("仓库维护"));
    addItem(stock, QStringLiteral("单据查询"), QStringLiteral("Menu_AllBill"), modal(QStringLiteral("TFrm_AllBill")))
        ->setIcon(builtInIcon(QStringLiteral("search")));
    const struct { const char *caption, *iconText, *name, *windowClass, *icon; } stockItems[] = {
        {"查看钢材库存", "库存查询", "Menu_ViewDepot", "TFrm_R_ViewDepot", "stock"},
        {"库存报警", "库存报警", "Menu_DepotWarn", "TFrm_DepotWarn", "alarm"},
        {"库存台账", "库存台账", "Menu_DepotDetail", "TFrm_DepotDetail", "ledger"},
        {"库存汇总", "库存汇总", "Menu_DepotCount", "TFrm_DepotCount", "summary"},
        {"分仓库存", "分仓库存", "Menu_DepotNum", "TFrm_DepotNum", "warehouse"},
    };
    for (const auto &item : stockItems) {
        QAction *action = addItem(stock, QString::fromUtf8(item.caption), QString::fromLatin1(item.name),
                                  child(QString::fromLatin1(item.windowClass)));
        action->setIconText(QString::fromUtf8(item.iconText)); // the toolbar's shorter caption
        action->setIcon(builtInIcon(QString::fromLatin1(item.icon)));
    }

    QMenu *stats = bar->addMenu(QStringLiteral("统计分析"));
    const struct { const char *caption, *name, *windowClass, *prefix, *kind; } statMenus[] = {
        {"汇总统计表-往来单位", "Sub_CountCust", "TFrm_CountCust", "Menu_CountCust_", "汇总"},
        {"汇总统计表-钢材", "Sub_CountGoods", "TFrm_CountGoods", "Menu_CountGoods_", "汇总"},
        {"汇总统计表-业务员", "Sub_UserCount", "TFrm_UserCount", "Menu_UserCount_", "汇总"},
        {"通用业务明细表", "Sub_BillDetail", "TFrm_R_BillDetail", "Menu_BillDetail_", "明细"},
    };
    const char *modeCaptions[] = {"采购业务", "销售业务", "全部业务"};
    for (const auto &sub : statMenus) {
        if (QString::fromLatin1(sub.name) == QLatin1String("Sub_BillDetail"))
            stats->addSeparator();
        QMenu *menu = addSubmenu(stats, QString::fromUtf8(sub.caption), QString::fromLatin1(sub.name));
        for (int i = 0; i < modes.size(); ++i)
            addItem(menu, QString::fromUtf8(modeCaptions[i]) + QString::fromUtf8(sub.kind),
                    QString::fromLatin1(sub.prefix) + modes[i], modal(QString::fromLatin1(sub.windowClass), {modes[i]}));
    }
    addItem(stats, QStringLiteral("钢材销售排行"), QStringLiteral("Menu_SalePH"), modal(QStringLiteral("TFrm_SalePH")));

    QMenu *chart = bar->addMenu(QStringLiteral("导航图"));
    QAction *navigate = addItem(chart, QStringLiteral("导航"), QStringLiteral("Menu_Navigate"), child(QStringLiteral("TFrm_mainchild")));
    navigate->setIconText(QStringLiteral("显示导航"));
    navigate->setIcon(builtInIcon(QStringLiteral("navigate")));

    QMenu *help = bar->addMenu(QStringLiteral("帮助文件"));
    QAction *helpFile = addItem(help, QStringLiteral("帮助文档"), QStringLiteral("Menu_Help"), [this] {
        if (m_session.home)
            HelpLinks::openHelp(m_session.home->folder());
    });
    helpFile->setIconText(QStringLiteral("帮助文件"));
    helpFile->setIcon(builtInIcon(QStringLiteral("help")));
    help->addSeparator();
    addItem(help, QStringLiteral("给作者写信"), QStringLiteral("Menu_Mail"), [] { HelpLinks::openMail(); });
    addItem(help, QStringLiteral("技术支持网站"), QStringLiteral("Menu_Web"), [] { HelpLinks::openWebSite(); });
    help->addSeparator();
    addItem(help, QStringLiteral("关于我们"), QStringLiteral("Menu_About"), [this] { showAbout(); });
}

void TFrm_Main::buildToolBar()
{
    QToolBar *toolBar = addToolBar(QStringLiteral("工具栏"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(32, 32));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto addButton = [&](const char *buttonName, const char *entryName, const char *caption) {
        QAction *action = entry(QString::fromLatin1(entryName));
        if (caption)
            action->setIconText(QString::fromUtf8(caption));
        toolBar->addAction(action);
        QWidget *button = toolBar->widgetForAction(action);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setMinimumSize(55, 51);
    };
    addButton("TB_DH", "Menu_Navigate", nullptr);
    addButton("TB_Goods", "Menu_Goods", "钢材资料");
    addButton("TB_Cust", "Menu_Custom", "往来单位");
    toolBar->addSeparator();
    addButton("TB_Count", "Menu_DepotCount", nullptr);
    addButton("TB_TZ", "Menu_DepotDetail", nullptr);
    addButton("TB_ViewDepot", "Menu_ViewDepot", nullptr);
    addButton("TB_WarnDepot", "Menu_DepotWarn", nullptr);
    toolBar->addSeparator();
    addButton("TB_Help", "Menu_Help", nullptr);
}

void TFrm_Main::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int width : {120, 120, 100, 100}) {
        auto *panel = new QLabel(bar);
        panel->setMinimumWidth(width);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel, m_panels.size() == 3 ? 1 : 0);
        m_panels.append(panel);
    }
}

void TFrm_Main::setupTabBar()
{
    m_closeTab = new QAction(QStringLiteral("关闭"), this);
    m_closeTab->setObjectName(QStringLiteral("N68"));
    connect(m_closeTab, &QAction::triggered, this, &TFrm_Main::closeCurrentTab);
    // QMdiArea's own tab menu is the sub-window's system menu; ours has the single item "关闭"
    // and acts on the tab that was right-clicked, which becomes the selected one first.
    if (auto *tabs = m_mdi->findChild<QTabBar *>()) {
        tabs->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tabs, &QWidget::customContextMenuRequested, this, [this, tabs](const QPoint &pos) {
            const int index = tabs->tabAt(pos);
            if (index < 0)
                return;
            const QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
            if (index < windows.size())
                m_mdi->setActiveSubWindow(windows.at(index));
            QMenu menu;
            menu.addAction(m_closeTab);
            menu.exec(tabs->mapToGlobal(pos));
        });
        tabs->setExpanding(false);
    }
}

QAction *TFrm_Main::entry(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

QWidget *TFrm_Main::OpenChild(const QString &windowClass)
{
    setStatusMessage(QString());
    const QString name = nameOfClass(windowClass);
    if (QMdiSubWindow *existing = m_children.value(name)) {
        if (existing->isMinimized() || existing->isHidden())
            existing->showMaximized();
        m_mdi->setActiveSubWindow(existing);
        existing->widget()->setFocus();
        return existing->widget();
    }
    QWidget *widget = m_catalog.createChild(*this, windowClass);
    if (!widget)
        return nullptr;
    widget->setObjectName(name);
    auto *window = new ChildSubWindow(name, [this](const QString &closed) { childClosed(closed); });
    window->setWidget(widget);
    window->setWindowIcon(widget->windowIcon().isNull() ? windowIcon() : widget->windowIcon());
    m_children.insert(name, window);
    m_openWindows.append(name);
    m_mdi->addSubWindow(window);
    window->showMaximized();
    m_mdi->setActiveSubWindow(window);
    return widget;
}

QWidget *TFrm_Main::childWindow(const QString &name) const
{
    const QMdiSubWindow *window = m_children.value(name);
    return window ? window->widget() : nullptr;
}

QWidget *TFrm_Main::activeChild() const
{
    const QMdiSubWindow *window = m_mdi->activeSubWindow();
    return window && m_children.contains(window->widget()->objectName()) ? window->widget() : nullptr;
}

void TFrm_Main::subWindowActivated(QMdiSubWindow *window)
{
    if (!window || !window->widget())
        return;
    const QString name = window->widget()->objectName();
    if (!m_children.contains(name))
        return;
    setStatusMessage(QString());
    m_openWindows.removeAll(name);
    m_openWindows.append(name);
}

void TFrm_Main::childClosed(const QString &name)
{
    setStatusMessage(QString());
    m_openWindows.removeAll(name);
    // a window closed for good has left the frame already; one that is only hidden still has its tab
    if (QMdiSubWindow *closing = m_children.take(name); closing && m_mdi->subWindowList().contains(closing))
        m_mdi->removeSubWindow(closing);
    if (!m_openWindows.isEmpty())
        if (QMdiSubWindow *next = m_children.value(m_openWindows.last()))
            m_mdi->setActiveSubWindow(next);
}

void TFrm_Main::closeCurrentTab()
{
    if (QMdiSubWindow *window = m_mdi->activeSubWindow())
        window->close();
}

void TFrm_Main::closeAllChildren()
{
    // last created first, as the frame lists its children
    QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->close();
}

void TFrm_Main::openModal(const QString &name, const QStringList &values, QWidget *owner)
{
    m_catalog.openModal(*this, name, owner ? owner : this, values);
}

void TFrm_Main::setStatusMessage(const QString &text)
{
    m_panels[1]->setText(text);
}

QString TFrm_Main::statusPanelText(int panel) const
{
    return m_panels.value(panel) ? m_panels.value(panel)->text() : QString();
}

void TFrm_Main::applyLogin(const QString &operatorName)
{
    m_session.operatorName = operatorName;
    m_panels[0]->setText(LoginService::statusText(operatorName));
    m_panels[0]->setToolTip(operatorName);
    LoadAuthority();
}

void TFrm_Main::LoadAuthority()
{
    m_session.authority = m_session.db && !m_session.operatorName.isEmpty()
        ? AuthorityLoader(*m_session.db).load(m_session.operatorName)
        : AuthorityFlags();
    for (const GovernedEntry &governed : GovernedEntries::all()) {
        QAction *action = m_commands->command(governed.name);
        if (!action)
            action = entry(governed.name);
        if (action)
            action->setEnabled(m_session.authority.isAllowed(governed.row));
    }
}

void TFrm_Main::relogin()
{
    closeAllChildren();
    if (!m_loginPrompt)
        return;
    const QString name = m_loginPrompt(*this);
    if (!name.isEmpty())
        applyLogin(name);
}

QString TFrm_Main::MyDocumentsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TFrm_Main::showAbout()
{
    TFrm_About about(m_session, this);
    about.exec();
}

} // namespace kesvar::gui
