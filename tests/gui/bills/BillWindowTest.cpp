#include "TestDatabase.h"

#include "app/Session.h"
#include "bills/BillStore.h"
#include "bills/BillTypes.h"
#include "bills/TFrm_AddBill.h"
#include "bills/TFrm_SelectCust.h"
#include "bills/TFrm_SelectGoods.h"
#include "grid/DataGrid.h"
#include "grid/GridTableModel.h"
#include "maintenance/DemoCompany.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QToolButton>

using namespace kesvar;
using namespace kesvar::gui;

namespace {

void keyClick(QWidget *widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void keyClicks(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

class BillWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_db = m_testDb.open();
        m_session.db = m_db.get();
        m_session.options.dotPrice = 2;
        m_session.options.dotNum = 3;
        m_session.operatorName = QStringLiteral("Admin");
        m_session.authority = AuthorityFlags::everything();
        m_db->exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('一号库', 'DepotName'), ('二号库', 'DepotName')");
        m_db->exec("INSERT INTO T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, hxl, Gprice, Dprice, barcode, flag) VALUES"
                   " ('LW-18', '螺纹钢', 'Φ18', '支', 0.024, 90, 3720, 'LWG', FALSE),"
                   " ('YG-20', '圆钢', 'Φ20', '支', 0.015, 60, 3900, 'YG', FALSE),"
                   " ('JG-50', '角钢', '50×5', '支', 0, 95, 4050, 'JG', FALSE)");
        m_db->exec("INSERT INTO T_Custom (CustCode, CustName, gys, kh, flag) VALUES ('G001', '江苏沙钢', TRUE, FALSE, FALSE)");
    }

    std::unique_ptr<TFrm_AddBill> openWindow(const QString &type)
    {
        auto window = std::make_unique<TFrm_AddBill>(m_session, type, BillTypes::find(type)->direction);
        window->askYesNo = [](const QString &) { return true; };
        window->inform = [this](const QString &message) { m_messages << message; };
        window->pickPartner = [] { return QStringLiteral("江苏沙钢"); };
        window->show();
        return window;
    }

    QList<BillProduct> products(const QStringList &codes)
    {
        QList<BillProduct> list;
        for (const QString &code : codes)
            list << *BillProducts::find(*m_db, code);
        return list;
    }

    // Types into a line cell as the user does (through the model's edit path).
    static void typeInto(TFrm_AddBill &window, int row, const QString &field, const QVariant &value)
    {
        GridTableModel *model = window.lineGrid()->tableModel();
        const int column = model->columnOfField(field);
        ASSERT_GE(column, 0) << field.toStdString();
        ASSERT_TRUE(model->setData(model->index(row, column), value, Qt::EditRole)) << field.toStdString();
    }

    // The warehouse drop-down is the one offering the two warehouses (with the hidden transfer list).
    static void chooseWarehouse(TFrm_AddBill &window)
    {
        for (QComboBox *combo : window.findChildren<QComboBox *>())
            if (combo->count() == 2)
                combo->setCurrentText(QStringLiteral("一号库"));
    }

    static QToolButton *button(QWidget &window, const QString &caption)
    {
        for (QToolButton *b : window.findChildren<QToolButton *>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    test::TestDatabase m_testDb;
    std::unique_ptr<Database> m_db;
    Session m_session;
    QStringList m_messages;
};

} // namespace

TEST_F(BillWindowTest, PurchaseReceiptIsEnteredSavedApprovedAndBrowsed)
{
    auto window = openWindow(BillTypes::PurchaseReceipt);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("采购入库单 - 共0张此类单据"));
    EXPECT_EQ(window->state(), TFrm_AddBill::State::Browse);

    for (int bill = 0; bill < 2; ++bill) {
        window->AddBillExecute();
        ASSERT_EQ(window->state(), TFrm_AddBill::State::Adding);
        EXPECT_EQ(window->shownBillCode(),
                  QStringLiteral("CR-%1-%2").arg(QDate::currentDate().toString("yyyy-MM-dd")).arg(bill + 1, 4, 10, QChar('0')));
        EXPECT_FALSE(button(*window, QStringLiteral("添加"))->isEnabled());
        EXPECT_TRUE(button(*window, QStringLiteral("保存"))->isEnabled());
        window->Edit_CustNameButtonClick();
        chooseWarehouse(*window);
        window->pickProducts = [this] { return products({"LW-18", "YG-20", "JG-50"}); };
        // Enter on an empty line grid offers the product picker.
        window->lineGrid()->setFocus();
        keyClick(window->lineGrid(), Qt::Key_Return);
        ASSERT_EQ(window->currentBill().lines.size(), 3);
        // The picked lines start at the count; Enter walks the editable cells.
        GridTableModel *model = window->lineGrid()->tableModel();
        EXPECT_EQ(window->lineGrid()->currentIndex().column(), model->columnOfField("Number"));
        keyClick(window->lineGrid(), Qt::Key_Return);
        EXPECT_EQ(window->lineGrid()->currentIndex().column(), model->columnOfField("weight"));
        typeInto(*window, 0, "Number", 10);
        typeInto(*window, 0, "Price", 91.256);
        typeInto(*window, 1, "Cjtype", QStringLiteral("重量"));
        typeInto(*window, 1, "weight", 1.5);
        EXPECT_DOUBLE_EQ(window->currentBill().lines.at(1).price(), 3900); // the list price per ton
        EXPECT_DOUBLE_EQ(window->lineGrid()->tableModel()->value(1, "Money").toDouble(), 5850);
        // From the last cell of the last line Enter offers the picker for the next product.
        window->lineGrid()->setCurrentIndex(window->lineGrid()->model()->index(2, model->columnOfField("memo")));
        int offered = 0;
        window->pickProducts = [&offered] { ++offered; return QList<BillProduct>(); };
        keyClick(window->lineGrid(), Qt::Key_Return);
        EXPECT_EQ(offered, 1);
        window->SaveBillExecute();
        ASSERT_EQ(window->state(), TFrm_AddBill::State::Browse) << m_messages.join(';').toStdString();
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("采购入库单 - 共0张此类单据")); // counted when shown

    const QString newest = window->shownBillCode();
    const std::optional<Bill> stored = BillStore(*m_db).load(newest);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->header.custName, QStringLiteral("江苏沙钢"));
    EXPECT_EQ(stored->header.depotName, QStringLiteral("一号库"));
    EXPECT_EQ(stored->header.maker, QStringLiteral("Admin"));
    ASSERT_EQ(stored->lines.size(), 3);
    EXPECT_DOUBLE_EQ(stored->lines[0].price(), 91.26);
    EXPECT_DOUBLE_EQ(stored->lines[0].money(), 912.6);

