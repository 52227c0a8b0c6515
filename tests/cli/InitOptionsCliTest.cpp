#include "CliTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using kesvar::test::runCli;

TEST(CliInit, CreatesTheDataFolderAndRefusesASecondTime)
{
    QTemporaryDir dir;
    const QString home = dir.filePath("k");
    const auto first = runCli(home, {"init"});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(QDir(home).filePath("Config.ini")));
    EXPECT_TRUE(QFileInfo::exists(QDir(home).filePath("DataBase/Kesvar.db")));

    const auto second = runCli(home, {"init"});
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_FALSE(second.err.trimmed().isEmpty());
}

TEST(CliOptions, ShowsAndSetsTheOptionsRow)
{
    QTemporaryDir dir;
    ASSERT_EQ(runCli(dir.path(), {"init"}).exitCode, 0);

    const auto csv = runCli(dir.path(), {"options", "show"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_TRUE(csv.out.startsWith("SoftName,DotPrice,DotNum,DotMon,Cost\r\n")) << csv.out.toStdString();

    struct Case { QStringList args; int exitCode; };
    const Case cases[] = {
        {{"options", "set", "DotPrice=4", "Cost=先进先出"}, 0},
        {{"options", "set", "DotPrice=x"}, 1},
        {{"options", "set", "DotMon=10"}, 1},
        {{"options", "set", "Colour=red"}, 2},
        {{"options", "set", "DotNum"}, 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(runCli(dir.path(), c.args).exitCode, c.exitCode) << c.args.join(' ').toStdString();

    const auto json = runCli(dir.path(), {"--format", "json", "options", "show"});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 1);
    const QJsonObject row = rows.first().toObject();
    EXPECT_EQ(row.value("DotPrice").toInt(), 4);
    EXPECT_EQ(row.value("DotMon").toInt(), 2);
    EXPECT_EQ(row.value("Cost").toString(), QStringLiteral("先进先出"));
}

TEST(CliCommands, MissingDatabaseAndUnknownCommands)
{
    QTemporaryDir dir;
    EXPECT_EQ(runCli(dir.path(), {"options", "show"}).exitCode, 3);
    EXPECT_EQ(runCli(dir.path(), {"no-such-command"}).exitCode, 2);
}
