#pragma once

#include "bills/Bill.h"
#include "bills/BillBrowser.h"
#include "bills/BillProduct.h"
#include "bills/BillActions.h"
#include "bills/BillCommandActions.h"

#include <QDialog>
#include <QSet>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class DataGrid;

// The bill entry window for one bill type: browses the type's bills newest first, and adds, edits,
// saves, deletes, approves and unapproves them. The bill shown or being typed is held here as a
// Bill; every read and write goes through the core bill classes.
class TFrm_AddBill : public QDialog
{
    Q_OBJECT
public:
    enum class State { Browse, Adding, Editing };

    TFrm_AddBill(Session &session, const QString &billTypeName, const QString &direction, QWidget *parent = nullptr);
    ~TFrm_AddBill() override;

    // From the bill search: show the bill whose number begins with `code` first.
    void setLocateCode(const QString &code);
    // The main window's shared commands for the toolbar (see BillCommandActions).
    void bindCommands(const BillCommandActions &actions);

    // The open bill window, if any (there is at most one): what the shared print command prints.
    static TFrm_AddBill *current();

    State state() const { return m_state; }
    QString shownBillCode() const;
    // The header as typed and the cached lines.
    Bill currentBill() const;
    DataGrid *lineGrid() const { return m_grid; }
    QString statusText() const;

    // Hooks for the dialogs the window opens (tests replace them).
    std::function<bool(const QString &question)> askYesNo;
    std::function<void(const QString &message)> inform;
    // 0 save, 1 discard, 2 go back to the bill.
    std::function<int()> askSaveOnClose;
    std::function<QList<BillProduct>()> pickProducts;
    std::function<QString()> pickPartner;

public slots:
    void AddBillExecute();
    void EditBillExecute();
    void SaveBillExecute();
    void DelBillExecute();
    void CheckBillExecute();
    void UnCheckBillExecute();
    void TB_PriorClick();
    void TB_NextClick();
    void TB_CannelClick();
    void TB_ExitClick();
    void BT_SelGoodsClick();
    void BT_DelGoodsClick();
    void Bt_weightClick();
    void Bt_NumberClick();
    void Edit_CustNameButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    QToolButton *addToolButton(const QString &caption, int authorityRow, QAction **shared, void (TFrm_AddBill::*slot)());
    void FormShow();
    void ShowHeader(const Bill &bill);
    void ClearHeader();
    void loadShownBill();
    void setState(State state);
    void refreshLines();
    void refreshLine(int row);
    // Makes a line (index into the bill's lines) and column current.
    void selectLine(int line, int column);
    void lineEdited(int row, const QString &field);
    void addProducts(const QList<BillProduct> &products);
    void moveToNextCell();
    void setApprovalShown(bool approved);
    // Approve (true) or unapprove the shown bill: the stored flag's check, the question, the write.
    void changeApproval(bool approve);
    // 理论计重 / 理论计量 on the current line.
    void convertCurrentLine(std::optional<QString> (BillLine::*conversion)());
    bool commandAllowed(QAction *shared, int authorityRow) const;
    BillActions actions() const;
    bool isTransfer() const;

    Session &m_session;
    QString m_billTypeName;
    QString m_direction;
    QString m_numberPrefix;
    QString m_locateCode;
    QString m_returnCode;
    bool m_isNewBill = false;
    bool m_isEditing = false;
    bool m_shown = false;
    bool m_hitBeginning = false; // the last "前单" could not move
    bool m_hitEnd = false;       // the last "后单" could not move
    State m_state = State::Browse;
    BillBrowser m_browser;
    Bill m_bill; // header as loaded (flags) and the cached lines
    BillCommandActions m_shared;

    QToolButton *m_tbAdd, *m_tbEdit, *m_tbDel, *m_tbSave, *m_tbCancel, *m_tbCheck, *m_tbUnCheck, *m_tbPrior,
        *m_tbNext, *m_tbPrint, *m_tbExit;
    QWidget *m_panel;
    QDateEdit *m_date;
    QLineEdit *m_billCode;
    QLabel *m_partnerLabel;
    QLineEdit *m_custName;
    QComboBox *m_other;
    QLabel *m_depotLabel;
    QComboBox *m_depot;
    QLineEdit *m_oldCode;
    QComboBox *m_user;
    QComboBox *m_fptype;
    QComboBox *m_ystype;
    QLineEdit *m_memo;
    QSet<QObject *> m_headerFields; // Enter moves on from these
    QLineEdit *m_maker;
    QLabel *m_status;
    QCheckBox *m_yfkuan;
    QCheckBox *m_yspiao;
    QPushButton *m_selGoods, *m_delGoods, *m_weight, *m_number;
    DataGrid *m_grid;
};

// Creates the bill window for a type and direction (and, from the bill search, the bill to show
// first), runs it modally with the shared commands the main window registered, and destroys it.
void openBillWindow(QWidget *parent, Session &session, const QString &billType, const QString &direction,
                    const QString &billCode = {});
// The main window registers its shared bill commands once.
void setBillCommandActions(const BillCommandActions &actions);

} // namespace kesvar::gui