    window->CheckBillExecute();
    EXPECT_EQ(window->statusText(), QStringLiteral("已审核"));
    EXPECT_FALSE(button(*window, QStringLiteral("编辑"))->isEnabled());
    window->CheckBillExecute();
    EXPECT_EQ(m_messages.last(), QStringLiteral("该单据已经审核！"));

    window->TB_PriorClick();
    EXPECT_NE(window->shownBillCode(), newest);
    EXPECT_EQ(window->statusText(), QStringLiteral("未审核"));
    EXPECT_TRUE(button(*window, QStringLiteral("编辑"))->isEnabled());
    const QString oldest = window->shownBillCode();
    window->TB_PriorClick(); // at the oldest: stays
    EXPECT_EQ(window->shownBillCode(), oldest);
    EXPECT_TRUE(button(*window, QStringLiteral("前单"))->isEnabled());
    window->TB_PriorClick();
    EXPECT_FALSE(button(*window, QStringLiteral("前单"))->isEnabled());
    EXPECT_EQ(window->shownBillCode(), oldest);
    window->TB_NextClick();
    EXPECT_EQ(window->shownBillCode(), newest);
    EXPECT_EQ(window->statusText(), QStringLiteral("已审核"));
    EXPECT_EQ(window->lineGrid()->tableModel()->rowCount(), 3);
}

