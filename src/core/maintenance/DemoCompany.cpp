#include "maintenance/DemoCompany.h"

#include "bills/BillActions.h"
#include "bills/BillEntry.h"
#include "bills/BillTypes.h"
#include "data/Database.h"
#include "data/Decimal.h"
#include "data/Transaction.h"
#include "maintenance/Options.h"

#include <QRandomGenerator>

#include <cmath>
#include <iterator>

namespace kesvar {

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

const char *const kWarehouses[] = {"一号库", "二号库", "东郊货场"};

struct DictionarySeed
{
    const char *type;
    std::initializer_list<const char *> names;
};

const DictionarySeed kDictionaries[] = {
    {"unit", {"根", "支", "张", "件", "吨"}},
    {"worker", {"张伟", "李娜", "王强", "刘洋", "陈静"}},
    {"SKtype", {"现金", "银行转账", "承兑汇票", "月结"}},
    {"Ystype", {"汽运", "铁运", "船运", "客户自提"}},
    {"gz", {"HRB400", "HRB400E", "HRB500", "Q235B", "Q345B", "Q355B", "SS400"}},
    {"FPtype", {"增值税专用发票", "增值税普通发票", "不开票"}},
    {"cz", {"热轧带肋钢筋", "碳素结构钢", "低合金高强度钢", "优质碳素钢", "冷轧板"}},
    {"CD", {"鞍钢", "宝钢", "首钢", "沙钢", "马钢", "河钢", "日钢"}},
};

struct ProductSeed
{
    const char *code, *name, *spec, *unit, *grade, *material, *origin, *location;
    double tonPrice;   // 最新吨价
    double pieceRatio; // tons per counted unit
    double upper, lower;
};

const ProductSeed kProducts[] = {
    {"LW-12", "螺纹钢", "Φ12×9m", "支", "HRB400E", "热轧带肋钢筋", "沙钢", "一号库A区", 3780, 0.0080, 12000, 1500},
    {"LW-18", "螺纹钢", "Φ18×12m", "支", "HRB400E", "热轧带肋钢筋", "沙钢", "一号库A区", 3720, 0.0240, 6000, 800},
    {"LW-25", "螺纹钢", "Φ25×12m", "支", "HRB400", "热轧带肋钢筋", "首钢", "一号库A区", 3700, 0.0462, 3000, 400},
    {"PL-8", "盘螺", "Φ8", "件", "HRB400E", "热轧带肋钢筋", "河钢", "一号库B区", 3850, 2.0000, 120, 10},
    {"YG-20", "圆钢", "Φ20×6m", "支", "Q235B", "碳素结构钢", "马钢", "一号库B区", 3900, 0.0148, 4000, 300},
    {"JG-50", "角钢", "50×50×5", "支", "Q235B", "碳素结构钢", "日钢", "二号库", 4050, 0.0226, 3000, 300},
    {"CG-10", "槽钢", "10#", "支", "Q235B", "碳素结构钢", "马钢", "二号库", 4100, 0.0600, 1500, 150},
    {"GZG-20", "工字钢", "20a", "支", "Q235B", "碳素结构钢", "马钢", "二号库", 4150, 0.1674, 600, 60},
    {"HG-200", "H型钢", "200×200×8×12", "支", "Q345B", "低合金高强度钢", "马钢", "东郊货场", 4200, 0.5975, 300, 30},
    {"GB-10", "钢板", "10×2000×8000", "张", "Q345B", "低合金高强度钢", "鞍钢", "东郊货场", 4300, 1.2560, 200, 20},
    {"GB-20", "钢板", "20×2200×10000", "张", "Q355B", "低合金高强度钢", "宝钢", "东郊货场", 4450, 3.4540, 100, 10},
    {"LZB-1", "冷轧板", "1.0×1250×2500", "张", "SS400", "冷轧板", "宝钢", "二号库", 4950, 0.0245, 2000, 200},
    {"FG-50", "方管", "50×50×2.5×6m", "支", "Q235B", "碳素结构钢", "首钢", "二号库", 4600, 0.0216, 2500, 250},
};

struct PartnerSeed
{
    const char *code, *name, *quick, *contact, *tel, *address;
    bool supplier, customer;
};

const PartnerSeed kPartners[] = {
    {"G001", "江苏沙钢物资贸易有限公司", "JSSGWZMYYXGS", "周建国", "0512-58561234", "江苏省张家港市锦丰镇", true, false},
    {"G002", "上海宝钢钢材贸易有限公司", "SHBGGCMYYXGS", "沈丽", "021-26641888", "上海市宝山区牡丹江路", true, false},
    {"G003", "鞍钢股份有限公司销售公司", "AGGFYXGSXSGS", "赵明", "0412-6723456", "辽宁省鞍山市铁西区", true, false},
    {"G004", "马鞍山钢铁物流有限公司", "MASGTWLYXGS", "孙红", "0555-2881234", "安徽省马鞍山市雨山区", true, false},
    {"K001", "华东建工集团有限公司", "HDJGJTYXGS", "钱伟", "0571-86012345", "浙江省杭州市滨江区", false, true},
    {"K002", "远大钢结构工程有限公司", "YDGJGGCYXGS", "吴磊", "0731-84561234", "湖南省长沙市雨花区", false, true},
    {"K003", "城建路桥工程有限公司", "CJLQGCYXGS", "郑芳", "025-83216789", "江苏省南京市江宁区", false, true},
    {"K004", "宏达机械制造有限公司", "HDJXZZYXGS", "王海", "0510-82345678", "江苏省无锡市惠山区", false, true},
    {"K005", "新华五金加工厂", "XHWJJGC", "李强", "13905161234", "江苏省苏州市吴中区", true, true},
};

double piecePrice(const ProductSeed &p) { return Decimal::round(p.tonPrice * p.pieceRatio, 2); }

} // namespace

