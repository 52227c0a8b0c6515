#include "bills/TFrm_AddBill.h"

#include "app/Session.h"
#include "bills/BillLineFactory.h"
#include "bills/BillLineRows.h"
#include "bills/BillNumbering.h"
#include "bills/BillStore.h"
#include "bills/BillTypes.h"
#include "bills/PickerSearch.h"
#include "bills/TFrm_SelectCust.h"
#include "bills/TFrm_SelectGoods.h"
#include "data/Database.h"
#include "grid/DataGrid.h"
#include "grid/GridTableModel.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kesvar::gui {

namespace {

// Authority rows of the bill commands.
constexpr int kAddRow = 16, kEditRow = 17, kDelRow = 18, kPrintRow = 19, kCheckRow = 20, kUnCheckRow = 21;

BillCommandActions &registeredActions()
{
    static BillCommandActions actions;
    return actions;
}

TFrm_AddBill *g_current = nullptr;

QComboBox *editableCombo(const QStringList &items)
{
    auto *combo = new QComboBox;
    combo->setEditable(true);
    combo->addItems(items);
    combo->setCurrentText(QString());
    return combo;
}

} // namespace

void setBillCommandActions(const BillCommandActions &actions)
{
    registeredActions() = actions;
}

void openBillWindow(QWidget *parent, Session &session, const QString &billType, const QString &direction,
                    const QString &billCode)
{
    TFrm_AddBill window(session, billType, direction, parent);
    window.bindCommands(registeredActions());
    if (!billCode.isEmpty())
        window.setLocateCode(billCode);
    window.exec();
}

