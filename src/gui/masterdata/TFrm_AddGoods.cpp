#include "masterdata/TFrm_AddGoods.h"

#include "app/Session.h"
#include "data/DbError.h"
#include "grid/DataGrid.h"
#include "grid/GridTableModel.h"
#include "masterdata/FieldValues.h"
#include "masterdata/MasterDataDialogs.h"
#include "masterdata/NumberEdit.h"
#include "masterdata/QuickCode.h"
#include "masterdata/RecordCursor.h"
#include "masterdata/SuggestionBoxes.h"
#include "masterdata/ValidationError.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kesvar::gui {

namespace {

const QStringList kOpeningFields = {QStringLiteral("StartNum"), QStringLiteral("StartPrice"),
                                    QStringLiteral("Startweight"), QStringLiteral("DictName"),
                                    QStringLiteral("Cjtype")};

QString numberText(const std::optional<double> &value)
{
    return value ? QString::number(*value, 'g', 15) : QString();
}

QVariant cell(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}

// A box's number; a text that is not one is refused naming the box and pointing at it.
std::optional<double> boxNumber(const QLineEdit *box, const QString &label, const QString &column)
{
    try {
        return FieldValues::parseNumber(box->text(), label);
    } catch (const RuleError &e) {
        throw ValidationError(e.message(), column);
    }
}

} // namespace

TFrm_AddGoods::TFrm_AddGoods(Session &session, RecordCursor &cursor, bool addMode, QWidget *parent)
    : MasterEditor(cursor, addMode, parent)
    , m_session(session)
{
    QWidget *body = buildBody();
    fillSuggestions();
    build(body, Edit_GoodsCode, QStringLiteral("钢材资料新增"), QStringLiteral("钢材资料编辑"));
    if (addMode)
        loadOpeningStock();
    resize(760, 600);
}

