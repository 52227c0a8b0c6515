#include "masterdata/Products.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "masterdata/FieldValues.h"
#include "masterdata/MasterCodes.h"
#include "masterdata/MasterSave.h"
#include "masterdata/QuickCode.h"
#include "masterdata/SearchCriteria.h"
#include "masterdata/ValidationError.h"

#include "data/Values.h"

#include <QSqlQuery>
#include <algorithm>

namespace kesvar {

namespace {

const QString kDuplicateCode = QStringLiteral("货品编码重复,请换一个货品编码!");

const QString kSelect = QStringLiteral(
    "SELECT GoodsID, GoodsCode, GoodsName, GoodsUnit, Units, barcode, goodstype, goodscz, goodscd, Dprice,"
    " Gprice, Ddate, Gdate, Upnum, downnum, hxl, Goodwz, memo, flag FROM T_Goods");

// The values of the editable columns in the order of kEditableColumns.
const QString kEditableColumns = QStringLiteral(
    "GoodsCode, GoodsName, GoodsUnit, Units, barcode, goodstype, goodscz, goodscd, Dprice, Gprice, Ddate, Gdate,"
    " Upnum, downnum, hxl, Goodwz, memo");

QVariant boundDate(const QDate &date)
{
    return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
}

QVariantList editableValues(const Product &p)
{
    using FieldValues::boundNumber;
    return {p.goodsCode, p.goodsName, p.goodsUnit, p.units, p.barcode, p.goodstype, p.goodscz, p.goodscd,
            boundNumber(p.dprice), boundNumber(p.gprice), boundDate(p.ddate), boundDate(p.gdate),
            boundNumber(p.upnum), boundNumber(p.downnum), boundNumber(p.hxl), p.goodwz, p.memo};
}

// Codes and names are keys and copies elsewhere, so they are kept without stray blanks.
Product normalized(const Product &input)
{
    Product p = input;
    p.goodsCode = p.goodsCode.trimmed();
    p.goodsName = p.goodsName.trimmed();
    if (p.barcode.isEmpty())
        p.barcode = QuickCode(p.goodsName);
    return p;
}

} // namespace

Product Product::newDefaults()
{
    Product p;
    p.dprice = p.gprice = p.upnum = p.downnum = 0.0;
    p.hxl = 1.0;
    p.ddate = p.gdate = QDate::currentDate();
    return p;
}

Product Product::copyForNew() const
{
    Product p = *this;
    p.goodsCode.clear();
    p.barcode.clear();
    p.goodsName.clear();
    p.flag = false;
    return p;
}

const QStringList &Products::columns()
{
    static const QStringList names = {
        QStringLiteral("GoodsID"), QStringLiteral("GoodsCode"), QStringLiteral("GoodsName"), QStringLiteral("GoodsUnit"),
        QStringLiteral("Units"), QStringLiteral("barcode"), QStringLiteral("goodstype"), QStringLiteral("goodscz"),
        QStringLiteral("goodscd"), QStringLiteral("Dprice"), QStringLiteral("Gprice"), QStringLiteral("Ddate"),
        QStringLiteral("Gdate"), QStringLiteral("Upnum"), QStringLiteral("downnum"), QStringLiteral("hxl"),
        QStringLiteral("Goodwz"), QStringLiteral("memo"), QStringLiteral("flag")};
    return names;
}

RowSet Products::list(bool disabled) const
{
    ProductSearch all;
    all.disabled = disabled;
    return search(all);
}

RowSet Products::search(const ProductSearch &c) const
{
    SearchCriteria where(m_db.dialect());
    where.contains(QStringLiteral("GoodsCode"), c.goodsCode);
    where.equals(QStringLiteral("goodstype"), c.goodstype);
    where.contains(QStringLiteral("barcode"), c.barcode);
    where.contains(QStringLiteral("GoodsUnit"), c.goodsUnit);
    where.equals(QStringLiteral("goodscz"), c.goodscz);
    where.equals(QStringLiteral("goodscd"), c.goodscd);
    where.contains(QStringLiteral("GoodsName"), c.goodsName);
    where.add(QStringLiteral("flag = ?"), c.disabled);
    RowSet rows = m_db.select(kSelect + where.whereClause() + QStringLiteral(" ORDER BY GoodsID DESC"),
                              where.params(), columns());
    FieldValues::readDates(rows, {QStringLiteral("Ddate"), QStringLiteral("Gdate")});
    return rows;
}

std::optional<Product> Products::find(const QString &code) const
{
    RowSet rows = m_db.select(kSelect + QStringLiteral(" WHERE GoodsCode = ?"), {code.trimmed()}, columns());
    if (rows.isEmpty())
        return std::nullopt;
    FieldValues::readDates(rows, {QStringLiteral("Ddate"), QStringLiteral("Gdate")});
    return fromRow(rows, 0);
}

Product Products::fromRow(const RowSet &rows, int r)
{
    auto text = [&](const char *column) { return rows.value(r, QLatin1String(column)).toString(); };
    auto number = [&](const char *column) { return Values::optionalNumber(rows.value(r, QLatin1String(column))); };
    Product p;
    p.goodsCode = text("GoodsCode");
    p.barcode = text("barcode");
    p.goodstype = text("goodstype");
    p.goodsName = text("GoodsName");
    p.goodsUnit = text("GoodsUnit");
    p.goodscz = text("goodscz");
    p.goodscd = text("goodscd");
    p.dprice = number("Dprice");
    p.ddate = rows.value(r, QStringLiteral("Ddate")).toDate();
    p.gprice = number("Gprice");
    p.gdate = rows.value(r, QStringLiteral("Gdate")).toDate();
    p.upnum = number("Upnum");
    p.downnum = number("downnum");
    p.units = text("Units");
    p.hxl = number("hxl");
    p.goodwz = text("Goodwz");
    p.memo = text("memo");
    p.flag = rows.value(r, QStringLiteral("flag")).toBool();
    return p;
}

QList<OpeningStock> Products::openingStock(const QString &code) const
{
    // Every warehouse once, even when two rows carry one name, with the product's figures if any.
    const RowSet rows = m_db.select(QStringLiteral(
        "SELECT d.DictName, s.StartNum, s.StartPrice, s.startweight, s.cjtype"
        " FROM (SELECT DictName, MIN(ID) AS FirstID FROM T_DepotName GROUP BY DictName) d"
        " LEFT JOIN T_DepotStart s ON s.DepotName = d.DictName AND s.GoodsCode = ?"
        " ORDER BY d.FirstID"), {code.trimmed()});
    QList<OpeningStock> opening;
    for (int r = 0; r < rows.rowCount(); ++r)
        opening.append({rows.value(r, 0).toString(), Values::optionalNumber(rows.value(r, 1)),
                        Values::optionalNumber(rows.value(r, 2)), Values::optionalNumber(rows.value(r, 3)),
                        rows.value(r, 4).toString()});
    return opening;
}

void Products::validate(const Product &input, bool adding) const
{
    const Product p = normalized(input);
    if (p.goodsCode.isEmpty())
        throw ValidationError(QStringLiteral("请输入编码！!"), QStringLiteral("GoodsCode"));
    if (p.goodsName.isEmpty())
        throw ValidationError(QStringLiteral("请输入名称！!"), QStringLiteral("GoodsName"));
    if (p.upnum && p.downnum && *p.upnum < *p.downnum)
        throw ValidationError(QStringLiteral("库存上限不能小于或等于库存下限！!"), QStringLiteral("Upnum"));
    if (adding && codes().taken(p.goodsCode))
        throw ValidationError::duplicate(kDuplicateCode, QStringLiteral("GoodsCode"));
    // Bill lines divide by the conversion value, so zero is refused for edits as well.
    if (p.hxl && *p.hxl == 0)
        throw ValidationError(QStringLiteral("理论换算值不能为0!"), QStringLiteral("hxl"));
}

void Products::add(const Product &input, const QList<OpeningStock> &opening)
{
    const Product p = normalized(input);
    MasterSave::run(m_db, kDuplicateCode, QStringLiteral("GoodsCode"), [&] {
        validate(p, true);
        m_db.exec(QStringLiteral("INSERT INTO T_Goods (%1, flag) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                                 " ?, ?, ?, FALSE)").arg(kEditableColumns),
                  editableValues(p));
        replaceOpeningStock(p.goodsCode, opening);
    });
}

void Products::update(const QString &previousCodeInput, const Product &input, const QList<OpeningStock> &opening)
{
    const Product p = normalized(input);
    const QString previousCode = previousCodeInput.trimmed();
    const bool codeChanged = p.goodsCode != previousCode;
    MasterSave::run(m_db, kDuplicateCode, QStringLiteral("GoodsCode"), [&] {
        validate(p, false);
        if (codeChanged && codes().taken(p.goodsCode, previousCode))
            throw ValidationError::duplicate(kDuplicateCode, QStringLiteral("GoodsCode"));
        QVariantList values = editableValues(p);
        values << previousCode;
        QSqlQuery update = m_db.exec(
            QStringLiteral("UPDATE T_Goods SET GoodsCode = ?, GoodsName = ?, GoodsUnit = ?, Units = ?, barcode = ?,"
                           " goodstype = ?, goodscz = ?, goodscd = ?, Dprice = ?, Gprice = ?, Ddate = ?, Gdate = ?,"
                           " Upnum = ?, downnum = ?, hxl = ?, Goodwz = ?, memo = ? WHERE GoodsCode = ?"),
            values);
        codes().requireUpdated(update, previousCode);
        if (codeChanged)
            m_db.exec(QStringLiteral("DELETE FROM T_DepotStart WHERE GoodsCode = ?"), {previousCode});
        replaceOpeningStock(p.goodsCode, opening);
        if (codeChanged)
            m_db.exec(QStringLiteral("UPDATE T_BillDetail SET GoodsCode = ? WHERE GoodsCode = ?"),
                      {p.goodsCode, previousCode});
        m_db.exec(QStringLiteral("UPDATE T_BillDetail SET GoodsName = ? WHERE GoodsCode = ?"),
                  {p.goodsName, p.goodsCode});
    });
}

void Products::replaceOpeningStock(const QString &code, const QList<OpeningStock> &given)
{
    // One row per warehouse: the given figures where there are some, zeros elsewhere.
    QList<OpeningStock> complete;
    for (const QString &name : m_db.comboItems(QStringLiteral(
             "SELECT MIN(ID), DictName FROM T_DepotName GROUP BY DictName ORDER BY MIN(ID)")))
        complete.append({name, std::nullopt, std::nullopt, std::nullopt, QString()});
    for (const OpeningStock &entry : given) {
        auto target = std::find_if(complete.begin(), complete.end(),
                                   [&](const OpeningStock &o) { return o.depotName == entry.depotName.trimmed(); });
        if (target == complete.end())
            throw RuleError(QStringLiteral("仓库\"%1\"不存在!").arg(entry.depotName));
        *target = entry;
        target->depotName = entry.depotName.trimmed();
    }
    m_db.exec(QStringLiteral("DELETE FROM T_DepotStart WHERE GoodsCode = ?"), {code});
    QSqlQuery insert = m_db.prepare(QStringLiteral(
        "INSERT INTO T_DepotStart (GoodsCode, StartNum, StartPrice, DepotName, startweight, cjtype)"
        " VALUES (?, ?, ?, ?, ?, ?)"));
    for (const OpeningStock &o : complete)
        Database::execPrepared(insert, {code, o.startNum.value_or(0.0), o.startPrice.value_or(0.0), o.depotName,
                                        o.startWeight.value_or(0.0), o.cjtype});
}

MasterCodes Products::codes() const
{
    return MasterCodes(m_db, QStringLiteral("T_Goods"), QStringLiteral("GoodsCode"),
                       QStringLiteral("钢材编码\"%1\"不存在!"));
}

void Products::setDisabled(const QString &code, bool disabled)
{
    codes().setDisabled(code, disabled);
}

void Products::remove(const QString &code)
{
    codes().remove(code);
}

} // namespace kesvar
