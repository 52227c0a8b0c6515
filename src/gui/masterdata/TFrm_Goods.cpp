#include "masterdata/TFrm_Goods.h"

#include "app/Session.h"
#include "masterdata/Products.h"
#include "masterdata/SuggestionBoxes.h"
#include "masterdata/TFrm_AddGoods.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace kesvar::gui {

TFrm_Goods::TFrm_Goods(Session &session, const ExternalActions &actions, QWidget *parent)
    : MasterListWindow(session, QStringLiteral("GoodsCode"), actions, parent)
{
    auto *form = new QFormLayout;
    Edit_Code = new QLineEdit(this);
    Combo_Type = SuggestionBoxes::create(this);
    Edit_BarCode = new QLineEdit(this);
    Edit_Unit = new QLineEdit(this);
    Combo_Cz = SuggestionBoxes::create(this);
    Combo_Cd = SuggestionBoxes::create(this);
    Edit_Name = new QLineEdit(this);
    CB_Flag = new QCheckBox(QStringLiteral("停用"), this);
    form->addRow(QStringLiteral("编号"), Edit_Code);
    form->addRow(QStringLiteral("钢种"), Combo_Type);
    form->addRow(QStringLiteral("速查码"), Edit_BarCode);
    form->addRow(QStringLiteral("规格"), Edit_Unit);
    form->addRow(QStringLiteral("材质"), Combo_Cz);
    form->addRow(QStringLiteral("产地"), Combo_Cd);
    form->addRow(QStringLiteral("钢材名称"), Edit_Name);
    form->addRow(CB_Flag);
    build(QStringLiteral("钢材资料"), QStringLiteral("goods"), form);
}

RowSet TFrm_Goods::defaultRows()
{
    return Products(*session().db).list();
}

RecordCursor::Query TFrm_Goods::searchQuery()
{
    ProductSearch search;
    search.goodsCode = Edit_Code->text();
    search.goodstype = Combo_Type->currentText();
    search.barcode = Edit_BarCode->text();
    search.goodsUnit = Edit_Unit->text();
    search.goodscz = Combo_Cz->currentText();
    search.goodscd = Combo_Cd->currentText();
    search.goodsName = Edit_Name->text();
    search.disabled = CB_Flag->isChecked();
    Database *db = session().db;
    return [db, search] { return Products(*db).search(search); };
}

void TFrm_Goods::clearSearchBoxes()
{
    for (QLineEdit *box : {Edit_Code, Edit_BarCode, Edit_Unit, Edit_Name})
        box->clear();
}

void TFrm_Goods::refillSuggestions()
{
    SuggestionBoxes::fill(this, *session().db, {{Combo_Type, QStringLiteral("gz")}, {Combo_Cz, QStringLiteral("cz")},
                                                {Combo_Cd, QStringLiteral("cd")}});
}

void TFrm_Goods::setDisabled(const QString &code, bool disabled)
{
    Products(*session().db).setDisabled(code, disabled);
}

void TFrm_Goods::removeRecord(const QString &code)
{
    Products(*session().db).remove(code);
}

std::unique_ptr<MasterEditor> TFrm_Goods::createEditor(bool addMode)
{
    return std::make_unique<TFrm_AddGoods>(session(), cursor(), addMode, this);
}

} // namespace kesvar::gui
