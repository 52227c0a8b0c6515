#include "bills/BillTypes.h"

#include "data/Database.h"

namespace kesvar {

namespace BillTypes {

const QString Receipt = QStringLiteral("入库");
const QString Issue = QStringLiteral("出库");
const QString PurchaseReceipt = QStringLiteral("采购入库");
const QString PurchaseReturn = QStringLiteral("采购退货");
const QString SalesDelivery = QStringLiteral("销售出库");
const QString SalesReturn = QStringLiteral("销售退货");
const QString OtherReceipt = QStringLiteral("其它入库");
const QString OtherIssue = QStringLiteral("其它出库");
const QString Transfer = QStringLiteral("仓库调拨");
const QString StockTake = QStringLiteral("仓库盘点");

const QList<BillTypeInfo> &all()
{
    static const QList<BillTypeInfo> types = {
        {PurchaseReceipt, Receipt, QStringLiteral("采购入库"), true},
        {PurchaseReturn, Issue, QStringLiteral("采购退货"), true},
        {SalesDelivery, Issue, QStringLiteral("销售出库"), true},
        {SalesReturn, Receipt, QStringLiteral("销售退货"), true},
        {OtherReceipt, Receipt, QStringLiteral("其他入库"), true},
        {OtherIssue, Issue, QStringLiteral("其他出库"), true},
        {Transfer, Issue, QStringLiteral("仓库调拨"), false},
        {StockTake, Receipt, QStringLiteral("仓库盘点"), false},
    };
    return types;
}

const BillTypeInfo *find(const QString &name)
{
    for (const BillTypeInfo &type : all())
        if (type.name == name)
            return &type;
    return nullptr;
}

int signOf(const QString &direction)
{
    return direction == Receipt ? 1 : -1;
}

Settings settings(const Database &db, const QString &typeName)
{
    const RowSet rows = db.select(QStringLiteral("SELECT BillType, S_Cust FROM Dict_Bill WHERE Name = ?"), {typeName});
    if (rows.isEmpty())
        return {};
    return {rows.value(0, 0).toString().trimmed(), rows.value(0, 1).toBool()};
}

} // namespace BillTypes

int BillTypeInfo::sign() const { return BillTypes::signOf(direction); }
bool BillTypeInfo::isTransfer() const { return name == BillTypes::Transfer; }
bool BillTypeInfo::isStockTake() const { return name == BillTypes::StockTake; }
bool BillTypeInfo::costFromStock() const { return name == BillTypes::SalesDelivery; }

} // namespace kesvar