TFrm_AddBill::TFrm_AddBill(Session &session, const QString &billTypeName, const QString &direction, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_billTypeName(billTypeName)
    , m_direction(direction)
    , m_browser(*session.db, billTypeName)
{
    askYesNo = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    inform = [this](const QString &message) { QMessageBox::information(this, QStringLiteral("警告"), message); };
    askSaveOnClose = [this] {
        const auto answer = QMessageBox::question(this, windowTitle(), QStringLiteral("单据尚未保存，是否保存？"),
                                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        return answer == QMessageBox::Save ? 0 : answer == QMessageBox::Discard ? 1 : 2;
    };
    pickProducts = [this] {
        TFrm_SelectGoods picker(m_session, this);
        return picker.exec() == QDialog::Accepted ? picker.selectedProducts() : QList<BillProduct>();
    };
    pickPartner = [this] {
        TFrm_SelectCust picker(m_session, this);
        return picker.exec() == QDialog::Accepted ? picker.chosenName() : QString();
    };
    buildLayout();
    g_current = this;
}

TFrm_AddBill::~TFrm_AddBill()
{
    if (g_current == this)
        g_current = nullptr;
}

TFrm_AddBill *TFrm_AddBill::current() { return g_current; }

void TFrm_AddBill::setLocateCode(const QString &code) { m_locateCode = code; }

void TFrm_AddBill::bindCommands(const BillCommandActions &actions)
{
    m_shared = actions;
    const std::pair<QAction *, void (TFrm_AddBill::*)()> bindings[] = {
        {actions.addBill, &TFrm_AddBill::AddBillExecute},       {actions.editBill, &TFrm_AddBill::EditBillExecute},
        {actions.delBill, &TFrm_AddBill::DelBillExecute},       {actions.saveBill, &TFrm_AddBill::SaveBillExecute},
        {actions.checkBill, &TFrm_AddBill::CheckBillExecute},   {actions.unCheckBill, &TFrm_AddBill::UnCheckBillExecute},
    };
    for (const auto &[action, slot] : bindings)
        if (action)
            connect(action, &QAction::triggered, this, slot, Qt::UniqueConnection);
}

QToolButton *TFrm_AddBill::addToolButton(const QString &caption, int authorityRow, QAction **shared,
                                         void (TFrm_AddBill::*slot)())
{
    auto *button = new QToolButton;
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(button, &QToolButton::clicked, this, [this, authorityRow, shared, slot] {
        QAction *action = shared ? *shared : nullptr;
        if (action) {
            if (action->isEnabled())
                action->trigger(); // runs the bound handler on this window
            return;
        }
        if (authorityRow == 0 || commandAllowed(nullptr, authorityRow))
            (this->*slot)();
    });
    return button;
}

bool TFrm_AddBill::commandAllowed(QAction *shared, int authorityRow) const
{
    if (shared)
        return shared->isEnabled();
    return m_session.authority.isAllowed(authorityRow);
}

void TFrm_AddBill::buildLayout()
{
    resize(902, 496);
    // The designed size cuts the last line columns off; the clerk may enlarge the window.
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    auto *toolbar = new QToolBar;
    m_tbAdd = addToolButton(QStringLiteral("添加"), kAddRow, &m_shared.addBill, &TFrm_AddBill::AddBillExecute);
    m_tbEdit = addToolButton(QStringLiteral("编辑"), kEditRow, &m_shared.editBill, &TFrm_AddBill::EditBillExecute);
    m_tbDel = addToolButton(QStringLiteral("删除"), kDelRow, &m_shared.delBill, &TFrm_AddBill::DelBillExecute);
    m_tbSave = addToolButton(QStringLiteral("保存"), 0, &m_shared.saveBill, &TFrm_AddBill::SaveBillExecute);
    m_tbCancel = addToolButton(QStringLiteral("取消"), 0, nullptr, &TFrm_AddBill::TB_CannelClick);
    m_tbCheck = addToolButton(QStringLiteral("审核"), kCheckRow, &m_shared.checkBill, &TFrm_AddBill::CheckBillExecute);
    m_tbUnCheck =
        addToolButton(QStringLiteral("反审"), kUnCheckRow, &m_shared.unCheckBill, &TFrm_AddBill::UnCheckBillExecute);
    m_tbPrior = addToolButton(QStringLiteral("前单"), 0, nullptr, &TFrm_AddBill::TB_PriorClick);
    m_tbNext = addToolButton(QStringLiteral("后单"), 0, nullptr, &TFrm_AddBill::TB_NextClick);
    m_tbPrint = new QToolButton;
    m_tbPrint->setText(QStringLiteral("打印"));
    connect(m_tbPrint, &QToolButton::clicked, this, [this] {
        if (m_shared.print && m_shared.print->isEnabled())
            m_shared.print->trigger(); // the print command reads shownBillCode()
    });
    m_tbExit = addToolButton(QStringLiteral("退  出"), 0, nullptr, &TFrm_AddBill::TB_ExitClick);
    for (QToolButton *b : {m_tbAdd, m_tbEdit, m_tbDel, m_tbSave, m_tbCancel})
        toolbar->addWidget(b);
    toolbar->addSeparator();
    toolbar->addWidget(m_tbCheck);
    toolbar->addWidget(m_tbUnCheck);
    toolbar->addSeparator();
    for (QToolButton *b : {m_tbPrior, m_tbNext, m_tbPrint, m_tbExit})
        toolbar->addWidget(b);

    const Database &db = *m_session.db;
    m_panel = new QWidget;
    auto *header = new QGridLayout(m_panel);
    m_date = new QDateEdit;
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_billCode = new QLineEdit;
    m_billCode->setReadOnly(true);
    m_billCode->setFocusPolicy(Qt::ClickFocus); // not a stop for Tab and Enter
    m_billCode->setFrame(false);
    m_billCode->setStyleSheet(QStringLiteral("color: blue;"));
    m_billCode->setMinimumWidth(m_billCode->fontMetrics().horizontalAdvance(QStringLiteral("XC-2026-12-11-0000")) + 16);
    m_partnerLabel = new QLabel(QStringLiteral("往来单位"));
    m_custName = new QLineEdit;
    QAction *partnerButton = m_custName->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                                   QLineEdit::TrailingPosition);
    partnerButton->setToolTip(QStringLiteral("往来单位资料选择 (F4)"));
    connect(partnerButton, &QAction::triggered, this, &TFrm_AddBill::Edit_CustNameButtonClick);
    const QStringList warehouses = PickerSearch::warehouses(db);
    m_other = editableCombo(warehouses);
    m_depotLabel = new QLabel(QStringLiteral("仓库名称"));
    m_depot = editableCombo(warehouses);
    m_oldCode = new QLineEdit;
    m_user = editableCombo(PickerSearch::dictionary(db, QStringLiteral("worker")));
    m_fptype = editableCombo(PickerSearch::dictionary(db, QStringLiteral("FPtype")));
    m_ystype = editableCombo(PickerSearch::dictionary(db, QStringLiteral("Ystype")));
    m_memo = new QLineEdit;
    auto *partnerBox = new QHBoxLayout;
    partnerBox->setContentsMargins(0, 0, 0, 0);
    partnerBox->addWidget(m_custName);
    partnerBox->addWidget(m_other);
    m_other->hide();
    header->addWidget(new QLabel(QStringLiteral("制单日期")), 0, 0);
    header->addWidget(m_date, 0, 1);
    header->addWidget(new QLabel(QStringLiteral("单据编码")), 0, 2);
    header->addWidget(m_billCode, 0, 3);
    header->addWidget(m_partnerLabel, 0, 4);
    header->addLayout(partnerBox, 0, 5);
    header->addWidget(m_depotLabel, 1, 0);
    header->addWidget(m_depot, 1, 1);
    header->addWidget(new QLabel(QStringLiteral("自编单号")), 1, 2);
    header->addWidget(m_oldCode, 1, 3);
    header->addWidget(new QLabel(QStringLiteral("业务员")), 1, 4);
    header->addWidget(m_user, 1, 5);
    header->addWidget(new QLabel(QStringLiteral("发票类型")), 2, 0);
    header->addWidget(m_fptype, 2, 1);
    header->addWidget(new QLabel(QStringLiteral("运输方式")), 2, 2);
    header->addWidget(m_ystype, 2, 3);
    header->addWidget(new QLabel(QStringLiteral("备注")), 2, 4);
    header->addWidget(m_memo, 2, 5);
    header->setColumnStretch(5, 2);
    for (QWidget *field : std::initializer_list<QWidget *>{m_date, m_custName, m_other, m_depot, m_oldCode, m_user,
                                                           m_fptype, m_ystype, m_memo}) {
        field->installEventFilter(this);
        m_headerFields.insert(field);
        if (auto *combo = qobject_cast<QComboBox *>(field)) {
            combo->lineEdit()->installEventFilter(this);
            m_headerFields.insert(combo->lineEdit());
        }
    }

    m_selGoods = new QPushButton(QStringLiteral("选择钢材"));
    m_delGoods = new QPushButton(QStringLiteral("删除明细"));
    m_weight = new QPushButton(QStringLiteral("理论计重"));
    m_number = new QPushButton(QStringLiteral("理论计量"));
    connect(m_selGoods, &QPushButton::clicked, this, &TFrm_AddBill::BT_SelGoodsClick);
    connect(m_delGoods, &QPushButton::clicked, this, &TFrm_AddBill::BT_DelGoodsClick);
    connect(m_weight, &QPushButton::clicked, this, &TFrm_AddBill::Bt_weightClick);
    connect(m_number, &QPushButton::clicked, this, &TFrm_AddBill::Bt_NumberClick);
    auto *lineButtons = new QHBoxLayout;
    for (QPushButton *b : {m_selGoods, m_delGoods, m_weight, m_number}) {
        b->setAutoDefault(false);
        lineButtons->addWidget(b);
    }
    lineButtons->addStretch();

    m_grid = new DataGrid(m_session, this);
    m_grid->setSortMarkingEnabled(true);
    m_grid->addSaveLayoutAction();
    m_grid->setReadOnlyFields({QStringLiteral("GoodsCode"), QStringLiteral("GoodsName"), QStringLiteral("GoodsUnit"),
                               QStringLiteral("GoodsCz"), QStringLiteral("GoodsCd"), QStringLiteral("Units"),
                               QStringLiteral("Money"), QStringLiteral("Cmoney"), QStringLiteral("hxl"),
                               QStringLiteral("cbprice"), QStringLiteral("BillDetailID")});
    m_grid->setEllipsisHandler([this](int, const QString &) {
        if (m_isEditing && m_state != State::Browse)
            BT_SelGoodsClick();
    });
    m_grid->installEventFilter(this);
    // Enter in a cell editor keeps the value and goes on to the next cell, as Enter on the grid does.
    connect(m_grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache && m_state != State::Browse)
                    QMetaObject::invokeMethod(this, &TFrm_AddBill::moveToNextCell, Qt::QueuedConnection);
            });
    connect(m_grid->tableModel(), &GridTableModel::cellEdited, this,
            [this](int row, const QString &field, const QVariant &) { lineEdited(row, field); });

    m_maker = new QLineEdit;
    m_status = new QLabel;
    m_status->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-size: 14px;"));
    m_yfkuan = new QCheckBox(QStringLiteral("已付款"));
    m_yspiao = new QCheckBox(QStringLiteral("已收票"));
    m_yfkuan->hide();
    m_yspiao->hide();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("制单人")));
    bottom->addWidget(m_maker);
    bottom->addWidget(new QLabel(QStringLiteral("审核")));
    bottom->addWidget(m_status);
    bottom->addStretch();
    bottom->addWidget(m_yfkuan);
    bottom->addWidget(m_yspiao);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addWidget(m_panel);
    layout->addLayout(lineButtons);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
}

