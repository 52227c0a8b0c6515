#include "CliTestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using kesvar::test::CliResult;
using kesvar::test::runCli;

namespace {

class MasterDataCli : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(runCli(home(), {"init"}).exitCode, 0); }

    QString home() const { return m_dir.path(); }

    CliResult run(const QStringList &args, const QByteArray &input = {}) { return runCli(home(), args, input); }

    QJsonArray json(const QStringList &args)
    {
        const CliResult result = run(QStringList{"--format", "json"} + args);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out.toUtf8()).array();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(MasterDataCli, QuickCodeWarehousesDictionariesAndCompany)
{
    const CliResult code = run({"quickcode", "钢材abc"});
    EXPECT_EQ(code.exitCode, 0);
    EXPECT_EQ(code.out, "GCabc\n");

    EXPECT_EQ(run({"warehouse", "add", "一号库"}).exitCode, 0);
    EXPECT_EQ(run({"warehouse", "add", "O'Neil 库"}).exitCode, 0);
    EXPECT_EQ(run({"warehouse", "rename", "一号库", "总库"}).exitCode, 0);
    EXPECT_EQ(run({"warehouse", "rename", "无此库", "x"}).exitCode, 1);
    EXPECT_EQ(run({"warehouse", "delete", "O'Neil 库"}).exitCode, 0);
    EXPECT_EQ(run({"warehouse", "rename", "x"}).exitCode, 2);
    const QJsonArray warehouses = json({"warehouse", "list"});
    ASSERT_EQ(warehouses.size(), 1);
    EXPECT_EQ(warehouses.at(0).toObject().value("DictName").toString(), "总库");

    EXPECT_EQ(run({"dict", "add", "CD", "鞍钢"}).exitCode, 0);
    const QJsonArray origins = json({"dict", "list", "cd"});
    ASSERT_EQ(origins.size(), 1);
    EXPECT_EQ(origins.at(0).toObject().value("Name").toString(), "鞍钢");

    EXPECT_EQ(run({"company", "set", "company=钢's 贸易", "TEL=123"}).exitCode, 0);
    EXPECT_EQ(run({"company", "set", "Colour=red"}).exitCode, 2);
    const QJsonObject company = json({"company", "show"}).at(0).toObject();
    EXPECT_EQ(company.value("Company").toString(), "钢's 贸易");
    EXPECT_EQ(company.value("Tel").toString(), "123");
}

TEST_F(MasterDataCli, ProductRoundTripWithOpeningStockAndExitCodes)
{
    ASSERT_EQ(run({"warehouse", "add", "一号库"}).exitCode, 0);
    ASSERT_EQ(run({"warehouse", "add", "二号库"}).exitCode, 0);
    const QByteArray product = R"({"goodscode": "A1", "GOODSNAME": "圆钢", "Dprice": 3500.5, "hxl": "2.5",
        "opening": [{"depotname": "二号库", "StartNum": 3, "startweight": 7.5, "StartPrice": 3000, "cjtype": "数量"}]})";
    const CliResult added = run({"product", "add", "-"}, product);
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();

    struct Case { QStringList args; QByteArray input; int exitCode; const char *message; };
    const Case cases[] = {
        {{"product", "add", "-"}, R"({"GoodsCode": "A1 ", "GoodsName": "x"})", 1, "货品编码重复,请换一个货品编码!"},
        {{"product", "add", "-"}, R"({"GoodsCode": "B1"})", 1, "请输入名称！!"},
        {{"product", "add", "-"}, R"({"GoodsCode": "B1", "GoodsName": "x", "Upnum": 1, "downnum": 2})", 1,
         "库存上限不能小于或等于库存下限！!"},
        {{"product", "add", "-"}, R"({"GoodsCode": "B1", "GoodsName": "x", "Upnum": "1.2.3"})", 1, "Upnum必须是数字!"},
        {{"product", "add", "-"}, R"({"GoodsCode": "B1", "GoodsName": "x", "colour": "red"})", 2, nullptr},
        {{"product", "add", "/no/such/file.json"}, {}, 2, nullptr},
        {{"product", "add", "-"}, "not json", 2, nullptr},
        {{"product", "disable", "NOPE"}, {}, 1, nullptr},
    };
    for (const Case &c : cases) {
        const CliResult result = run(c.args, c.input);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.input.toStdString() << result.err.toStdString();
        if (c.message) {
            EXPECT_EQ(result.err.trimmed(), QString::fromUtf8(c.message));
        }
    }

    const CliResult edited = run({"product", "edit", "A1", "-"}, R"({"GoodsCode": "A2", "GoodsName": "螺纹钢"})");
    ASSERT_EQ(edited.exitCode, 0) << edited.err.toStdString();
    QJsonArray list = json({"product", "list"});
    ASSERT_EQ(list.size(), 1);
    const QJsonObject row = list.at(0).toObject();
    EXPECT_EQ(row.value("GoodsCode").toString(), "A2");
    EXPECT_EQ(row.value("barcode").toString(), "LWG");
    EXPECT_EQ(row.value("Dprice").toDouble(), 3500.5);
    EXPECT_EQ(row.value("hxl").toDouble(), 2.5);
    EXPECT_EQ(row.value("flag").toBool(true), false);

    EXPECT_EQ(run({"product", "disable", "A2"}).exitCode, 0);
    EXPECT_TRUE(json({"product", "list"}).isEmpty());
    EXPECT_EQ(json({"product", "list", "--disabled"}).size(), 1);
    EXPECT_EQ(run({"product", "enable", "A2"}).exitCode, 0);
    EXPECT_EQ(run({"product", "delete", "A2"}).exitCode, 0);
    EXPECT_TRUE(json({"product", "list"}).isEmpty());
}

TEST_F(MasterDataCli, PartnerRoundTrip)
{
    const CliResult added = run({"partner", "add", "-"},
                                R"({"custcode": "C1", "CustName": "首钢's", "gys": true, "Memo": "备注"})");
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    const CliResult dup = run({"partner", "add", "-"}, R"({"CustCode": "C1 ", "CustName": "x"})");
    EXPECT_EQ(dup.exitCode, 1);
    EXPECT_EQ(dup.err.trimmed(), "往来单位编码重复,请换一个编码!");
    EXPECT_EQ(run({"partner", "add", "-"}, R"({"CustCode": "C2"})").err.trimmed(), "请输入往来单位名称！!");

    ASSERT_EQ(run({"partner", "edit", "C1", "-"}, R"({"CustCode": "C9"})").exitCode, 0);
    const QJsonObject row = json({"partner", "list"}).at(0).toObject();
    EXPECT_EQ(row.value("CustCode").toString(), "C9");
    EXPECT_EQ(row.value("barCode").toString(), "SG's");
    EXPECT_EQ(row.value("gys").toBool(), true);
    EXPECT_EQ(row.value("Memo").toString(), "备注");

    // A code given as a JSON number keeps every digit.
    ASSERT_EQ(run({"partner", "add", "-"}, R"({"CustCode": 12345678, "CustName": "数字"})").exitCode, 0);
    EXPECT_EQ(json({"partner", "list"}).at(0).toObject().value("CustCode").toString(), "12345678");

    EXPECT_EQ(run({"partner", "disable", "C9"}).exitCode, 0);
    EXPECT_EQ(json({"partner", "list", "--disabled"}).size(), 1);
    EXPECT_EQ(run({"partner", "delete", "C9"}).exitCode, 0);
    EXPECT_EQ(run({"partner", "delete", "C9"}).exitCode, 1);
}
