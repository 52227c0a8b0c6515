#include "bills/BillEntry.h"

#include "bills/BillLineFactory.h"
#include "bills/BillNumbering.h"
#include "bills/BillProduct.h"
#include "bills/BillTypes.h"
#include "data/Database.h"

namespace kesvar {

QString BillEntry::unknownProductMessage(const QString &goodsCode)
{
    return QStringLiteral("钢材【%1】不存在！").arg(goodsCode);
}

SaveOutcome BillEntry::save(const BillRequest &request, const QDate &today)
{
    const BillTypeInfo *type = BillTypes::find(request.header.billType);
    if (!type)
        throw RuleError(QStringLiteral("单据类型【%1】不存在！").arg(request.header.billType));
    BillActions actions(m_db, m_pricePlaces, m_quantityPlaces);

    Bill bill;
    bill.header = request.header;
    bill.header.inOrOut = type->direction;
    if (!bill.header.addDate.isValid())
        bill.header.addDate = today;
    const bool isNew = bill.header.billCode.trimmed().isEmpty();
    BillActions::validate(bill.header);
    if (!isNew)
        actions.requireEditable(bill.header.billCode.trimmed());

    const QString partner = type->isTransfer() ? QString() : bill.header.custName;
    for (const LineRequest &l : request.lines) {
        const std::optional<BillProduct> product = BillProducts::find(m_db, l.goodsCode);
        if (!product)
            throw RuleError(unknownProductMessage(l.goodsCode));
        const QString cjtype = l.cjtype.isEmpty() ? BillLine::ByCount : l.cjtype;
        BillLine line = BillLineFactory::newLine(m_db, *product, type->name, partner, cjtype);
        if (l.price) {
            line.setPrice(*l.price);
            if (!type->costFromStock())
                line.cbprice = *l.price;
        }
        line.setNumber(l.number);
        line.setWeight(l.weight);
        line.memo = l.memo;
        bill.lines.append(line);
    }

    if (isNew) {
        const QString prefix = BillTypes::settings(m_db, type->name).prefix;
        bill.header.billCode = BillNumbering::NewBillCode(m_db, prefix, bill.header.addDate);
    }
    return actions.save(bill, isNew, today);
}

} // namespace kesvar