void DemoCompany::fill(const QDate &today)
{
    Transaction tx(m_db);
    addMasterData();
    addBills(today);
    tx.commit();
}

void DemoCompany::addMasterData()
{
    QSqlQuery warehouse = m_db.prepare(
        QStringLiteral("INSERT INTO T_DepotName (DictName, DictType) VALUES (?, 'DepotName')"));
    for (const char *name : kWarehouses)
        Database::execPrepared(warehouse, {u(name)});

    QSqlQuery entry = m_db.prepare(QStringLiteral("INSERT INTO T_Other (Name, Type) VALUES (?, ?)"));
    for (const DictionarySeed &d : kDictionaries)
        for (const char *name : d.names)
            Database::execPrepared(entry, {u(name), QString::fromLatin1(d.type)});

    QSqlQuery product = m_db.prepare(QStringLiteral(
        "INSERT INTO T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, barcode, goodstype, goodscz, goodscd, Dprice,"
        " Gprice, Ddate, Gdate, Upnum, downnum, hxl, Goodwz, memo, flag)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', FALSE)"));
    QSqlQuery opening = m_db.prepare(QStringLiteral(
        "INSERT INTO T_DepotStart (GoodsCode, DepotName, StartNum, startweight, StartPrice, cjtype)"
        " VALUES (?, ?, ?, ?, ?, ?)"));
    const QDate priceDate = QDate::currentDate().addDays(-100);
    static const char *const kQuickCodes[] = {"LWG", "LWG", "LWG", "PL", "YG", "JG", "CG", "GZG", "HXG", "GB", "GB",
                                              "LZB", "FG"};
    int i = 0;
    for (const ProductSeed &p : kProducts) {
        Database::execPrepared(product, {
            QString::fromLatin1(p.code), u(p.name), u(p.spec), u(p.unit), QString::fromLatin1(kQuickCodes[i]),
            QString::fromLatin1(p.grade), u(p.material), u(p.origin), p.tonPrice, piecePrice(p), priceDate, priceDate,
            p.upper, p.lower, p.pieceRatio, u(p.location)});
        // Opening stock in the product's own warehouse, priced per ton a little below today's price.
        const QString depot = u(kWarehouses[i % 3]);
        const double count = std::max(std::round(p.upper * 0.3), std::ceil(80 / p.pieceRatio));
        Database::execPrepared(opening, {QString::fromLatin1(p.code), depot, count,
                                         Decimal::round(count * p.pieceRatio, 3), p.tonPrice - 80, u("重量")});
        ++i;
    }

    QSqlQuery partner = m_db.prepare(QStringLiteral(
        "INSERT INTO T_Custom (CustCode, CustName, barCode, Contact, Tel, Address, CustType, gys, kh, flag)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, FALSE)"));
    for (const PartnerSeed &p : kPartners)
        Database::execPrepared(partner, {
            QString::fromLatin1(p.code), u(p.name), QString::fromLatin1(p.quick), u(p.contact), QString::fromLatin1(p.tel),
            u(p.address), p.supplier && p.customer ? u("供应商/客户") : p.supplier ? u("供应商") : u("客户"),
            p.supplier, p.customer});
}

