#include "TestDatabase.h"

#include "data/DbError.h"
#include "grid/GridExport.h"

using namespace kesvar;
using kesvar::test::DatabaseTest;

TEST(GridExport, FileNamesWithoutXlsGetXlsx)
{
    struct Case
    {
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {"/tmp/库存", "/tmp/库存.xlsx"},
        {"  /tmp/a.xlsx ", "/tmp/a.xlsx"},
        {"/tmp/a.xls", "/tmp/a.xls"},
        {"/tmp/a.xls.bak", "/tmp/a.xls.bak"}, // contains ".xls" anywhere
        {"/tmp/A.XLSX", "/tmp/A.XLSX.xlsx"},  // the comparison is exact
    };
    for (const Case &c : cases)
        EXPECT_EQ(GridExport::completeFileName(c.typed), c.expected) << c.typed.toStdString();
}

TEST(GridExport, RefusalsAndQuestionUseTheSystemTexts)
{
    auto refusal = [](bool loaded, int rows) {
        try {
            GridExport::checkExportable(loaded, rows);
        } catch (const RuleError &e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(refusal(false, 0), QStringLiteral("数据没有显示不能导出成Excel文件!"));
    EXPECT_EQ(refusal(true, 0), QStringLiteral("没有数据,不能导出成Excel文件!"));
    EXPECT_EQ(refusal(true, 1), QString());
    EXPECT_EQ(GridExport::openFileQuestion("/tmp/a.xlsx"), QStringLiteral("文件\"/tmp/a.xlsx已建立，是否打开文件？\"吗?"));
}

TEST(GridExport, SheetHoldsShownColumnsRowsInShownOrderAndFooterSums)
{
    RowSet rows({"GoodsName", "Number", "Money", "Extra"});
    rows.appendRow({"圆钢", 5, 10.004, "x"});
    rows.appendRow({"角钢", 2.5, QStringLiteral("1.5"), "y"});
    SoftInfo options;
    options.dotNum = 3;
    options.dotMon = 2;
    auto column = [](const char *field, const char *title, int width, int dotSize, bool sum) {
        GridColumn c;
        c.field = QString::fromUtf8(field);
        c.title = QString::fromUtf8(title);
        c.width = width;
        c.dotSize = dotSize;
        c.sumField = sum;
        return c;
    };
    const GridColumn money = column("Money", "金额|合计", 100, 3, true);
    const GridColumn number = column("Number", "数量", 70, 2, false);
    const GridColumn missing = column("NoSuchField", "无", 50, 0, false);
    const SheetContent sheet = GridExport::sheet(rows, {money, number, missing}, options, {1, 0});
    ASSERT_EQ(sheet.columns.size(), 3);
    EXPECT_EQ(sheet.columns.at(0).title, QStringLiteral("合计"));
    EXPECT_EQ(sheet.columns.at(0).groupTitle, QStringLiteral("金额"));
    EXPECT_EQ(sheet.columns.at(0).decimals, 2);
    EXPECT_EQ(sheet.columns.at(1).decimals, 3);
    EXPECT_EQ(sheet.columns.at(0).widthPixels, 100);
    ASSERT_EQ(sheet.rowCount, 2);
    EXPECT_EQ(sheet.row(0), (QVariantList{QStringLiteral("1.5"), 2.5, QVariant()}));
    EXPECT_EQ(sheet.row(1).at(1), QVariant(5));
    ASSERT_EQ(sheet.footer.size(), 3);
    EXPECT_DOUBLE_EQ(sheet.footer.at(0).toDouble(), 11.504);
    EXPECT_FALSE(sheet.footer.at(1).isValid());
}

TEST_F(DatabaseTest, ListExportTakesTheListGridOrFallsBackToColumnNames)
{
    db().exec("INSERT INTO T_Goods (GoodsCode, GoodsName, flag) VALUES ('G2', 'b', FALSE), ('G1', 'a', FALSE),"
              " ('G3', 'c', TRUE)");
    db().exec("DELETE FROM T_FieldShow WHERE TableName = 'goods'");
    GridExport::ListExport list = GridExport::listRows(db(), GridExport::ListKind::Products);
    ASSERT_EQ(list.rows.rowCount(), 2);
    EXPECT_EQ(list.rows.value(0, "GoodsCode").toString(), QStringLiteral("G1"));
    ASSERT_EQ(list.columns.size(), list.rows.columnCount());
    EXPECT_EQ(list.columns.at(1).title.toLower(), QStringLiteral("goodscode"));
    EXPECT_EQ(GridExport::listRows(db(), GridExport::ListKind::Products, true).rows.value(0, "GoodsCode").toString(),
              QStringLiteral("G3"));

    db().exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize, ShowButton,"
              " combo, com_table, Color, ShowUp) VALUES ('Goods', 'GoodsName', '名称', 0, 80, TRUE, 0, 0, 0, 0, '', '', 0)");
    list = GridExport::listRows(db(), GridExport::ListKind::Products);
    ASSERT_EQ(list.columns.size(), 1);
    EXPECT_EQ(list.columns.at(0).title, QStringLiteral("名称"));
    EXPECT_EQ(GridExport::listRows(db(), GridExport::ListKind::Partners).rows.rowCount(), 0);
}

TEST_F(DatabaseTest, ExportedPartnerFlagsReadYesOrNoOnEveryEngine)
{
    db().exec("INSERT INTO T_Custom (CustCode, CustName, gys, kh, flag) VALUES ('C1', '宝钢', TRUE, FALSE, FALSE)");
    const GridExport::ListExport list = GridExport::listRows(db(), GridExport::ListKind::Partners);
    ASSERT_EQ(list.rows.rowCount(), 1);
    QStringList fields;
    for (const GridColumn &c : list.columns)
        fields << c.field.toLower();
    const qsizetype supplier = fields.indexOf("gys");
    const qsizetype customer = fields.indexOf("kh");
    ASSERT_GE(supplier, 0);
    ASSERT_GE(customer, 0);
    const QVariantList cells = GridExport::sheet(list.rows, list.columns, SoftInfo()).row(0);
    EXPECT_EQ(cells.at(supplier), QVariant(QStringLiteral("是")));
    EXPECT_EQ(cells.at(customer), QVariant(QStringLiteral("否")));
}
