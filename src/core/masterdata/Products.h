#pragma once

#include "data/RowSet.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace kesvar {

class Database;
class MasterCodes;

// One steel product (T_Goods). An empty number box is an absent value.
struct Product
{
    QString goodsCode;
    QString barcode; // quick code of the name; built from the name when empty
    QString goodstype;
    QString goodsName;
    QString goodsUnit;
    QString goodscz;
    QString goodscd;
    std::optional<double> dprice;
    QDate ddate;
    std::optional<double> gprice;
    QDate gdate;
    std::optional<double> upnum;
    std::optional<double> downnum;
    QString units;
    std::optional<double> hxl;
    QString goodwz;
    QString memo;
    bool flag = false; // disabled; changed only by setDisabled()

    // What the editor shows for a new product: prices and limits 0, conversion value 1, today.
    static Product newDefaults();
    // The copy a new product starts from when the editor's "复制" is ticked: everything but the
    // code, the quick code and the name.
    Product copyForNew() const;
};

// The opening stock of a product in one warehouse; empty figures are stored as 0.
struct OpeningStock
{
    QString depotName;
    std::optional<double> startNum;
    std::optional<double> startPrice;
    std::optional<double> startWeight;
    QString cjtype;
};

// The product list's search boxes; empty boxes do not filter.
struct ProductSearch
{
    QString goodsCode;  // contained
    QString goodstype;  // equal
    QString barcode;    // contained
    QString goodsUnit;  // contained
    QString goodscz;    // equal
    QString goodscd;    // equal
    QString goodsName;  // contained
    bool disabled = false;
};

// The product master and its opening stock. Every save is one unit of work together with the
// opening-stock replacement and the updates of the bill lines that carry the product.
class Products
{
public:
    explicit Products(Database &db) : m_db(db) {}

    // The list's columns, in this order.
    static const QStringList &columns();

    // Enabled (or disabled) products, newest first.
    RowSet list(bool disabled = false) const;
    RowSet search(const ProductSearch &criteria) const;
    std::optional<Product> find(const QString &code) const;
    static Product fromRow(const RowSet &rows, int row);

    // One entry per warehouse, in warehouse order; figures absent where the product has none.
    QList<OpeningStock> openingStock(const QString &code) const;

    // The editor's checks, in its order; ValidationError names the column to focus.
    void validate(const Product &product, bool adding) const;

    // Adds the product with its opening stock (one row per warehouse; warehouses missing from
    // `opening` get zeros). RuleError/ValidationError when refused, DbError when the store fails.
    void add(const Product &product, const QList<OpeningStock> &opening);
    // Saves the product last loaded under `previousCode`. A changed code moves the opening stock
    // and the bill lines to the new code; the bill lines also take the product's name.
    void update(const QString &previousCode, const Product &product, const QList<OpeningStock> &opening);

    void setDisabled(const QString &code, bool disabled);
    // Deletes the product row only: bill lines and opening stock keep the code.
    void remove(const QString &code);

private:
    MasterCodes codes() const;
    void replaceOpeningStock(const QString &code, const QList<OpeningStock> &opening);

    Database &m_db;
};

} // namespace kesvar