void DemoCompany::addBills(const QDate &today)
{
    const SoftInfo options = Options(m_db).load();
    BillEntry entry(m_db, options.dotPrice, options.dotNum);
    BillActions actions(m_db, options.dotPrice, options.dotNum);
    QRandomGenerator random(20260101);

    const QStringList suppliers{u(kPartners[0].name), u(kPartners[1].name), u(kPartners[2].name), u(kPartners[3].name),
                                u(kPartners[8].name)};
    const QStringList customers{u(kPartners[4].name), u(kPartners[5].name), u(kPartners[6].name), u(kPartners[7].name),
                                u(kPartners[8].name)};
    const QStringList workers{u("张伟"), u("李娜"), u("王强"), u("刘洋")};
    const QStringList transports{u("汽运"), u("铁运"), u("客户自提")};
    const QStringList invoices{u("增值税专用发票"), u("增值税普通发票")};
    constexpr int kProductCount = int(std::size(kProducts));

    // The type of the bill entered on each working day, in a plausible mix.
    struct Plan { const QString &type; int weight; };
    const Plan plans[] = {
        {BillTypes::PurchaseReceipt, 10}, {BillTypes::SalesDelivery, 16}, {BillTypes::PurchaseReturn, 1},
        {BillTypes::SalesReturn, 1}, {BillTypes::OtherReceipt, 1}, {BillTypes::OtherIssue, 1},
        {BillTypes::Transfer, 2}, {BillTypes::StockTake, 1},
    };
    int totalWeight = 0;
    for (const Plan &p : plans)
        totalWeight += p.weight;

    auto pick = [&](const QStringList &list) { return list.at(int(random.bounded(int(list.size())))); };
    auto billOfType = [&](const QString &type, const QDate &date) {
        BillRequest request;
        BillHeader &h = request.header;
        h.billType = type;
        h.addDate = date;
        h.depotName = u(kWarehouses[random.bounded(3)]);
        h.maker = u("Admin");
        h.userName = pick(workers);
        h.ystype = pick(transports);
        if (type.startsWith(u("采购")))
            h.custName = pick(suppliers);
        else if (type.startsWith(u("销售")))
            h.custName = pick(customers);
        else if (type == BillTypes::OtherReceipt || type == BillTypes::OtherIssue)
            h.custName = u("内部调整");
        else if (type == BillTypes::Transfer)
            h.custName = h.depotName == u(kWarehouses[0]) ? u(kWarehouses[1]) : u(kWarehouses[0]);
        if (!h.custName.isEmpty() && type != BillTypes::Transfer)
            h.fptype = pick(invoices);

        const int lineCount = 1 + int(random.bounded(type == BillTypes::SalesDelivery ? 5 : 4));
        QList<int> used;
        for (int l = 0; l < lineCount; ++l) {
            const int index = int(random.bounded(kProductCount));
            if (used.contains(index))
                continue;
            used << index;
            const ProductSeed &p = kProducts[index];
            LineRequest line;
            line.goodsCode = QString::fromLatin1(p.code);
            const double tons = type == BillTypes::PurchaseReceipt ? 10 + random.bounded(30)
                              : type == BillTypes::SalesDelivery   ? 3 + random.bounded(17)
                                                                   : 1 + random.bounded(4);
            line.number = std::max(1.0, std::round(tons / p.pieceRatio));
            line.weight = Decimal::round(line.number * p.pieceRatio, 3);
            line.cjtype = u("重量");
            const double markup = type.startsWith(u("销售")) ? 120 + random.bounded(100) : -60 + random.bounded(80);
            if (type != BillTypes::Transfer && type != BillTypes::StockTake)
                line.price = p.tonPrice + markup;
            request.lines.append(line);
        }
        return request;
    };

    const QDate first = today.addDays(-90);
    int entered = 0;
    for (QDate date = first; date <= today; date = date.addDays(1)) {
        if (date.dayOfWeek() == 7)
            continue; // closed on Sundays
        const int billsToday = 1 + int(random.bounded(2));
        for (int b = 0; b < billsToday; ++b, ++entered) {
            int roll = int(random.bounded(totalWeight));
            // The first days bring one bill of every type, so each bill window has something to show.
            const QString *type = entered < int(std::size(plans)) ? &plans[entered].type : &plans[0].type;
            for (const Plan &p : plans) {
                if (entered < int(std::size(plans)))
                    break;
                if (roll < p.weight) {
                    type = &p.type;
                    break;
                }
                roll -= p.weight;
            }
            const SaveOutcome saved = entry.save(billOfType(*type, date), date);
            // Bills older than two weeks have been checked.
            if (date < today.addDays(-14))
                actions.setApproved(saved.bill.header.billCode, true);
        }
    }
}

} // namespace kesvar
