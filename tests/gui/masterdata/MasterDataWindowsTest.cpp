#include "TestDatabase.h"

#include "app/Session.h"
#include "grid/DataGrid.h"
#include "grid/GridTableModel.h"
#include "masterdata/Dictionaries.h"
#include "masterdata/NumberEdit.h"
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
#include "masterdata/Warehouses.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QKeyEvent>
#include <QTimer>

using namespace kesvar;
using namespace kesvar::gui;
using kesvar::test::DatabaseTest;

namespace {

// Answers every message box that opens (Yes or OK) and remembers its text.
class MessageBoxes : public QObject
{
public:
    MessageBoxes()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            QAbstractButton *answer = box->button(QMessageBox::Yes);
            if (!answer)
                answer = box->button(QMessageBox::Ok);
            answer->click();
        });
        m_timer.start(10);
    }
    QStringList texts;

private:
    QTimer m_timer;
};

// Types the characters one key press at a time, as a user would.
void typeInto(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class MasterDataWindows : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        m_session.db = &db();
        Warehouses warehouses(db());
        warehouses.add("一号库");
        warehouses.add("二号库");
    }

    Session &session() { return m_session; }

    Product product(const QString &code, const QString &name)
    {
        Product p = Product::newDefaults();
        p.goodsCode = code;
        p.goodsName = name;
        return p;
    }

    MessageBoxes messages;

private:
    Session m_session;
};

} // namespace

