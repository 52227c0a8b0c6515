// Saving a 20-line bill into a SQLite database that already holds one million bill lines.
// The large database is generated once and cached in the temporary folder; each run works on a copy.

#include "QtBenchmarkMain.h"

#include "bills/BillActions.h"
#include "bills/BillEntry.h"
#include "bills/BillNumbering.h"
#include "bills/BillTypes.h"
#include "data/Database.h"
#include "data/DatabaseSettings.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace kesvar;

namespace {

constexpr int kProducts = 500;
constexpr int kLinesPerBill = 20;
constexpr int kBills = 50000; // one million lines
const QDate kLastDay(2026, 12, 11);

const QString kCacheFolder = QDir::tempPath() + QStringLiteral("/kesvar-bench-bills-1m");
const QString kWorkFolder = QDir::tempPath() + QStringLiteral("/kesvar-bench-bills-work");

DatabaseSettings sqliteSettings()
{
    DatabaseSettings settings;
    settings.engine = DbEngine::Sqlite;
    settings.file = QStringLiteral("DataBase/Kesvar.db");
    return settings;
}

QString productCode(int i) { return QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')); }

void generate(Database &db)
{
    Transaction tx(db);
    QSqlQuery product = db.prepare(QStringLiteral(
        "INSERT INTO T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, goodstype, goodscz, goodscd, Dprice, Gprice, hxl,"
        " flag) VALUES (?, ?, ?, '支', 'HRB400', '热轧带肋钢筋', '沙钢', ?, ?, ?, FALSE)"));
    for (int i = 0; i < kProducts; ++i)
        Database::execPrepared(product, {productCode(i), QStringLiteral("螺纹钢"), QStringLiteral("Φ%1").arg(10 + i % 30),
                                         3700.0 + i, 80.0 + i % 50, 0.02 + (i % 40) * 0.001});

    QSqlQuery header = db.prepare(QStringLiteral(
        "INSERT INTO T_Bill (BillCode, DepotName, CustName, BillType, AddDate, InOrOut, Maker, sign, F_Flag, diaobo)"
        " VALUES (?, '一号库', ?, ?, ?, ?, 'Admin', ?, FALSE, FALSE)"));
    QSqlQuery line = db.prepare(QStringLiteral(
        "INSERT INTO T_BillDetail (BillCode, GoodsCode, GoodsName, GoodsUnit, Units, Number, Price, Money, weight,"
        " Cjtype, hxl, cbprice) VALUES (?, ?, '螺纹钢', 'Φ18', '支', ?, ?, ?, ?, '重量', 0.024, ?)"));
    QRandomGenerator random(7);
    QHash<QString, int> sequence;
    const QString purchase = BillTypes::PurchaseReceipt, sales = BillTypes::SalesDelivery;
    for (int b = 0; b < kBills; ++b) {
        const bool isSale = b % 5 >= 2;
        const QDate date = kLastDay.addDays(-int(random.bounded(3650)));
        const QString stem = BillNumbering::stem(isSale ? QStringLiteral("XC") : QStringLiteral("CR"), date);
        const QString code = stem + QLatin1Char('-') + BillNumbering::PadSequence(QString::number(++sequence[stem]));
        Database::execPrepared(header, {code, QStringLiteral("客户%1").arg(b % 100), isSale ? sales : purchase, date,
                                        isSale ? BillTypes::Issue : BillTypes::Receipt, isSale ? -1 : 1});
        for (int l = 0; l < kLinesPerBill; ++l) {
            const double weight = 1 + random.bounded(20);
            const double price = 3700 + random.bounded(400);
            Database::execPrepared(line, {code, productCode(int(random.bounded(kProducts))), std::round(weight / 0.024),
                                          price, price * weight, weight, price});
        }
    }
    tx.commit();
}

// A fresh copy of the cached million-line database, generated first when missing.
std::unique_ptr<Database> openWorkingCopy()
{
    const QString cacheFile = sqliteSettings().sqliteFilePath(kCacheFolder);
    if (!QFile::exists(cacheFile)) {
        std::fprintf(stderr, "generating %d bill lines in %s ...\n", kBills * kLinesPerBill, qPrintable(cacheFile));
        QDir(kCacheFolder).removeRecursively();
        {
            auto db = Database::open(sqliteSettings(), kCacheFolder);
            generate(*db);
            db->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
    }
    QDir(kWorkFolder).removeRecursively();
    QDir().mkpath(kWorkFolder + QStringLiteral("/DataBase"));
    QFile::copy(cacheFile, sqliteSettings().sqliteFilePath(kWorkFolder));
    return Database::open(sqliteSettings(), kWorkFolder);
}

Database &workingDatabase()
{
    static std::unique_ptr<Database> db = openWorkingCopy();
    return *db;
}

// What the bill window hands to the save: number issued at Add, lines already completed.
void BM_SaveBillOf20Lines(benchmark::State &state)
{
    Database &db = workingDatabase();
    BillActions actions(db, 2, 3);
    QDate day = kLastDay.addDays(1);
    int onThisDay = 0;
    for (auto _ : state) {
        if (++onThisDay > 5000) { // stay below the daily limit of numbers
            day = day.addDays(1);
            onThisDay = 1;
        }
        Bill bill;
        bill.header.billType = BillTypes::PurchaseReceipt;
        bill.header.inOrOut = BillTypes::Receipt;
        bill.header.addDate = day;
        bill.header.custName = QStringLiteral("江苏沙钢物资贸易有限公司");
        bill.header.depotName = QStringLiteral("一号库");
        bill.header.maker = QStringLiteral("Admin");
        for (int l = 0; l < kLinesPerBill; ++l) {
            BillLine line;
            line.goodsCode = productCode((onThisDay * 37 + l) % kProducts);
            line.goodsName = QStringLiteral("螺纹钢");
            line.setStoredValues(BillLine::ByWeight, 100 + l, 2.4 + l, 3712.345, 0);
            line.setPrice(3712.345);
            line.cbprice = line.price();
            bill.lines.append(line);
        }
        bill.header.billCode = BillNumbering::NewBillCode(db, QStringLiteral("CR"), day);
        benchmark::DoNotOptimize(actions.save(bill, true));
    }
}
BENCHMARK(BM_SaveBillOf20Lines)->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(5)->UseRealTime();

// The same through the entry path of the command line: each sales line looks up its product, its
// remembered price and its stock cost over the product's movements.
void BM_EnterSalesBillOf20Lines(benchmark::State &state)
{
    Database &db = workingDatabase();
    BillEntry entry(db, 2, 3);
    int n = 0;
    for (auto _ : state) {
        ++n;
        BillRequest request;
        request.header.billType = BillTypes::SalesDelivery;
        request.header.addDate = kLastDay.addDays(400 + n / 5000);
        request.header.custName = QStringLiteral("客户%1").arg(n % 100);
        request.header.depotName = QStringLiteral("一号库");
        for (int l = 0; l < kLinesPerBill; ++l) {
            LineRequest line;
            line.goodsCode = productCode((n * 53 + l) % kProducts);
            line.cjtype = BillLine::ByWeight;
            line.weight = 1.5;
            request.lines.append(line);
        }
        benchmark::DoNotOptimize(entry.save(request, request.header.addDate));
    }
}
BENCHMARK(BM_EnterSalesBillOf20Lines)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->UseRealTime();

} // namespace

KESVAR_QT_BENCHMARK_MAIN()
