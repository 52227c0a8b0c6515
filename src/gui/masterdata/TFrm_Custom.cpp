#include "masterdata/TFrm_Custom.h"

#include "app/Session.h"
#include "masterdata/Partners.h"
#include "masterdata/TFrm_AddCust.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace kesvar::gui {

TFrm_Custom::TFrm_Custom(Session &session, const ExternalActions &actions, QWidget *parent)
    : MasterListWindow(session, QStringLiteral("CustCode"), actions, parent)
{
    auto *form = new QFormLayout;
    Edit_Code = new QLineEdit(this);
    Edit_BarCode = new QLineEdit(this);
    Edit_Name = new QLineEdit(this);
    Edit_Contact = new QLineEdit(this);
    Edit_Tel = new QLineEdit(this);
    RB_Gys = new QRadioButton(QStringLiteral("仅显示供应商"), this);
    RB_Kh = new QRadioButton(QStringLiteral("仅显示客户"), this);
    RB_All = new QRadioButton(QStringLiteral("显示全部往来单位"), this);
    auto *kinds = new QButtonGroup(this);
    for (QRadioButton *radio : {RB_Gys, RB_Kh, RB_All})
        kinds->addButton(radio);
    CB_Flag = new QCheckBox(QStringLiteral("已停用单位"), this);
    form->addRow(QStringLiteral("编号"), Edit_Code);
    form->addRow(QStringLiteral("速查码"), Edit_BarCode);
    form->addRow(QStringLiteral("往来单位名称"), Edit_Name);
    form->addRow(QStringLiteral("联系人"), Edit_Contact);
    form->addRow(QStringLiteral("联系电话"), Edit_Tel);
    form->addRow(RB_Gys);
    form->addRow(RB_Kh);
    form->addRow(RB_All);
    form->addRow(CB_Flag);
    build(QStringLiteral("往来单位资料"), QStringLiteral("Custom"), form);
}

RowSet TFrm_Custom::defaultRows()
{
    return Partners(*session().db).list();
}

RecordCursor::Query TFrm_Custom::searchQuery()
{
    PartnerSearch search;
    search.custCode = Edit_Code->text();
    search.barCode = Edit_BarCode->text();
    search.custName = Edit_Name->text();
    search.contact = Edit_Contact->text();
    search.tel = Edit_Tel->text();
    if (RB_Gys->isChecked())
        search.kind = PartnerKind::Suppliers;
    else if (RB_Kh->isChecked())
        search.kind = PartnerKind::Customers;
    else if (RB_All->isChecked())
        search.kind = PartnerKind::SuppliersOrCustomers;
    search.disabled = CB_Flag->isChecked();
    Database *db = session().db;
    return [db, search] { return Partners(*db).search(search); };
}

void TFrm_Custom::clearSearchBoxes()
{
    for (QLineEdit *box : {Edit_Code, Edit_BarCode, Edit_Name, Edit_Contact, Edit_Tel})
        box->clear();
}

void TFrm_Custom::setDisabled(const QString &code, bool disabled)
{
    Partners(*session().db).setDisabled(code, disabled);
}

void TFrm_Custom::removeRecord(const QString &code)
{
    Partners(*session().db).remove(code);
}

std::unique_ptr<MasterEditor> TFrm_Custom::createEditor(bool addMode)
{
    return std::make_unique<TFrm_AddCust>(session(), cursor(), addMode, this);
}

} // namespace kesvar::gui
