#include "CliTestSupport.h"

#include "app/AppHome.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using kesvar::test::runCli;

namespace {

// A data folder with two products.
class BillCli : public ::testing::Test
{
protected:
    void SetUp() override { prepare(QString()); }

    void TearDown() override
    {
        if (pgSchema.isEmpty())
            return;
        auto db = kesvar::AppHome(home).openDatabase();
        db->exec(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(pgSchema));
    }

    // An initialised data folder, on the PostgreSQL server of `pgConnInfo` (a schema of its own) when given.
    void prepare(const QString &pgConnInfo)
    {
        home = dir.filePath(pgConnInfo.isEmpty() ? "k" : "pg");
        if (!pgConnInfo.isEmpty()) {
            kesvar::AppHome created(home);
            kesvar::DatabaseSettings settings = kesvar::DatabaseSettings::fromPostgresConnInfo(pgConnInfo);
            pgSchema = QStringLiteral("kcli_%1").arg(QCoreApplication::applicationPid());
            settings.schema = pgSchema;
            settings.writeTo(created.config());
        }
        ASSERT_EQ(runCli(home, {"init"}).exitCode, 0);
        auto db = kesvar::AppHome(home).openDatabase();
        db->exec("INSERT INTO T_Goods (GoodsCode, GoodsName, GoodsUnit, Units, hxl, Gprice, Dprice, flag)"
                 " VALUES ('LW-18', '螺纹钢', 'Φ18', '根', 0.5, 50, 4000, FALSE),"
                 " ('YG-20', '圆钢', 'Φ20', '根', 0, 30, 3800, FALSE)");
    }

    kesvar::test::CliResult save(const QByteArray &json) { return runCli(home, {"bill", "save", "-"}, json); }

    QJsonObject show(const QString &code)
    {
        const auto result = runCli(home, {"bill", "show", code});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out.toUtf8()).object();
    }

    void saveConcurrently();

    QTemporaryDir dir;
    QString home;
    QString pgSchema;
};

const QByteArray kPurchase = R"({"BillType": "采购入库", "AddDate": "2026-03-05", "CustName": "华东钢贸",
  "DepotName": "一号库", "UserName": "张三", "memo": "首批",
  "lines": [{"GoodsCode": "LW-18", "Cjtype": "数量", "Number": 2.5, "Price": 12.346, "memo": "加急"},
            {"GoodsCode": "YG-20", "Cjtype": "重量", "weight": 1.5}]})";

} // namespace

TEST_F(BillCli, SaveShowEditApproveAndDeleteRoundTrip)
{
    ASSERT_EQ(runCli(home, {"options", "set", "DotPrice=2", "DotNum=0"}).exitCode, 0);
    const auto saved = save(kPurchase);
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const QString code = saved.out.trimmed();
    EXPECT_EQ(code, "CR-2026-03-05-0001");

    QJsonObject bill = show(code);
    EXPECT_EQ(bill["BillType"].toString(), "采购入库");
    EXPECT_EQ(bill["InOrOut"].toString(), "入库");
    EXPECT_EQ(bill["sign"].toInt(), 1);
    EXPECT_EQ(bill["AddDate"].toString(), "2026-03-05");
    EXPECT_EQ(bill["UserName"].toString(), "张三");
    EXPECT_EQ(bill["F_Flag"].toBool(true), false);
    QJsonArray lines = bill["lines"].toArray();
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject first = lines[0].toObject();
    EXPECT_EQ(first["GoodsName"].toString(), "螺纹钢");
    EXPECT_EQ(first["GoodsUnit"].toString(), "Φ18");
    EXPECT_DOUBLE_EQ(first["Price"].toDouble(), 12.35);
    EXPECT_DOUBLE_EQ(first["Number"].toDouble(), 3);
    EXPECT_DOUBLE_EQ(first["cbprice"].toDouble(), 12.35);
    EXPECT_DOUBLE_EQ(first["Money"].toDouble(), 37.05);
    EXPECT_EQ(first["memo"].toString(), "加急");
    // No price given: the list price of the line's basis.
    EXPECT_DOUBLE_EQ(lines[1].toObject()["Price"].toDouble(), 3800);
    EXPECT_DOUBLE_EQ(lines[1].toObject()["Money"].toDouble(), 3800 * 2); // weight 1.5 rounds to 2

    // An edit keeps the number and what it leaves out, and replaces the lines.
    const auto edited = save(R"({"BillCode": "CR-2026-03-05-0001", "CustName": "华北建工",
        "lines": [{"GoodsCode": "YG-20", "Number": 4}]})");
    ASSERT_EQ(edited.exitCode, 0) << edited.err.toStdString();
    EXPECT_EQ(edited.out.trimmed(), code);
    bill = show(code);
    EXPECT_EQ(bill["CustName"].toString(), "华北建工");
    EXPECT_EQ(bill["UserName"].toString(), "张三");
    lines = bill["lines"].toArray();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_DOUBLE_EQ(lines[0].toObject()["Money"].toDouble(), 120);

    EXPECT_EQ(runCli(home, {"bill", "approve", code}).exitCode, 0);
    EXPECT_TRUE(show(code)["F_Flag"].toBool());
    const auto twice = runCli(home, {"bill", "approve", code});
    EXPECT_EQ(twice.exitCode, 1);
    EXPECT_EQ(twice.err.trimmed(), "该单据已经审核！");
    const auto editApproved = save(R"({"BillCode": "CR-2026-03-05-0001", "lines": []})");
    EXPECT_EQ(editApproved.exitCode, 1);
    EXPECT_EQ(editApproved.err.trimmed(), "该单据已经审核！");
    EXPECT_EQ(runCli(home, {"bill", "unapprove", code}).exitCode, 0);
    EXPECT_EQ(runCli(home, {"bill", "unapprove", code}).err.trimmed(), "该单据未经审核！!");

    EXPECT_EQ(runCli(home, {"bill", "delete", code}).exitCode, 0);
    EXPECT_EQ(runCli(home, {"bill", "show", code}).exitCode, 1);
    EXPECT_EQ(save(kPurchase).out.trimmed(), code); // the highest number was freed
}

