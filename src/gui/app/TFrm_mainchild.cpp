#include "app/TFrm_mainchild.h"

#include "app/Icons.h"
#include "app/Session.h"
#include "app/TFrm_Main.h"
#include "users/GovernedEntries.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kesvar::gui {

namespace {

constexpr int BoardWidth = 800;
constexpr int BoardHeight = 560;

const char *const PageTitles[] = {"基础资料", "业务单据", "仓库管理", "统计分析"};

const char *const StyleSheet = R"(
#Board { background: #ffffff; border: 1px solid #9fb3c8; }
#PageColumn { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a5d93, stop:1 #173a60); }
#PageColumn QToolButton { color: #ffffff; border: none; border-radius: 6px; padding: 6px; font-size: 14px; }
#PageColumn QToolButton:hover { background: rgba(255, 255, 255, 30); }
#PageColumn QToolButton:checked { background: rgba(255, 255, 255, 60); font-weight: bold; }
#Banner { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #e9f2fb, stop:1 #c9dcf0);
          border-bottom: 2px solid #2a5d93; }
#BannerTitle { color: #173a60; font-size: 22px; font-weight: bold; }
#BannerSubtitle { color: #4a6582; font-size: 14px; }
#Pages QToolButton { border: 1px solid transparent; border-radius: 6px; padding: 4px; color: #1f2d3d; font-size: 13px; }
#Pages QToolButton:hover { background: #e8f1fb; border-color: #b7d0ea; }
#Pages QToolButton:pressed { background: #d3e4f6; }
#Pages QToolButton:disabled { color: #a7b0ba; }
#Pages QLabel[rowHeader="true"] { color: #173a60; font-size: 14px; font-weight: bold; }
)";

} // namespace

TFrm_mainchild::TFrm_mainchild(TFrm_Main &main, QWidget *parent)
    : QWidget(parent)
    , m_main(main)
{
    setWindowTitle(QStringLiteral("导航条"));
    setWindowIcon(builtInIcon(QStringLiteral("navigate")));
    setStyleSheet(QString::fromLatin1(StyleSheet));
    setAutoFillBackground(true);
    QPalette backdrop = palette();
    backdrop.setColor(QPalette::Window, QColor(0xdf, 0xe6, 0xee));
    setPalette(backdrop);

    // The chart keeps its designed size; the tabbed frame gives it the whole area, so centre it.
    auto *board = new QWidget(this);
    board->setObjectName(QStringLiteral("Board"));
    board->setAttribute(Qt::WA_StyledBackground);
    board->setFixedSize(BoardWidth, BoardHeight);
    auto *boardLayout = new QHBoxLayout(board);
    boardLayout->setContentsMargins(1, 1, 1, 1);
    boardLayout->setSpacing(0);
    boardLayout->addWidget(buildPageColumn());

    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(buildBanner());
    m_pages = new QStackedWidget(board);
    m_pages->setObjectName(QStringLiteral("Pages"));
    m_pages->addWidget(buildBasicPage());
    m_pages->addWidget(buildBillsPage());
    m_pages->addWidget(buildStockPage());
    m_pages->addWidget(buildStatsPage());
    right->addWidget(m_pages, 1);
    boardLayout->addLayout(right, 1);

    auto *outer = new QGridLayout(this);
    outer->addWidget(board, 1, 1);
    outer->setRowStretch(0, 1);
    outer->setRowStretch(2, 1);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(2, 1);

    showPage(2);
}