TEST_F(BillWindowTest, CancelRestoresTheBillShownBeforeAndAFailedSaveKeepsTheTypedBill)
{
    auto window = openWindow(BillTypes::PurchaseReceipt);
    window->AddBillExecute();
    window->Edit_CustNameButtonClick();
    chooseWarehouse(*window);
    window->pickProducts = [this] { return products({"LW-18"}); };
    window->BT_SelGoodsClick();
    window->SaveBillExecute();
    const QString first = window->shownBillCode();

    window->AddBillExecute();
    window->pickProducts = [this] { return products({"YG-20", "JG-50"}); };
    window->BT_SelGoodsClick();
    EXPECT_EQ(window->currentBill().lines.size(), 2);
    window->TB_CannelClick();
    EXPECT_EQ(window->state(), TFrm_AddBill::State::Browse);
    EXPECT_EQ(window->shownBillCode(), first);
    ASSERT_EQ(window->currentBill().lines.size(), 1);
    EXPECT_EQ(window->currentBill().lines.at(0).goodsCode, QStringLiteral("LW-18"));

    // The database refuses the lines: nothing is written and the bill stays as typed.
    window->AddBillExecute();
    window->Edit_CustNameButtonClick();
    chooseWarehouse(*window);
    window->BT_SelGoodsClick();
    const QString typedCode = window->shownBillCode();
    m_db->exec("ALTER TABLE T_BillDetail RENAME TO T_BillDetail_away");
    window->SaveBillExecute();
    m_db->exec("ALTER TABLE T_BillDetail_away RENAME TO T_BillDetail");
    EXPECT_EQ(m_messages.last(), QStringLiteral("数据出错导致单据不能保存成功,请重新点击保存按钮保存单据!"));
    EXPECT_EQ(window->state(), TFrm_AddBill::State::Adding);
    EXPECT_EQ(window->shownBillCode(), typedCode);
    EXPECT_EQ(window->currentBill().header.custName, QStringLiteral("江苏沙钢"));
    EXPECT_EQ(window->currentBill().lines.size(), 2);
    window->SaveBillExecute();
    EXPECT_EQ(window->state(), TFrm_AddBill::State::Browse);
    EXPECT_EQ(BillStore(*m_db).load(typedCode)->lines.size(), 2);
}

TEST_F(BillWindowTest, HeaderChecksTheoreticalWeightAndClosing)
{
    auto window = openWindow(BillTypes::SalesDelivery);
    window->AddBillExecute();
    window->SaveBillExecute();
    EXPECT_EQ(m_messages.last(), QStringLiteral("请填写仓库名称！"));
    EXPECT_EQ(window->state(), TFrm_AddBill::State::Adding);

    window->pickProducts = [this] { return products({"JG-50", "LW-18"}); };
    window->BT_SelGoodsClick();
    window->lineGrid()->setCurrentIndex(window->lineGrid()->model()->index(0, 0));
    window->Bt_weightClick();
    EXPECT_EQ(m_messages.last(), QStringLiteral("角钢没有定义理论换算值，不能进行数量到重量的转换"));
    window->lineGrid()->setCurrentIndex(window->lineGrid()->model()->index(1, 0));
    typeInto(*window, 1, "Number", 100);
    window->Bt_weightClick();
    EXPECT_DOUBLE_EQ(window->currentBill().lines.at(1).weight(), 2.4);

    // Closing while adding asks; "go back" keeps the bill.
    int asked = 0;
    window->askSaveOnClose = [&] { ++asked; return 2; };
    window->close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentBill().lines.size(), 2);
    window->askSaveOnClose = [&] { ++asked; return 1; };
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(BillWindowTest, TransferAndStockTakeLayouts)
{
    const auto visibleLabels = [](QWidget &window) {
        QStringList labels;
        for (QLabel *label : window.findChildren<QLabel *>())
            if (label->isVisibleTo(&window))
                labels << label->text();
        return labels;
    };
    {
        auto window = openWindow(BillTypes::Transfer);
        const QStringList labels = visibleLabels(*window);
        EXPECT_TRUE(labels.contains(QStringLiteral("调出仓")));
        EXPECT_TRUE(labels.contains(QStringLiteral("调入仓")));
        EXPECT_FALSE(labels.contains(QStringLiteral("往来单位")));
        EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

        // The destination is the warehouse list that stands in for the partner field.
        window->AddBillExecute();
        chooseWarehouse(*window);
        window->SaveBillExecute();
        EXPECT_EQ(m_messages.last(), QStringLiteral("调出仓和调入仓不能相同！"));
        QList<QComboBox *> warehouseLists;
        for (QComboBox *combo : window->findChildren<QComboBox *>())
            if (combo->count() == 2 && combo->isVisibleTo(window.get()))
                warehouseLists << combo;
        ASSERT_EQ(warehouseLists.size(), 2);
        warehouseLists.first()->setCurrentText(QStringLiteral("二号库")); // created first: the destination
        window->SaveBillExecute();
        ASSERT_EQ(window->state(), TFrm_AddBill::State::Browse) << m_messages.join(';').toStdString();
        const std::optional<Bill> stored = BillStore(*m_db).load(window->shownBillCode());
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->header.depotName, QStringLiteral("一号库"));
        EXPECT_EQ(stored->header.custName, QStringLiteral("二号库"));
        EXPECT_TRUE(stored->header.diaobo);
    }
    {
        // A type without the partner field hides it and saves without a partner.
        auto window = openWindow(BillTypes::StockTake);
        EXPECT_FALSE(visibleLabels(*window).contains(QStringLiteral("往来单位")));
        window->AddBillExecute();
        chooseWarehouse(*window);
        window->SaveBillExecute();
        EXPECT_EQ(window->state(), TFrm_AddBill::State::Browse) << m_messages.join(';').toStdString();
        EXPECT_EQ(window->windowTitle(), QStringLiteral("仓库盘点单 - 共0张此类单据"));
        EXPECT_TRUE(BillStore(*m_db).exists(window->shownBillCode()));
    }
}