QWidget *TFrm_AddGoods::buildBody()
{
    auto *body = new QWidget(this);
    auto *grid = new QGridLayout;
    auto place = [&](int row, int column, const QString &label, QWidget *editor, const QString &suffix = {}) {
        grid->addWidget(new QLabel(label, body), row, column * 2);
        if (suffix.isEmpty()) {
            grid->addWidget(editor, row, column * 2 + 1);
            return;
        }
        auto *withSuffix = new QHBoxLayout;
        withSuffix->addWidget(editor, 1);
        withSuffix->addWidget(new QLabel(suffix, body));
        grid->addLayout(withSuffix, row, column * 2 + 1);
    };
    auto text = [&] {
        auto *box = new QLineEdit(body);
        box->setMaxLength(50);
        return box;
    };
    auto combo = [&] { return SuggestionBoxes::create(body); };
    auto date = [&] {
        auto *box = new QDateEdit(body);
        box->setCalendarPopup(true);
        box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        return box;
    };

    Edit_GoodsCode = text();
    Edit_BarCode = text();
    Edit_BarCode->setEnabled(false);
    Combo_goodstype = combo();
    Edit_GoodsName = text();
    Edit_GoodsUnit = text();
    Combo_GoodsCz = combo();
    Combo_GoodsCd = combo();
    Edit_Dprice = new NumberEdit(body);
    DE_DDate = date();
    Edit_Gprice = new NumberEdit(body);
    DE_Gdate = date();
    Edit_UpNum = new NumberEdit(body);
    Edit_DownNum = new NumberEdit(body);
    Combo_Unit = combo();
    Edit_Hxl = new NumberEdit(body);
    Edit_GoodWz = text();
    Memo1 = new QPlainTextEdit(body);
    Memo1->setMaximumHeight(60);
    Memo1->setTabChangesFocus(true);
    CB_Copy = new QCheckBox(QStringLiteral("复制"), body);

    place(0, 0, QStringLiteral("编号"), Edit_GoodsCode);
    place(0, 1, QStringLiteral("速查码"), Edit_BarCode);
    place(0, 2, QStringLiteral("钢种"), Combo_goodstype);
    place(1, 0, QStringLiteral("名称"), Edit_GoodsName);
    place(1, 1, QStringLiteral("规格型号"), Edit_GoodsUnit);
    place(1, 2, QStringLiteral("材质"), Combo_GoodsCz);
    place(2, 0, QStringLiteral("最新吨价"), Edit_Dprice, QStringLiteral("每吨"));
    place(2, 1, QStringLiteral("定价日期"), DE_DDate);
    place(2, 2, QStringLiteral("产地"), Combo_GoodsCd);
    place(3, 0, QStringLiteral("最新根价"), Edit_Gprice, QStringLiteral("每根"));
    place(3, 1, QStringLiteral("定价日期"), DE_Gdate);
    place(3, 2, QStringLiteral("数量单位"), Combo_Unit);
    place(4, 0, QStringLiteral("库存上限"), Edit_UpNum);
    place(4, 1, QStringLiteral("库存下限"), Edit_DownNum);
    place(4, 2, QStringLiteral("理论换算值"), Edit_Hxl);
    place(5, 0, QStringLiteral("货位"), Edit_GoodWz);
    grid->addWidget(CB_Copy, 5, 5);
    grid->addWidget(new QLabel(QStringLiteral("备注"), body), 6, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 6, 1, 1, 5);
    for (int c = 1; c < 6; c += 2)
        grid->setColumnStretch(c, 1);
    setTabOrder({Edit_GoodsCode, Combo_goodstype, Edit_GoodsName, Edit_GoodsUnit, Combo_GoodsCz, Edit_Dprice, DE_DDate,
                 Combo_GoodsCd, Edit_Gprice, DE_Gdate, Combo_Unit, Edit_UpNum, Edit_DownNum, Edit_Hxl, Edit_GoodWz,
                 CB_Copy, Memo1});

    auto *explanation = new QLabel(QStringLiteral("说明：【理论换算率】是指钢材的数量单位与重量单位间的换算比率。\n"
                                                  "       按需求表现为：1数量单位=1吨/理论换算值。"),
                                   body);
    QPalette red = explanation->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    explanation->setPalette(red);

    DBGridEh1 = new DataGrid(m_session, body);
    DBGridEh1->setEditable(true);
    DBGridEh1->setReadOnlyFields({QStringLiteral("DictName")});
    DBGridEh1->addContextAction(QStringLiteral("保存列表属性"), [this] { DBGridEh1->saveGridLayout(true); });

    auto *layout = new QVBoxLayout(body);
    layout->addLayout(grid);
    layout->addWidget(explanation);
    layout->addWidget(DBGridEh1, 1);

    const struct { const char *column; QWidget *box; } boxes[] = {
        {"GoodsCode", Edit_GoodsCode}, {"GoodsName", Edit_GoodsName}, {"Upnum", Edit_UpNum},
        {"downnum", Edit_DownNum}, {"Dprice", Edit_Dprice}, {"Gprice", Edit_Gprice}, {"hxl", Edit_Hxl}};
    for (const auto &b : boxes)
        bindColumn(QString::fromLatin1(b.column), b.box);

    connect(Edit_GoodsName, &QLineEdit::textChanged, this,
            [this](const QString &name) { Edit_BarCode->setText(QuickCode(name)); });
    return body;
}

void TFrm_AddGoods::fillSuggestions()
{
    SuggestionBoxes::fill(this, *m_session.db, {{Combo_goodstype, QStringLiteral("gz")}, {Combo_GoodsCz, QStringLiteral("cz")},
                                                {Combo_GoodsCd, QStringLiteral("cd")}, {Combo_Unit, QStringLiteral("unit")}});
}

void TFrm_AddGoods::showProduct(const Product &p)
{
    Edit_GoodsCode->setText(p.goodsCode);
    Edit_GoodsName->setText(p.goodsName);
    Edit_BarCode->setText(p.barcode.isEmpty() ? QuickCode(p.goodsName) : p.barcode);
    Combo_goodstype->setEditText(p.goodstype);
    Edit_GoodsUnit->setText(p.goodsUnit);
    Combo_GoodsCz->setEditText(p.goodscz);
    Combo_GoodsCd->setEditText(p.goodscd);
    Edit_Dprice->setText(numberText(p.dprice));
    DE_DDate->setDate(p.ddate.isValid() ? p.ddate : QDate::currentDate());
    Edit_Gprice->setText(numberText(p.gprice));
    DE_Gdate->setDate(p.gdate.isValid() ? p.gdate : QDate::currentDate());
    Edit_UpNum->setText(numberText(p.upnum));
    Edit_DownNum->setText(numberText(p.downnum));
    Combo_Unit->setEditText(p.units);
    Edit_Hxl->setText(numberText(p.hxl));
    Edit_GoodWz->setText(p.goodwz);
    Memo1->setPlainText(p.memo);
}