QWidget *TFrm_mainchild::buildPageColumn()
{
    auto *column = new QWidget;
    column->setObjectName(QStringLiteral("PageColumn"));
    column->setAttribute(Qt::WA_StyledBackground);
    column->setFixedWidth(130);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(10, 24, 10, 24);
    layout->setSpacing(14);
    m_pageButtons = new QButtonGroup(this);
    m_pageButtons->setExclusive(true);
    const char *icons[] = {"page-basic", "page-bills", "warehouse-white", "page-stats"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QToolButton(column);
        button->setObjectName(QStringLiteral("fcImageBtn%1").arg(i + 1));
        button->setText(QString::fromUtf8(PageTitles[i]));
        button->setIcon(builtInIcon(QString::fromLatin1(icons[i])));
        button->setIconSize(QSize(48, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setFixedSize(110, 96);
        button->setCursor(Qt::PointingHandCursor);
        m_pageButtons->addButton(button, i + 1);
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    layout->addStretch(1);
    connect(m_pageButtons, &QButtonGroup::idClicked, this, &TFrm_mainchild::showPage);
    return column;
}

QWidget *TFrm_mainchild::buildBanner()
{
    auto *banner = new QWidget;
    banner->setObjectName(QStringLiteral("Banner"));
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setFixedHeight(92);
    auto *layout = new QHBoxLayout(banner);
    layout->setContentsMargins(24, 10, 24, 10);
    auto *text = new QVBoxLayout;
    const QString softName = m_main.session().options.softName;
    auto *title = new QLabel(softName.isEmpty() ? QStringLiteral("Kesvar") : softName);
    title->setObjectName(QStringLiteral("BannerTitle"));
    auto *subtitle = new QLabel;
    subtitle->setObjectName(QStringLiteral("BannerSubtitle"));
    text->addWidget(title);
    text->addWidget(subtitle);
    layout->addLayout(text, 1);
    auto *art = new QLabel;
    art->setPixmap(builtInIcon(QStringLiteral("goods")).pixmap(64, 64));
    layout->addWidget(art);
    connect(m_pageButtons, &QButtonGroup::idToggled, subtitle, [subtitle](int id, bool checked) {
        if (checked)
            subtitle->setText(QString::fromUtf8(PageTitles[id - 1]) + QStringLiteral(" · 请选择要进行的工作"));
    });
    return banner;
}

QToolButton *TFrm_mainchild::pictureButton(const QString &name, const QString &caption, const QString &icon,
                                           std::function<void()> handler)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(builtInIcon(icon));
    button->setIconSize(QSize(48, 48));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedSize(104, 88);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QToolButton::clicked, this, std::move(handler));
    return button;
}

QWidget *TFrm_mainchild::picture(const QString &icon, int size)
{
    auto *label = new QLabel;
    label->setPixmap(builtInIcon(icon).pixmap(size, size));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void TFrm_mainchild::openBill(const char *type, const char *direction)
{
    m_main.openModal(QStringLiteral("TFrm_AddBill"), {QString::fromUtf8(type), QString::fromUtf8(direction)}, this);
}

QWidget *TFrm_mainchild::buildBasicPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TS_Basic"));
    auto *layout = new QHBoxLayout(page);
    layout->addStretch(1);
    layout->addWidget(pictureButton(QStringLiteral("fcImageBtn5"), QStringLiteral("钢材管理"), QStringLiteral("goods"),
                                    [this] { m_main.command(QStringLiteral("Goods"))->trigger(); }));
    layout->addSpacing(40);
    layout->addWidget(pictureButton(QStringLiteral("fcImageBtn12"), QStringLiteral("往来单位"), QStringLiteral("partner"),
                                    [this] { m_main.command(QStringLiteral("Custom"))->trigger(); }));
    layout->addSpacing(40);
    layout->addWidget(pictureButton(QStringLiteral("fcImageBtn13"), QStringLiteral("其他信息"), QStringLiteral("dictionary"),
                                    [this] { m_main.openModal(QStringLiteral("TFrm_Other"), {QString()}, this); }));
    layout->addStretch(1);
    return page;
}

QWidget *TFrm_mainchild::buildBillsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TS_Buy"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(8);
    auto bill = [this](const char *name, const char *caption, const char *icon, const char *type, const char *direction) {
        return pictureButton(QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromLatin1(icon),
                             [this, type, direction] { openBill(type, direction); });
    };
    grid->addWidget(bill("fcImageBtn9", "采购入库单", "bill-in", "采购入库", "入库"), 0, 0);
    grid->addWidget(bill("fcImageBtn10", "采购退货单", "bill-return", "采购退货", "出库"), 1, 0);
    grid->addWidget(bill("fcImageBtn11", "其它入库", "bill-in", "其它入库", "入库"), 2, 0);
    grid->addWidget(picture(QStringLiteral("arrow-right"), 40), 0, 1);
    grid->addWidget(picture(QStringLiteral("arrow-right"), 40), 2, 1);
    grid->addWidget(picture(QStringLiteral("stock"), 128), 0, 2, 3, 1);
    grid->addWidget(picture(QStringLiteral("arrow-right"), 40), 0, 3);
    grid->addWidget(picture(QStringLiteral("arrow-right"), 40), 2, 3);
    grid->addWidget(bill("fcImageBtn6", "销售出库单", "bill-out", "销售出库", "出库"), 0, 4);
    grid->addWidget(bill("fcImageBtn8", "其它出库", "bill-out", "其它出库", "出库"), 1, 4);
    grid->addWidget(bill("fcImageBtn7", "销售退货单", "bill-return", "销售退货", "入库"), 2, 4);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(bill("fcImageBtn19", "仓库盘点单", "stocktake", "仓库盘点", "入库"));
    bottom->addSpacing(24);
    bottom->addWidget(bill("fcImageBtn39", "仓库调拨", "transfer", "仓库调拨", "出库"));
    bottom->addStretch(1);
    grid->addLayout(bottom, 3, 0, 1, 5);
    return page;
}