TEST_F(MasterDataWindows, ProductEditorAddsWithOpeningStockAndKeepsTheGridForTheNext)
{
    RecordCursor cursor("GoodsCode", [this] { return Products(db()).list(); });
    cursor.reload();
    TFrm_AddGoods editor(session(), cursor, true);
    EXPECT_EQ(editor.windowTitle(), "钢材资料新增");
    EXPECT_EQ(editor.Edit_Hxl->text(), "1");
    EXPECT_EQ(editor.Edit_UpNum->text(), "0");
    ASSERT_EQ(editor.DBGridEh1->rows().rowCount(), 2);

    editor.Edit_GoodsCode->setText("A1");
    editor.Edit_GoodsName->setText("钢材abc");
    EXPECT_EQ(editor.Edit_BarCode->text(), "GCabc");
    editor.Edit_Dprice->clear();
    typeInto(editor.Edit_Dprice, "35x0.5");
    EXPECT_EQ(editor.Edit_Dprice->text(), "350.5");
    editor.DBGridEh1->tableModel()->setValue(1, "StartNum", 4.0);
    editor.DBGridEh1->tableModel()->setValue(1, "Cjtype", "数量");
    ASSERT_TRUE(editor.TB_SaveClick()) << messages.texts.join('|').toStdString();

    const auto saved = Products(db()).find("A1");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->dprice, 350.5);
    EXPECT_EQ(Products(db()).openingStock("A1").at(1).startNum, 4.0);
    // Ready for the next product, with the opening figures carried over.
    EXPECT_TRUE(editor.AddMode());
    EXPECT_TRUE(editor.Edit_GoodsCode->text().isEmpty());
    EXPECT_EQ(editor.DBGridEh1->rows().value(1, "StartNum").toDouble(), 4.0);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(MasterDataWindows, ProductEditorRefusalsShowTheMessageAndSaveNothing)
{
    RecordCursor cursor("GoodsCode", [this] { return Products(db()).list(); });
    cursor.reload();
    TFrm_AddGoods editor(session(), cursor, true);
    editor.show();

    struct Case { const char *code; const char *name; const char *upnum; const char *message; QWidget *focus; };
    const Case cases[] = {
        {"", "x", "0", "请输入编码！!", editor.Edit_GoodsCode},
        {"B1", "", "0", "请输入名称！!", editor.Edit_GoodsName},
        {"B1", "x", "1.2.3", "库存上限必须是数字!", editor.Edit_UpNum},
    };
    for (const Case &c : cases) {
        messages.texts.clear();
        editor.Edit_GoodsCode->setText(c.code);
        editor.Edit_GoodsName->setText(c.name);
        editor.Edit_UpNum->setText(c.upnum);
        EXPECT_FALSE(editor.TB_SaveClick());
        EXPECT_EQ(messages.texts, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(editor.focusWidget(), c.focus) << c.message;
    }
    EXPECT_TRUE(Products(db()).list().isEmpty());
}

TEST_F(MasterDataWindows, ProductEditorWalksTheListAndCopiesIntoNew)
{
    Product first = product("A1", "圆钢");
    first.goodsUnit = "φ20";
    Products(db()).add(first, {{"一号库", 7.0, 1.0, 1.0, ""}});
    Products(db()).add(product("B1", "方钢"), {});
    RecordCursor cursor("GoodsCode", [this] { return Products(db()).list(); });
    cursor.reload(); // newest first: B1, A1
    TFrm_AddGoods editor(session(), cursor, false);
    EXPECT_EQ(editor.windowTitle(), "钢材资料编辑");
    EXPECT_EQ(editor.Edit_GoodsCode->text(), "B1");

    editor.TB_NextClick();
    EXPECT_EQ(editor.Edit_GoodsCode->text(), "A1");
    EXPECT_EQ(editor.PreviousCode(), "A1");
    EXPECT_EQ(editor.DBGridEh1->rows().value(0, "StartNum").toDouble(), 7.0);
    editor.TB_NextClick();
    EXPECT_FALSE(editor.TB_Next->isEnabled());
    editor.TB_PriorClick();
    EXPECT_EQ(editor.Edit_GoodsCode->text(), "B1");
    editor.TB_PriorClick();
    EXPECT_FALSE(editor.TB_Prior->isEnabled());

    editor.TB_NextClick();
    editor.Edit_GoodsName->setText("changed");
    editor.TB_CancelClick();
    EXPECT_EQ(editor.Edit_GoodsName->text(), "圆钢");

    editor.CB_Copy->setChecked(true);
    editor.TB_NewClick();
    EXPECT_TRUE(editor.AddMode());
    EXPECT_TRUE(editor.Edit_GoodsCode->text().isEmpty());
    EXPECT_TRUE(editor.Edit_GoodsName->text().isEmpty());
    EXPECT_EQ(editor.Edit_GoodsUnit->text(), "φ20");

    // Editing the code moves the product; a second save of the same boxes still works.
    TFrm_AddGoods edit(session(), cursor, false);
    edit.Edit_GoodsCode->setText("A2");
    ASSERT_TRUE(edit.TB_SaveClick()) << messages.texts.join('|').toStdString();
    EXPECT_TRUE(Products(db()).find("A2"));
    EXPECT_TRUE(edit.TB_SaveClick());
}

TEST_F(MasterDataWindows, ProductListSearchesTogglesAndDeletes)
{
    Products(db()).add(product("R1", "圆钢"), {});
    Products(db()).add(product("R2", "大圆钢"), {});
    Products(db()).add(product("P1", "钢板"), {});
    Dictionaries(db()).add("gz", "Q235B");
    TFrm_Goods list(session());
    EXPECT_EQ(list.statusBar()->currentMessage(), "当前共有 3 条记录");

    // A suggestion box keeps what was typed even when an entry begins with it, also when the
    // clerk moves on with Tab while the list of matches is open.
    list.show();
    QApplication::setActiveWindow(&list);
    list.Combo_Type->setFocus();
    typeInto(list.Combo_Type->lineEdit(), "Q235");
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCompleter *completer = list.Combo_Type->completer();
    QWidget *popup = completer->completionMode() == QCompleter::InlineCompletion ? nullptr : completer->popup();
    QApplication::sendEvent(popup && popup->isVisible() ? popup : list.Combo_Type->lineEdit(), &tab);
    EXPECT_EQ(list.Combo_Type->currentText(), "Q235");
    list.clearConditions();
    EXPECT_EQ(list.Combo_Type->currentText(), "");

    // Printing is offered once something prints the list.
    QAction *print = nullptr;
    for (QAction *action : list.findChildren<QAction *>())
        if (action->text() == "打印")
            print = action;
    ASSERT_TRUE(print);
    EXPECT_FALSE(print->isEnabled());
    int printed = -1;
    QObject::connect(&list, &MasterListWindow::printRequested, [&](const RowSet &rows) { printed = rows.rowCount(); });
    EXPECT_TRUE(print->isEnabled());
    print->trigger();
    EXPECT_EQ(printed, 3);

    list.Edit_Name->setText("圆");
    list.runSearch();
    EXPECT_EQ(list.statusBar()->currentMessage(), "当前共有 2 条记录");

    list.grid()->selectRow(0);
    list.toggleDisabled(); // disables the selected product and shows the list again
    EXPECT_EQ(list.cursor().rows().rowCount(), 2);
    list.CB_Flag->setChecked(true);
    list.runSearch();
    ASSERT_EQ(list.cursor().rows().rowCount(), 1);
    list.grid()->selectRow(0);
    list.toggleDisabled();
    EXPECT_EQ(Products(db()).list(true).rowCount(), 0);

    list.refresh();
    list.grid()->selectRow(0);
    const QString code = list.cursor().currentCode();
    list.deleteRecord();
    EXPECT_EQ(messages.texts.last(), "您确定要删除这条信息吗?");
    EXPECT_FALSE(Products(db()).find(code));
}

TEST_F(MasterDataWindows, PartnerListFiltersByKindAndEditorReportsDuplicates)
{
    Partner supplier;
    supplier.custCode = "S1";
    supplier.custName = "停用供应商";
    supplier.gys = true;
    Partners(db()).add(supplier);
    Partners(db()).setDisabled("S1", true);
    Partner customer;
    customer.custCode = "K1";
    customer.custName = "客户";
    customer.kh = true;
    Partners(db()).add(customer);

    TFrm_Custom list(session());
    list.RB_Gys->setChecked(true);
    list.CB_Flag->setChecked(true);
    list.runSearch();
    ASSERT_EQ(list.cursor().rows().rowCount(), 1);
    EXPECT_EQ(list.cursor().currentCode(), "S1");

    RecordCursor cursor("CustCode", [this] { return Partners(db()).list(); });
    TFrm_AddCust editor(session(), cursor, true);
    EXPECT_EQ(editor.windowTitle(), "新增往来单位资料");
    EXPECT_EQ(cursor.rows().rowCount(), 2); // adding walks every partner
    editor.Edit_CustCode->setText("C1");
    editor.Edit_CustName->setText("首钢");
    editor.Memo1->setPlainText("备注");
    EXPECT_EQ(editor.Edit_BarCode->text(), "SG");
    ASSERT_TRUE(editor.TB_SaveClick());
    EXPECT_EQ(Partners(db()).find("C1")->memo, "备注");
    // The boxes keep the saved partner, so saving again reports the duplicate.
    EXPECT_FALSE(editor.TB_SaveClick());
    EXPECT_EQ(messages.texts, QStringList{"往来单位编码重复,请换一个编码!"});
}

TEST_F(MasterDataWindows, PartnerEditorOpenedOnAnEmptyListAddsWhatWasTyped)
{
    RecordCursor cursor("CustCode", [this] { return Partners(db()).list(); });
    cursor.reload();
    TFrm_AddCust editor(session(), cursor, false);
    EXPECT_EQ(editor.windowTitle(), "编辑往来单位资料");
    editor.Edit_CustCode->setText("C1");
    editor.Edit_CustName->setText("首钢");
    ASSERT_TRUE(editor.TB_SaveClick()) << messages.texts.join('|').toStdString();
    EXPECT_TRUE(Partners(db()).find("C1"));
    EXPECT_EQ(editor.PreviousCode(), "C1");

    // From now on the editor edits the partner it added.
    editor.Edit_CustName->setText("首钢集团");
    ASSERT_TRUE(editor.TB_SaveClick()) << messages.texts.join('|').toStdString();
    EXPECT_EQ(Partners(db()).list().rowCount(), 1);
    EXPECT_EQ(Partners(db()).find("C1")->custName, "首钢集团");
}

TEST_F(MasterDataWindows, StoreFailuresAreShownNotThrown)
{
    db().exec("ALTER TABLE T_Other RENAME TO T_Other_away");
    EXPECT_NO_THROW({
        TFrm_Goods list(session());
        list.refresh();
    });
    EXPECT_NO_THROW({
        RecordCursor cursor("GoodsCode", [this] { return Products(db()).list(); });
        TFrm_AddGoods editor(session(), cursor, true);
    });
    db().exec("ALTER TABLE T_Other_away RENAME TO T_Other");
    EXPECT_GE(messages.texts.size(), 3);
}

TEST_F(MasterDataWindows, WarehouseWindowSavesIntoTheRowEditWasPressedOn)
{
    TFrm_Depot window(session());
    EXPECT_EQ(window.windowTitle(), "仓库信息");
    EXPECT_EQ(window.nameEdit()->text(), "一号库");

    window.list()->setCurrentCell(0, 0);
    window.editRecord();
    window.list()->setCurrentCell(1, 0); // moving in the list does not change the edited row
    window.nameEdit()->setText("总库");
    window.saveRecord();
    EXPECT_EQ(Warehouses(db()).names(), (QStringList{"总库", "二号库"}));

    window.addRecord();
    EXPECT_EQ(window.list()->rowCount(), 3);
    window.cancelRecord();
    EXPECT_EQ(window.list()->rowCount(), 2);
    window.addRecord();
    window.nameEdit()->setText(" 三号库 ");
    window.saveRecord();
    EXPECT_EQ(Warehouses(db()).names().last(), "三号库");

    window.list()->setCurrentCell(2, 0);
    window.deleteRecord();
    EXPECT_EQ(messages.texts.last(), "你确定要删除这条记录吗？!");
    EXPECT_EQ(Warehouses(db()).names().size(), 2);
}

TEST_F(MasterDataWindows, DictionaryWindowCaptionsAndSharedActions)
{
    QAction add("新增"), edit("编辑"), remove("删除");
    TFrm_Other origins(session(), "CD", {&add, &edit, &remove});
    EXPECT_EQ(origins.windowTitle(), "产地");
    EXPECT_EQ(TFrm_Other::openInstance(), &origins);
    TFrm_Other::openInstance()->addRecord();
    EXPECT_FALSE(add.isEnabled());
    origins.nameEdit()->setText("鞍钢");
    origins.saveRecord();
    EXPECT_TRUE(add.isEnabled());
    EXPECT_EQ(origins.list()->rowCount(), 1);

    TFrm_Other untyped(session(), "");
    EXPECT_TRUE(untyped.list()->rowCount() == 0);

    // Closed while adding, the window hands the shared actions back as it found them.
    {
        TFrm_Other units(session(), "unit", {&add, &edit, &remove});
        units.addRecord();
        EXPECT_FALSE(edit.isEnabled());
    }
    EXPECT_TRUE(add.isEnabled());
    EXPECT_TRUE(edit.isEnabled());
    edit.setEnabled(false); // not allowed to this operator
    {
        TFrm_Other units(session(), "unit", {&add, &edit, &remove});
    }
    EXPECT_FALSE(edit.isEnabled());
}

TEST_F(MasterDataWindows, CompanyDialogSavesTrimmedTexts)
{
    TFrm_Company dialog(session());
    EXPECT_EQ(dialog.Edit_Zip->maxLength(), 6);
    dialog.Edit_Company->setText(" 钢's 公司 ");
    dialog.Btn_OkClick();
    EXPECT_EQ(messages.texts, QStringList{"您的公司信息已保存！"});
    EXPECT_EQ(db().scalar("SELECT Company FROM T_Company").toString(), "钢's 公司");
}
