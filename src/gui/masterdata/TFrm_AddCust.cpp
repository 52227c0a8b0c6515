#include "masterdata/TFrm_AddCust.h"

#include "app/Session.h"
#include "masterdata/QuickCode.h"
#include "masterdata/RecordCursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kesvar::gui {

TFrm_AddCust::TFrm_AddCust(Session &session, RecordCursor &cursor, bool addMode, QWidget *parent)
    : MasterEditor(cursor, addMode, parent)
    , m_session(session)
{
    if (addMode) {
        // While adding, the editor walks every partner, disabled ones included.
        cursor.setQuery([&session] { return Partners(*session.db).all(); });
        cursor.reload();
    }
    QWidget *body = buildBody();
    build(body, Edit_CustCode, QStringLiteral("新增往来单位资料"), QStringLiteral("编辑往来单位资料"));
    resize(640, 480);
}

QWidget *TFrm_AddCust::buildBody()
{
    auto *body = new QWidget(this);
    auto line = [&](int maxLength) {
        auto *box = new QLineEdit(body);
        box->setMaxLength(maxLength);
        return box;
    };
    auto place = [](QGridLayout *grid, int row, int column, const QString &label, QWidget *box, QWidget *parent) {
        grid->addWidget(new QLabel(label, parent), row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
    };

    auto *basic = new QGroupBox(QStringLiteral("基本信息"), body);
    auto *basicGrid = new QGridLayout(basic);
    Edit_CustCode = line(100);
    Edit_BarCode = line(50);
    Edit_BankName = line(50);
    Edit_CustName = line(200);
    Edit_BankAccount = line(50);
    CB_Gys = new QCheckBox(QStringLiteral("供应商"), basic);
    CB_Kh = new QCheckBox(QStringLiteral("客户"), basic);
    place(basicGrid, 0, 0, QStringLiteral("编号"), Edit_CustCode, basic);
    place(basicGrid, 0, 1, QStringLiteral("速查码"), Edit_BarCode, basic);
    place(basicGrid, 1, 0, QStringLiteral("名称"), Edit_CustName, basic);
    place(basicGrid, 1, 1, QStringLiteral("开户银行"), Edit_BankName, basic);
    auto *kinds = new QWidget(basic);
    auto *kindsLayout = new QHBoxLayout(kinds);
    kindsLayout->setContentsMargins(0, 0, 0, 0);
    kindsLayout->addWidget(CB_Gys);
    kindsLayout->addWidget(CB_Kh);
    kindsLayout->addStretch();
    place(basicGrid, 2, 0, QStringLiteral("单位类型"), kinds, basic);
    place(basicGrid, 2, 1, QStringLiteral("账户名称"), Edit_BankAccount, basic);

    auto *contact = new QGroupBox(QStringLiteral("联系信息"), body);
    auto *contactGrid = new QGridLayout(contact);
    Edit_Contact = line(50);
    Edit_Tel = line(50);
    Edit_Mobile = line(50);
    Edit_Fax = line(50);
    Edit_Zip = line(50);
    Edit_Email = line(100);
    Edit_Address = line(200);
    Edit_URl = line(120);
    Memo1 = new QPlainTextEdit(contact);
    Memo1->setMaximumHeight(70);
    Memo1->setTabChangesFocus(true);
    place(contactGrid, 0, 0, QStringLiteral("联系人"), Edit_Contact, contact);
    place(contactGrid, 0, 1, QStringLiteral("联系电话"), Edit_Tel, contact);
    place(contactGrid, 1, 0, QStringLiteral("手机"), Edit_Mobile, contact);
    place(contactGrid, 1, 1, QStringLiteral("传真号"), Edit_Fax, contact);
    place(contactGrid, 2, 0, QStringLiteral("邮编"), Edit_Zip, contact);
    place(contactGrid, 2, 1, QStringLiteral("Email"), Edit_Email, contact);
    contactGrid->addWidget(new QLabel(QStringLiteral("地址"), contact), 3, 0);
    contactGrid->addWidget(Edit_Address, 3, 1, 1, 3);
    contactGrid->addWidget(new QLabel(QStringLiteral("网址"), contact), 4, 0);
    contactGrid->addWidget(Edit_URl, 4, 1, 1, 3);
    contactGrid->addWidget(new QLabel(QStringLiteral("备注"), contact), 5, 0, Qt::AlignTop);
    contactGrid->addWidget(Memo1, 5, 1, 1, 3);

    setTabOrder({Edit_CustCode, Edit_BarCode, Edit_CustName, Edit_BankName, CB_Gys, CB_Kh, Edit_BankAccount, Edit_Contact,
                 Edit_Tel, Edit_Mobile, Edit_Fax, Edit_Zip, Edit_Email, Edit_Address, Edit_URl, Memo1});

    auto *layout = new QVBoxLayout(body);
    layout->addWidget(basic);
    layout->addWidget(contact, 1);

    bindColumn(QStringLiteral("CustCode"), Edit_CustCode);
    bindColumn(QStringLiteral("CustName"), Edit_CustName);
    connect(Edit_CustName, &QLineEdit::textChanged, this,
            [this](const QString &name) { Edit_BarCode->setText(QuickCode(name)); });
    return body;
}

void TFrm_AddCust::resetToDefaults()
{
    // The two kind boxes keep their state.
    for (QLineEdit *box : {Edit_CustCode, Edit_BarCode, Edit_BankName, Edit_CustName, Edit_BankAccount, Edit_Contact,
                           Edit_Tel, Edit_Mobile, Edit_Fax, Edit_Zip, Edit_Email, Edit_Address, Edit_URl})
        box->clear();
    Memo1->clear();
    Edit_CustCode->setFocus();
}

void TFrm_AddCust::loadRow(const RowSet &rows, int row)
{
    const Partner p = Partners::fromRow(rows, row);
    Edit_CustCode->setText(p.custCode);
    Edit_CustName->setText(p.custName);
    Edit_BarCode->setText(p.barCode); // as stored, after the name's own rebuild
    Edit_BankName->setText(p.bankName);
    Edit_BankAccount->setText(p.bankAccount);
    CB_Gys->setChecked(p.gys);
    CB_Kh->setChecked(p.kh);
    Edit_Contact->setText(p.contact);
    Edit_Tel->setText(p.tel);
    Edit_Mobile->setText(p.mobile);
    Edit_Fax->setText(p.fax);
    Edit_Zip->setText(p.zip);
    Edit_Email->setText(p.email);
    Edit_Address->setText(p.address);
    Edit_URl->setText(p.url);
    Memo1->setPlainText(p.memo);
}

Partner TFrm_AddCust::collect() const
{
    Partner p;
    p.custCode = Edit_CustCode->text();
    p.barCode = Edit_BarCode->text();
    p.bankName = Edit_BankName->text();
    p.custName = Edit_CustName->text();
    p.bankAccount = Edit_BankAccount->text();
    p.gys = CB_Gys->isChecked();
    p.kh = CB_Kh->isChecked();
    p.contact = Edit_Contact->text();
    p.tel = Edit_Tel->text();
    p.mobile = Edit_Mobile->text();
    p.fax = Edit_Fax->text();
    p.zip = Edit_Zip->text();
    p.email = Edit_Email->text();
    p.address = Edit_Address->text();
    p.url = Edit_URl->text();
    p.memo = Memo1->toPlainText();
    return p;
}

void TFrm_AddCust::save(bool asNew)
{
    Partners partners(*m_session.db);
    if (asNew)
        partners.add(collect());
    else
        partners.update(PreviousCode(), collect());
}

} // namespace kesvar::gui