void TFrm_AddGoods::resetToDefaults()
{
    showProduct(Product::newDefaults());
}

void TFrm_AddGoods::prepareNew()
{
    if (CB_Copy->isChecked() && !cursor().isEmpty()) {
        showProduct(Products::fromRow(cursor().rows(), cursor().position()).copyForNew());
        Edit_BarCode->clear();
    } else {
        resetToDefaults();
    }
    Edit_GoodsCode->setFocus();
}

void TFrm_AddGoods::loadRow(const RowSet &rows, int row)
{
    showProduct(Products::fromRow(rows, row));
    loadOpeningStock();
}

void TFrm_AddGoods::loadOpeningStock()
{
    RowSet rows(kOpeningFields);
    MasterDataDialogs::attempt(this, [&] {
        for (const OpeningStock &o : Products(*m_session.db).openingStock(Edit_GoodsCode->text()))
            rows.appendRow({cell(o.startNum), cell(o.startPrice), cell(o.startWeight), o.depotName, o.cjtype});
        DBGridEh1->setRows(rows);
        if (DBGridEh1->gridKey().isEmpty())
            DBGridEh1->setupGrid(QStringLiteral("DepotStart"));
    });
}

Product TFrm_AddGoods::collect() const
{
    Product p;
    p.goodsCode = Edit_GoodsCode->text();
    p.barcode = Edit_BarCode->text();
    p.goodstype = Combo_goodstype->currentText();
    p.goodsName = Edit_GoodsName->text();
    p.goodsUnit = Edit_GoodsUnit->text();
    p.goodscz = Combo_GoodsCz->currentText();
    p.goodscd = Combo_GoodsCd->currentText();
    p.dprice = boxNumber(Edit_Dprice, QStringLiteral("最新吨价"), QStringLiteral("Dprice"));
    p.ddate = DE_DDate->date();
    p.gprice = boxNumber(Edit_Gprice, QStringLiteral("最新根价"), QStringLiteral("Gprice"));
    p.gdate = DE_Gdate->date();
    p.upnum = boxNumber(Edit_UpNum, QStringLiteral("库存上限"), QStringLiteral("Upnum"));
    p.downnum = boxNumber(Edit_DownNum, QStringLiteral("库存下限"), QStringLiteral("downnum"));
    p.units = Combo_Unit->currentText();
    p.hxl = boxNumber(Edit_Hxl, QStringLiteral("理论换算值"), QStringLiteral("hxl"));
    p.goodwz = Edit_GoodWz->text();
    p.memo = Memo1->toPlainText();
    return p;
}

QList<OpeningStock> TFrm_AddGoods::collectOpening() const
{
    const RowSet &rows = DBGridEh1->rows();
    auto figure = [&](int r, const QString &field, const QString &label) -> std::optional<double> {
        const QVariant value = rows.value(r, field);
        if (value.isNull() || value.toString().trimmed().isEmpty())
            return std::nullopt;
        return FieldValues::parseNumber(value.toString(), label);
    };
    QList<OpeningStock> opening;
    for (int r = 0; r < rows.rowCount(); ++r)
        opening.append({rows.value(r, QStringLiteral("DictName")).toString(),
                        figure(r, QStringLiteral("StartNum"), QStringLiteral("期初数量")),
                        figure(r, QStringLiteral("StartPrice"), QStringLiteral("期初单价")),
                        figure(r, QStringLiteral("Startweight"), QStringLiteral("期初重量")),
                        rows.value(r, QStringLiteral("Cjtype")).toString()});
    return opening;
}

void TFrm_AddGoods::save(bool asNew)
{
    // A cell still being typed in belongs to the save: moving the focus off its editor commits it.
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused != DBGridEh1 && DBGridEh1->isAncestorOf(focused))
        DBGridEh1->setFocus();
    const Product product = collect();
    const QList<OpeningStock> opening = collectOpening();
    Products products(*m_session.db);
    if (asNew)
        products.add(product, opening);
    else
        products.update(PreviousCode(), product, opening);
}

void TFrm_AddGoods::afterAdd()
{
    resetToDefaults();
    Edit_GoodsCode->setFocus();
}

} // namespace kesvar::gui