QWidget *TFrm_mainchild::buildStockPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TS_Count"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(60, 30, 60, 30);
    grid->setSpacing(30);
    auto command = [this](const char *name, const char *caption, const char *icon, const char *commandName) {
        return pictureButton(QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromLatin1(icon),
                             [this, commandName] { m_main.command(QString::fromLatin1(commandName))->trigger(); });
    };
    grid->addWidget(pictureButton(QStringLiteral("fcImageBtn21"), QStringLiteral("单据查询"), QStringLiteral("search"),
                                  [this] { m_main.openModal(QStringLiteral("TFrm_AllBill"), {}, this); }),
                    0, 0);
    grid->addWidget(command("fcImageBtn20", "查看库存", "stock", "ViewDepot"), 0, 1);
    grid->addWidget(command("fcImageBtn22", "库存报警", "alarm", "depotwarn"), 0, 2);
    grid->addWidget(command("fcImageBtn23", "库存账台", "ledger", "DepotDetail"), 1, 0);
    grid->addWidget(command("fcImageBtn24", "库存汇总", "summary", "DepotCount"), 1, 1);
    grid->addWidget(command("fcImageBtn25", "分仓库存", "warehouse", "DepotNum"), 1, 2);
    return page;
}

QWidget *TFrm_mainchild::buildStatsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TS_FX"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(30, 8, 30, 8);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    const struct { const char *header, *windowClass; int firstButton; const char *kind; } rows[] = {
        {"按往来单位：", "TFrm_CountCust", 26, "汇总"},
        {"按钢材资料：", "TFrm_CountGoods", 29, "汇总"},
        {"按业务员：", "TFrm_UserCount", 32, "汇总"},
        {"业务明细：", "TFrm_R_BillDetail", 35, "明细"},
    };
    const char *modes[] = {"CG", "XS", "QB"};
    const char *captions[] = {"采购业务", "销售业务", "全部业务"};
    const char *icons[] = {"bill-in", "bill-out", "summary"};
    for (int r = 0; r < 4; ++r) {
        auto *header = new QLabel(QString::fromUtf8(rows[r].header));
        header->setProperty("rowHeader", true);
        grid->addWidget(header, r, 0, Qt::AlignRight | Qt::AlignVCenter);
        for (int m = 0; m < 3; ++m) {
            const QString windowClass = QString::fromLatin1(rows[r].windowClass);
            const QString mode = QString::fromLatin1(modes[m]);
            grid->addWidget(pictureButton(QStringLiteral("fcImageBtn%1").arg(rows[r].firstButton + m),
                                          QString::fromUtf8(captions[m]) + QString::fromUtf8(rows[r].kind),
                                          r == 3 && m == 2 ? QStringLiteral("detail") : QString::fromLatin1(icons[m]),
                                          [this, windowClass, mode] { m_main.openModal(windowClass, {mode}, this); }),
                            r, m + 1);
        }
    }
    grid->addWidget(pictureButton(QStringLiteral("fcImageBtn38"), QStringLiteral("钢材销售排行"), QStringLiteral("ranking"),
                                  [this] { m_main.openModal(QStringLiteral("TFrm_SalePH"), {}, this); }),
                    0, 4, 4, 1, Qt::AlignCenter);
    grid->setColumnStretch(5, 1);
    return page;
}

QToolButton *TFrm_mainchild::button(const QString &name) const
{
    return findChild<QToolButton *>(name);
}

void TFrm_mainchild::applyAuthority(QWidget *page)
{
    const AuthorityFlags &flags = m_main.session().authority;
    for (QToolButton *button : page->findChildren<QToolButton *>()) {
        const int row = GovernedEntries::rowFor(button->objectName());
        if (row > 0)
            button->setEnabled(flags.isAllowed(row));
    }
}

void TFrm_mainchild::showPage(int pageButton)
{
    if (pageButton < 1 || pageButton > 4)
        return;
    m_pageButtons->button(pageButton)->setChecked(true);
    QWidget *page = m_pages->widget(pageButton - 1);
    if (pageButton >= 3)
        applyAuthority(page);
    m_pages->setCurrentWidget(page);
}

int TFrm_mainchild::currentPage() const
{
    return m_pages->currentIndex() + 1;
}

} // namespace kesvar::gui
