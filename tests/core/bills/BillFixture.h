#pragma once

#include "TestDatabase.h"

#include "bills/Bill.h"
#include "bills/BillActions.h"
#include "bills/BillNumbering.h"
#include "bills/BillProduct.h"
#include "bills/BillTypes.h"
#include "data/Database.h"

#include <optional>

namespace kesvar::test {

// A seeded database with a few products and helpers to save bills the way the bill window does.
class BillTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        addProduct("LW-18", "螺纹钢", 0.5, 50, 4000);
        addProduct("YG-20", "圆钢", 0, 30, 3800);
    }

    void addProduct(const QString &code, const QString &name, std::optional<double> hxl, double gprice, double dprice)
    {
        db().exec("INSERT INTO T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, goodscz, goodscd, hxl, Gprice, Dprice,"
                  " flag) VALUES (?, ?, 'Φ18', '根', 'HRB400', '沙钢', ?, ?, ?, FALSE)",
                  {code, name, hxl ? QVariant(*hxl) : QVariant(QMetaType(QMetaType::Double)), gprice, dprice});
    }

    BillProduct product(const QString &code) { return *BillProducts::find(db(), code); }

    static BillHeader header(const QString &type, const QString &partner = QStringLiteral("华东钢贸"),
                             const QDate &date = QDate(2026, 3, 5))
    {
        BillHeader h;
        h.billType = type;
        h.inOrOut = BillTypes::find(type)->direction;
        h.addDate = date;
        h.custName = partner;
        h.depotName = QStringLiteral("一号库");
        h.maker = QStringLiteral("Admin");
        return h;
    }

    BillLine line(const QString &code, const QString &cjtype, double number, double weight, double price)
    {
        BillLine l = BillLine::forProduct(product(code));
        l.setStoredValues(cjtype, number, weight, price, 0);
        l.setPrice(price);
        l.cbprice = price;
        return l;
    }

    // Saves a new bill numbered as Add would number it.
    SaveOutcome saveNew(Bill bill, int pricePlaces = 2, int quantityPlaces = 3)
    {
        const QString prefix = BillTypes::settings(db(), bill.header.billType).prefix;
        bill.header.billCode = BillNumbering::NewBillCode(db(), prefix, bill.header.addDate);
        return BillActions(db(), pricePlaces, quantityPlaces).save(bill, true);
    }
};

} // namespace kesvar::test