bool TFrm_AddBill::isTransfer() const { return m_billTypeName == BillTypes::Transfer; }

BillActions TFrm_AddBill::actions() const
{
    return BillActions(*m_session.db, m_session.options.dotPrice, m_session.options.dotNum);
}

void TFrm_AddBill::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFrm_AddBill::FormShow()
{
    const BillTypes::Settings settings = BillTypes::settings(*m_session.db, m_billTypeName);
    m_numberPrefix = settings.prefix;
    m_partnerLabel->setVisible(settings.showsPartner);
    m_custName->setVisible(settings.showsPartner);
    if (isTransfer()) {
        m_partnerLabel->setText(QStringLiteral("调入仓"));
        m_partnerLabel->show();
        m_depotLabel->setText(QStringLiteral("调出仓"));
        m_custName->hide();
        m_other->show();
    }
    m_browser.reload(m_locateCode);
    setWindowTitle(m_browser.caption());
    m_grid->setupGrid(QStringLiteral("BillForm"));
    setState(State::Browse);
    loadShownBill();
}

void TFrm_AddBill::loadShownBill()
{
    const std::optional<Bill> bill = m_browser.isEmpty() ? std::nullopt : BillStore(*m_session.db).load(m_browser.currentCode());
    if (bill) {
        m_bill = *bill;
        ShowHeader(m_bill);
    } else {
        m_bill = Bill();
        ClearHeader();
        m_billCode->clear();
    }
    refreshLines();
    const bool none = m_billCode->text().isEmpty();
    if (none) {
        m_tbEdit->setEnabled(false);
        m_tbDel->setEnabled(false);
    }
}