TEST_F(BillWindowTest, ProductPickerSearchesAsYouTypeAndAddsWithEnter)
{
    TFrm_SelectGoods picker(m_session);
    QStringList messages;
    picker.inform = [&](const QString &m) { messages << m; };
    picker.show();
    EXPECT_EQ(picker.availableGrid()->tableModel()->rowCount(), 3);
    keyClicks(picker.nameBox(), QStringLiteral("钢"));
    keyClick(picker.nameBox(), Qt::Key_Return); // searches at once, then adds the first found
    picker.nameBox()->clear();
    keyClicks(picker.nameBox(), QStringLiteral("圆"));
    wait(300);
    EXPECT_EQ(picker.availableGrid()->tableModel()->rowCount(), 1);
    keyClick(picker.nameBox(), Qt::Key_Return);
    keyClick(picker.nameBox(), Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{QStringLiteral("钢材【圆钢】已经选择！")});
    ASSERT_EQ(picker.selectedProducts().size(), 2);
    EXPECT_EQ(picker.selectedProducts().at(1).goodsCode, QStringLiteral("YG-20"));
}

TEST_F(BillWindowTest, PartnerPickerReturnsTheChosenName)
{
    TFrm_SelectCust picker(m_session);
    picker.show();
    ASSERT_EQ(picker.list()->tableModel()->rowCount(), 1);
    picker.list()->setCurrentIndex(picker.list()->model()->index(0, 0));
    picker.ReturnChosenPartner();
    EXPECT_EQ(picker.chosenName(), QStringLiteral("江苏沙钢"));
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

// With KESVAR_SCREEN_GRAB=<seconds> the sample company's sales window stays up for a screen grab.
TEST(BillWindowScreenGrab, SampleCompanySalesWindow)
{
    const int seconds = qEnvironmentVariableIntValue("KESVAR_SCREEN_GRAB");
    if (seconds <= 0)
        GTEST_SKIP() << "set KESVAR_SCREEN_GRAB to keep the window up";
    test::TestDatabase testDb;
    auto db = testDb.open();
    DemoCompany(*db).fill();
    Session session;
    session.db = db.get();
    session.operatorName = QStringLiteral("Admin");
    session.authority = AuthorityFlags::everything();
    TFrm_AddBill window(session, BillTypes::SalesDelivery, BillTypes::Issue);
    window.show();
    if (qEnvironmentVariableIsSet("KESVAR_SCREEN_GRAB_ADD")) {
        window.pickProducts = [&] { return QList<BillProduct>{*BillProducts::find(*db, "LW-18"), *BillProducts::find(*db, "HG-200")}; };
        window.AddBillExecute();
        window.BT_SelGoodsClick();
    }
    wait(seconds * 1000);
}

TEST_F(BillWindowTest, FiguresAreTypedIntoTheCellsByKeyboard)
{
    auto window = openWindow(BillTypes::PurchaseReceipt);
    window->activateWindow();
    wait(50);
    window->AddBillExecute();
    window->pickProducts = [this] { return products({"LW-18"}); };
    window->BT_SelGoodsClick();
    DataGrid *grid = window->lineGrid();
    GridTableModel *model = grid->tableModel();
    ASSERT_EQ(grid->currentIndex().column(), model->columnOfField("Number"));
    grid->setFocus();
    wait(20);
    // Typing starts the editor on the current cell; the keys then go to whatever has the focus.
    const auto type = [](const QString &text) {
        for (const QChar c : text) {
            QWidget *target = QApplication::focusWidget();
            ASSERT_TRUE(target);
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    };
    type(QStringLiteral("12"));
    keyClick(QApplication::focusWidget(), Qt::Key_Return);
    wait(50);
    EXPECT_DOUBLE_EQ(window->currentBill().lines.at(0).number(), 12);
    EXPECT_EQ(grid->currentIndex().column(), model->columnOfField("weight"));
    keyClick(grid, Qt::Key_F2);
    type(QStringLiteral("0.5"));
    keyClick(QApplication::focusWidget(), Qt::Key_Return);
    wait(50);
    EXPECT_DOUBLE_EQ(window->currentBill().lines.at(0).weight(), 0.5);
    EXPECT_EQ(grid->currentIndex().column(), model->columnOfField("Cjtype"));
}
