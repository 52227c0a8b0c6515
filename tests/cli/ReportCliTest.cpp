#include "CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using kesvar::test::runCli;

TEST(CliCapitals, PrintsTheAmountAsBillsDo)
{
    QTemporaryDir dir;
    struct Case { const char *amount; int exitCode; const char *out; };
    const Case cases[] = {
        {"1234.5", 0, "人民币壹仟贰佰叁拾肆元伍角\n"},
        {"-5", 0, "-人民币伍元整\n"},
        {"0", 0, "人民币元整\n"},
        {"abc", 2, ""},
    };
    for (const Case &c : cases) {
        const auto result = runCli(dir.path(), {"capitals", c.amount});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.amount;
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << c.amount;
    }
    EXPECT_EQ(runCli(dir.path(), {"capitals"}).exitCode, 2);
}

TEST(CliPrint, WritesPdfFilesOfBillsAndLists)
{
    QTemporaryDir dir;
    const QString home = dir.filePath("home");
    ASSERT_EQ(runCli(home, {"init"}).exitCode, 0);
    {
        // A bill written straight into the tables: printing reads whatever was saved.
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "cli-print");
        db.setDatabaseName(QDir(home).filePath("DataBase/Kesvar.db"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("insert into T_Bill (BillCode, BillType, CustName, DepotName, Maker, sign)"
                           " values ('XC-1', '销售出库', '华东钢铁', '一号库', '张三', -1)"));
        ASSERT_TRUE(q.exec("insert into T_BillDetail (BillCode, GoodsCode, GoodsName, Number, weight, Price, Money)"
                           " values ('XC-1', 'A1', '螺纹钢', 2, 1.5, 4000, 6000)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("cli-print");

    // Scripts read standard error for the system's messages: a print that succeeds writes none, also
    // where no runtime directory is set (as under cron).
    qunsetenv("XDG_RUNTIME_DIR");
    struct Case { QStringList args; int exitCode; };
    const QString pdf = dir.filePath("out.pdf");
    const Case cases[] = {
        {{"print", "bill", "XC-1", "--pdf", pdf}, 0},
        {{"print", "products", "--pdf", pdf}, 0},
        {{"print", "partners", "--pdf=" + pdf}, 0},
        {{"print", "bill", "NO-SUCH", "--pdf", pdf}, 1},
        {{"print", "bill", "XC-1"}, 2},
        {{"print", "stock", "--pdf", pdf}, 2},
        {{"print", "bill", "XC-1", "--pdf", dir.filePath("no/such/dir/x.pdf")}, 2},
    };
    for (const Case &c : cases) {
        QFile::remove(pdf);
        const auto result = runCli(home, c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.join(' ').toStdString() << result.err.toStdString();
        if (c.exitCode == 0) {
            EXPECT_EQ(result.err, QString()) << c.args.join(' ').toStdString();
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.args.join(' ').toStdString();
            const QByteArray content = file.readAll();
            EXPECT_TRUE(content.startsWith("%PDF"));
            EXPECT_TRUE(content.contains("NotoSerifCJK") || content.contains("NotoSansCJK"));
        }
    }
}