void TFrm_AddBill::ShowHeader(const Bill &bill)
{
    const BillHeader &h = bill.header;
    m_billCode->setText(h.billCode);
    if (isTransfer())
        m_other->setCurrentText(h.custName);
    else
        m_custName->setText(h.custName);
    m_depot->setCurrentText(h.depotName);
    m_oldCode->setText(h.oldCode);
    m_date->setDate(h.addDate);
    m_fptype->setCurrentText(h.fptype);
    m_ystype->setCurrentText(h.ystype);
    m_user->setCurrentText(h.userName);
    m_maker->setText(h.maker);
    m_memo->setText(h.memo);
    m_yspiao->setChecked(h.yspiao);
    m_yfkuan->setChecked(h.yfkuan);
    setApprovalShown(h.approved);
}

void TFrm_AddBill::ClearHeader()
{
    m_custName->clear();
    m_oldCode->clear();
    m_depot->setCurrentText(QString());
    m_fptype->setCurrentText(QString());
    m_ystype->setCurrentText(QString());
    m_memo->clear();
    m_status->clear();
    m_date->setDate(QDate::currentDate());
    m_maker->setText(m_session.operatorName);
    m_yspiao->setChecked(false);
    m_yfkuan->setChecked(false);
}

void TFrm_AddBill::setApprovalShown(bool approved)
{
    m_status->setText(approved ? QStringLiteral("已审核") : QStringLiteral("未审核"));
    m_tbEdit->setEnabled(!approved && m_state == State::Browse);
}

