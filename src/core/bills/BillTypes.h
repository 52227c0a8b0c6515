#pragma once

#include <QList>
#include <QString>

namespace kesvar {

class Database;

// The eight fixed bill types. The name is stored verbatim in every bill, in the price memory and in
// Dict_Bill; everything else about a type follows from this table.
struct BillTypeInfo
{
    QString name;        // "采购入库" …, stored in T_Bill.BillType
    QString direction;   // "入库" or "出库", stored in T_Bill.InOrOut
    QString menuCaption; // the main-menu item that opens it ("其他入库" opens "其它入库")
    bool partnerRequired = true;

    int sign() const;
    bool isTransfer() const;
    bool isStockTake() const;
    // Only a sales delivery takes its lines' cost price from stock; every other type costs at price.
    bool costFromStock() const;
};

namespace BillTypes {

extern const QString Receipt;  // "入库"
extern const QString Issue;    // "出库"
extern const QString PurchaseReceipt, PurchaseReturn, SalesDelivery, SalesReturn, OtherReceipt, OtherIssue,
    Transfer, StockTake;

// In menu order.
const QList<BillTypeInfo> &all();
// The type of that name, or nullptr for a name that is none of the eight.
const BillTypeInfo *find(const QString &name);
// +1 for "入库", -1 for "出库" (any other text counts as an issue, as the header stores it).
int signOf(const QString &direction);

// The type's row of Dict_Bill: the two-character number prefix and whether the bill window shows
// the partner field. A missing row gives an empty prefix and a hidden partner field.
struct Settings
{
    QString prefix;
    bool showsPartner = false;
};
Settings settings(const Database &db, const QString &typeName);

} // namespace BillTypes
} // namespace kesvar