TEST_F(BillCli, RefusalsAndBadInput)
{
    struct Case { QByteArray json; int exitCode; const char *message; };
    const Case cases[] = {
        {R"({"BillType": "采购入库", "DepotName": "一号库", "lines": []})", 1, "请填写往来单位！"},
        {R"({"BillType": "仓库调拨", "DepotName": "一号库", "CustName": "一号库"})", 1, "调出仓和调入仓不能相同！"},
        {R"({"BillType": "仓库调拨", "DepotName": ""})", 1, "调入仓不能为空！"},
        {R"({"BillType": "销售出库", "CustName": "x"})", 1, "请填写仓库名称！"},
        {R"({"BillType": "销售出库", "CustName": "x", "DepotName": "一号库", "lines": [{"GoodsCode": "NONE"}]})", 1,
         "钢材【NONE】不存在！"},
        {R"({"BillType": "采购入库", "CustName": "x", "DepotName": "a", "AddDate": "5.3.2026"})", 2, nullptr},
        {R"({"BillType": "采购入库", "CustName": "x", "DepotName": "a", "lines": [{"GoodsCode": "LW-18", "Number": "many"}]})",
         2, nullptr},
        {"not json", 2, nullptr},
    };
    for (const Case &c : cases) {
        const auto result = save(c.json);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.json.toStdString();
        if (c.message)
            EXPECT_EQ(result.err.trimmed(), QString::fromUtf8(c.message));
    }
    EXPECT_EQ(runCli(home, {"bill", "delete", "CR-2026-03-05-0001"}).exitCode, 1);
}

void BillCli::saveConcurrently()
{
    constexpr int kProcesses = 4;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < kProcesses; ++i) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(KESVAR_CLI_PATH), {"--home", home, "bill", "save", "-"});
        process->write(kPurchase);
        process->closeWriteChannel();
        processes.push_back(std::move(process));
    }
    QSet<QString> codes;
    for (auto &process : processes) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        codes.insert(QString::fromUtf8(process->readAllStandardOutput()).trimmed());
    }
    EXPECT_EQ(codes.size(), kProcesses);
    for (int i = 1; i <= kProcesses; ++i)
        EXPECT_TRUE(codes.contains(QStringLiteral("CR-2026-03-05-%1").arg(i, 4, 10, QLatin1Char('0'))));
    for (const QString &code : codes)
        EXPECT_EQ(show(code)["lines"].toArray().size(), 2);
}

TEST_F(BillCli, ConcurrentSavesGetDistinctNumbers)
{
    saveConcurrently();
}

TEST_F(BillCli, ConcurrentSavesGetDistinctNumbersOnPostgres)
{
    const QString connInfo = qEnvironmentVariable("KESVAR_TEST_PG");
    if (connInfo.isEmpty())
        GTEST_SKIP() << "set KESVAR_TEST_PG to run on PostgreSQL";
    prepare(connInfo);
    saveConcurrently();
}

TEST(CliInitDemo, FillsASampleCompanyWhoseBillsShow)
{
    QTemporaryDir dir;
    const auto init = runCli(dir.path(), {"init", "--demo"});
    ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
    auto db = kesvar::AppHome(dir.path()).openDatabase();
    const QString code = db->scalar("SELECT MAX(BillCode) FROM T_Bill WHERE BillType = '销售出库'").toString();
    ASSERT_FALSE(code.isEmpty());
    const auto shown = runCli(dir.path(), {"bill", "show", code});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_FALSE(QJsonDocument::fromJson(shown.out.toUtf8()).object()["lines"].toArray().isEmpty());
    EXPECT_EQ(runCli(dir.path(), {"init", "--demo"}).exitCode, 1);
    EXPECT_EQ(runCli(dir.path(), {"init", "--sample"}).exitCode, 2);
}