QString TFrm_AddBill::shownBillCode() const { return m_billCode->text(); }
QString TFrm_AddBill::statusText() const { return m_status->text(); }

Bill TFrm_AddBill::currentBill() const
{
    Bill bill = m_bill;
    BillHeader &h = bill.header;
    h.billCode = m_billCode->text();
    h.billType = m_billTypeName;
    h.inOrOut = m_direction;
    h.addDate = m_date->date();
    h.custName = isTransfer() ? m_other->currentText() : m_custName->text();
    h.depotName = m_depot->currentText();
    h.oldCode = m_oldCode->text();
    h.fptype = m_fptype->currentText();
    h.ystype = m_ystype->currentText();
    h.userName = m_user->currentText();
    h.maker = m_maker->text();
    h.memo = m_memo->text();
    h.yspiao = m_yspiao->isChecked();
    h.yfkuan = m_yfkuan->isChecked();
    return bill;
}

void TFrm_AddBill::setState(State state)
{
    m_state = state;
    m_hitBeginning = m_hitEnd = false;
    const bool browse = state == State::Browse;
    m_tbAdd->setEnabled(browse);
    m_tbDel->setEnabled(browse);
    m_tbEdit->setEnabled(browse && !m_bill.header.approved);
    m_tbPrior->setEnabled(browse);
    m_tbNext->setEnabled(browse);
    m_tbSave->setEnabled(!browse);
    m_tbCancel->setEnabled(!browse);
    m_tbCheck->setEnabled(state != State::Adding);
    m_tbUnCheck->setEnabled(state != State::Adding);
    m_tbPrint->setEnabled(browse);
    m_panel->setEnabled(!browse);
    m_maker->setEnabled(!browse);
    m_memo->setEnabled(!browse);
    for (QPushButton *b : {m_selGoods, m_delGoods, m_weight, m_number})
        b->setEnabled(!browse);
    m_grid->setEditable(!browse);
}

void TFrm_AddBill::refreshLines()
{
    const int row = m_grid->currentSourceRow();
    m_grid->setRows(BillLineRows::toRows(m_bill.lines));
    if (!m_bill.lines.isEmpty() && row >= 0)
        selectLine(std::min(row, int(m_bill.lines.size()) - 1), 0);
}

void TFrm_AddBill::selectLine(int line, int column)
{
    const int shownRow = int(m_grid->shownRowOrder().indexOf(line)); // the grid may be sorted
    if (shownRow >= 0)
        m_grid->setCurrentIndex(m_grid->model()->index(shownRow, column));
}

void TFrm_AddBill::refreshLine(int row)
{
    const RowSet one = BillLineRows::toRows({m_bill.lines.at(row)});
    GridTableModel *model = m_grid->tableModel();
    for (int c = 0; c < one.columnCount(); ++c)
        model->setValue(row, one.columns().at(c), one.value(0, c));
}

void TFrm_AddBill::lineEdited(int row, const QString &field)
{
    if (row < 0 || row >= m_bill.lines.size())
        return;
    const QVariant value = m_grid->tableModel()->value(row, field);
    BillLineRows::applyEdit(*m_session.db, m_bill.lines[row], field, value);
    refreshLine(row);
}

void TFrm_AddBill::AddBillExecute()
{
    if (m_state != State::Browse)
        return;
    // Numbered before anything changes, so a refusal (a full day) leaves the shown bill as it was.
    const QString code = BillNumbering::NewBillCode(*m_session.db, m_numberPrefix, QDate::currentDate());
    m_returnCode = m_billCode->text();
    m_isEditing = true;
    m_isNewBill = true;
    ClearHeader();
    m_billCode->setText(code);
    const QString salesperson = m_user->currentText();
    const QString destination = m_other->currentText();
    m_bill = Bill();
    m_user->setCurrentText(salesperson);
    m_other->setCurrentText(destination);
    setApprovalShown(false);
    m_status->clear();
    setState(State::Adding);
    refreshLines();
    m_date->setFocus();
}

void TFrm_AddBill::EditBillExecute()
{
    if (m_state != State::Browse || m_billCode->text().isEmpty())
        return;
    try {
        actions().requireEditable(m_billCode->text());
    } catch (const RuleError &e) {
        inform(e.message());
        return;
    }
    m_returnCode = m_billCode->text();
    m_isNewBill = false;
    m_isEditing = true;
    setState(State::Editing);
}

