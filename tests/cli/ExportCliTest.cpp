#include "CliTestSupport.h"

#include "../core/spreadsheet/XlsxReadBack.h"
#include "app/AppHome.h"
#include "data/Database.h"

#include <gtest/gtest.h>

using kesvar::test::readXlsx;
using kesvar::test::runCli;

TEST(CliExport, WritesAListWithItsGridTitles)
{
    QTemporaryDir dir;
    ASSERT_EQ(runCli(dir.path(), {"init"}).exitCode, 0);
    {
        kesvar::AppHome home(dir.path());
        auto db = home.openDatabase();
        db->exec("INSERT INTO T_Goods (GoodsCode, GoodsName, Dprice, flag) VALUES ('G1', '圆钢', 4200.5, FALSE)");
        db->exec("DELETE FROM T_FieldShow WHERE TableName = 'goods'");
        db->exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize, ShowButton,"
                 " combo, com_table, Color, ShowUp) VALUES ('goods', 'GoodsName', '名称', 0, 80, TRUE, 0, 0, 0, 0, '', '', 0),"
                 " ('goods', 'Dprice', '进价', 1, 80, TRUE, 0, 1, 0, 0, '', '', 0)");
    }
    const QString file = dir.filePath("products.xlsx");
    const auto result = runCli(dir.path(), {"export", "products", file});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const auto sheet = readXlsx(file);
    ASSERT_TRUE(sheet.valid);
    EXPECT_EQ(sheet.text("A1"), QStringLiteral("名称"));
    EXPECT_EQ(sheet.text("B1"), QStringLiteral("进价"));
    EXPECT_EQ(sheet.text("A2"), QStringLiteral("圆钢"));
    EXPECT_EQ(sheet.text("B2"), QStringLiteral("4200.5"));
    EXPECT_EQ(sheet.cells.value("B2").format, QStringLiteral("0.00"));
    EXPECT_EQ(sheet.rowCount(), 2);

    EXPECT_EQ(runCli(dir.path(), {"export", "nothing", file}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"export", "partners", dir.filePath("no/such/folder/x.xlsx")}).exitCode, 2);
}