void TFrm_AddBill::SaveBillExecute()
{
    if (m_state == State::Browse)
        return;
    const Bill bill = currentBill();
    try {
        BillActions::validate(bill.header);
    } catch (const BillRuleError &e) {
        inform(e.message());
        switch (e.field()) {
        case BillField::Destination: m_other->setFocus(); break;
        case BillField::Depot: m_depot->setFocus(); break;
        case BillField::Partner: m_custName->setFocus(); break;
        case BillField::None: break;
        }
        return;
    }
    SaveOutcome outcome;
    try {
        outcome = actions().save(bill, m_isNewBill);
    } catch (const std::exception &) {
        // Nothing was written; the bill stays as typed so that "保存" can be pressed again.
        inform(BillActions::SaveFailedMessage);
        return;
    }
    if (outcome.renumbered)
        inform(BillActions::renumberedMessage(outcome.bill.header.billCode));
    m_browser.reload(outcome.bill.header.billCode);
    setState(State::Browse);
    loadShownBill();
}

void TFrm_AddBill::DelBillExecute()
{
    if (m_state != State::Browse || m_billCode->text().isEmpty())
        return;
    if (!askYesNo(BillActions::DeleteQuestion))
        return;
    const QString code = m_billCode->text();
    // Afterwards the following bill is shown, or the preceding one when the newest was deleted.
    QString neighbour;
    if (m_browser.next()) {
        neighbour = m_browser.currentCode();
        m_browser.prior();
    } else if (m_browser.prior()) {
        neighbour = m_browser.currentCode();
        m_browser.next();
    }
    try {
        actions().remove(code);
    } catch (const std::exception &) {
        inform(BillActions::DeleteFailedMessage);
        return;
    }
    m_browser.reload(neighbour);
    loadShownBill();
    inform(BillActions::DeletedMessage);
}

void TFrm_AddBill::CheckBillExecute() { changeApproval(true); }

void TFrm_AddBill::UnCheckBillExecute() { changeApproval(false); }

void TFrm_AddBill::changeApproval(bool approve)
{
    const QString code = m_billCode->text();
    try {
        if (code.isEmpty() || !(approve ? actions().canApprove(code) : actions().canUnapprove(code)))
            return;
    } catch (const RuleError &e) {
        inform(e.message());
        return;
    }
    const bool confirmed = askYesNo(approve ? BillActions::ApproveQuestion : BillActions::UnapproveQuestion);
    if (confirmed) {
        actions().setApproved(code, approve);
        m_bill.header.approved = approve;
    }
    // Declining shows the status the bill keeps.
    setApprovalShown(confirmed == approve);
    m_isEditing = !approve;
}

// A press at the oldest bill stays on it; the press after that disables the button (and likewise
// at the newest).
void TFrm_AddBill::TB_PriorClick()
{
    if (m_hitBeginning)
        m_tbPrior->setEnabled(false);
    else
        m_hitBeginning = !m_browser.prior();
    m_hitEnd = false;
    m_tbNext->setEnabled(true);
    loadShownBill();
}

void TFrm_AddBill::TB_NextClick()
{
    if (m_hitEnd)
        m_tbNext->setEnabled(false);
    else
        m_hitEnd = !m_browser.next();
    m_hitBeginning = false;
    m_tbPrior->setEnabled(true);
    loadShownBill();
}

void TFrm_AddBill::TB_CannelClick()
{
    if (m_state == State::Browse)
        return;
    m_browser.reload();
    if (!m_returnCode.isEmpty())
        m_browser.locate(m_returnCode);
    setState(State::Browse);
    loadShownBill();
}

void TFrm_AddBill::TB_ExitClick() { close(); }

void TFrm_AddBill::reject()
{
    close(); // Escape asks like the close box
}

void TFrm_AddBill::closeEvent(QCloseEvent *event)
{
    if (m_state != State::Browse) {
        switch (askSaveOnClose()) {
        case 0:
            SaveBillExecute();
            if (m_state != State::Browse) { // the save was refused: stay with the bill
                event->ignore();
                return;
            }
            break;
        case 1:
            TB_CannelClick();
            break;
        default:
            event->ignore();
            return;
        }
    }
    event->accept();
    QDialog::done(QDialog::Accepted);
}

void TFrm_AddBill::BT_SelGoodsClick()
{
    if (m_state == State::Browse)
        return;
    addProducts(pickProducts());
}

void TFrm_AddBill::addProducts(const QList<BillProduct> &products)
{
    // Keyed as the save remembers it: the trimmed partner, none for a transfer.
    const QString partner = isTransfer() ? QString() : m_custName->text().trimmed();
    for (const BillProduct &product : products)
        m_bill.lines.append(BillLineFactory::newLine(*m_session.db, product, m_billTypeName, partner));
    refreshLines();
    if (!products.isEmpty()) {
        const int numberColumn = m_grid->tableModel()->columnOfField(QStringLiteral("Number"));
        m_grid->setFocus();
        selectLine(int(m_bill.lines.size() - products.size()), std::max(0, numberColumn));
    }
}

void TFrm_AddBill::BT_DelGoodsClick()
{
    const int row = m_grid->currentSourceRow();
    if (m_state == State::Browse || row < 0 || row >= m_bill.lines.size())
        return;
    m_bill.lines.removeAt(row);
    refreshLines();
}

void TFrm_AddBill::Bt_weightClick() { convertCurrentLine(&BillLine::applyTheoreticalWeight); }

void TFrm_AddBill::Bt_NumberClick() { convertCurrentLine(&BillLine::applyTheoreticalCount); }

void TFrm_AddBill::convertCurrentLine(std::optional<QString> (BillLine::*conversion)())
{
    const int row = m_grid->currentSourceRow();
    if (m_state == State::Browse || row < 0 || row >= m_bill.lines.size())
        return;
    if (const auto message = (m_bill.lines[row].*conversion)())
        inform(*message);
    refreshLine(row);
}

void TFrm_AddBill::Edit_CustNameButtonClick()
{
    if (m_state == State::Browse)
        return;
    const QString name = pickPartner();
    if (!name.isEmpty())
        m_custName->setText(name);
}

void TFrm_AddBill::moveToNextCell()
{
    const QModelIndex current = m_grid->currentIndex();
    const QStringList editable = BillLineRows::editableFields();
    QList<int> columns; // editable columns left to right as shown
    for (int visual = 0; visual < m_grid->model()->columnCount(); ++visual) {
        const int logical = m_grid->horizontalHeader()->logicalIndex(visual);
        if (m_grid->isColumnHidden(logical))
            continue;
        const QString field = m_grid->tableModel()->columns().value(logical).field;
        for (const QString &f : editable)
            if (f.compare(field, Qt::CaseInsensitive) == 0)
                columns << logical;
    }
    if (columns.isEmpty())
        return;
    const int row = current.isValid() ? current.row() : 0;
    const int position = current.isValid() ? int(columns.indexOf(current.column())) : -1;
    if (position >= 0 && position + 1 < columns.size()) {
        m_grid->setCurrentIndex(m_grid->model()->index(row, columns.at(position + 1)));
    } else if (row + 1 < m_grid->model()->rowCount()) {
        m_grid->setCurrentIndex(m_grid->model()->index(row + 1, columns.first()));
    } else {
        BT_SelGoodsClick(); // past the last cell of the last line: the next product
    }
}

bool TFrm_AddBill::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_state == State::Browse)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == m_grid && enter) {
        // Enter in a cell editor also reaches the grid; closing that editor moves on by itself.
        if (m_grid->indexWidget(m_grid->currentIndex()))
            return QDialog::eventFilter(watched, event);
        if (m_bill.lines.isEmpty())
            BT_SelGoodsClick();
        else
            moveToNextCell();
        return true;
    }
    if (watched == m_custName && key->key() == Qt::Key_F4) {
        Edit_CustNameButtonClick();
        return true;
    }
    // Enter in a header field goes on to the next one, and from the remark into the lines.
    if (enter && m_headerFields.contains(watched)) {
        if (watched == m_memo)
            m_grid->setFocus();
        else
            focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kesvar::gui
