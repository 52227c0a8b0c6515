#include "XlsxReadBack.h"

#include "spreadsheet/XlsxWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kesvar;
using kesvar::test::readXlsx;

namespace {

SheetContent sampleSheet(const QList<QVariantList> &rows)
{
    SheetContent content;
    content.columns = {{"名称", "", -1, 120}, {"数量", "", 3, 70}, {"金额", "", 2, 90}};
    content.rowCount = int(rows.size());
    content.row = [rows](int r) { return rows.at(r); };
    return content;
}

} // namespace

TEST(XlsxWriter, WritesTitlesFiguresWithTheirFormatTextsAndFooter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.xlsx");
    SheetContent content = sampleSheet({{"圆钢 O'Neil", 5, 10.005}, {"角钢", QStringLiteral("2.5"), QVariant()},
                                        {QVariant(), 1.23456, QStringLiteral("abc")}});
    content.footer = {QVariant(), QVariant(), 10.005};
    ASSERT_TRUE(XlsxWriter::write(path, content));

    const auto sheet = readXlsx(path);
    ASSERT_TRUE(sheet.valid);
    EXPECT_EQ(sheet.text("A1"), QStringLiteral("名称"));
    EXPECT_EQ(sheet.text("B1"), QStringLiteral("数量"));
    EXPECT_EQ(sheet.text("C1"), QStringLiteral("金额"));
    EXPECT_EQ(sheet.text("A2"), QStringLiteral("圆钢 O'Neil"));
    EXPECT_FALSE(sheet.cells.value("A2").number);
    EXPECT_TRUE(sheet.cells.value("B2").number);
    EXPECT_EQ(sheet.text("B2"), QStringLiteral("5"));
    EXPECT_EQ(sheet.cells.value("B2").format, QStringLiteral("0.000"));
    EXPECT_EQ(sheet.text("C2"), QStringLiteral("10.01")); // rounded as the grid shows it
    EXPECT_EQ(sheet.cells.value("C2").format, QStringLiteral("0.00"));
    EXPECT_TRUE(sheet.cells.value("B3").number); // figure handed over as text
    EXPECT_EQ(sheet.text("B3"), QStringLiteral("2.5"));
    EXPECT_FALSE(sheet.cells.contains("C3"));
    EXPECT_EQ(sheet.text("B4"), QStringLiteral("1.235"));
    EXPECT_FALSE(sheet.cells.value("C4").number);
    // Footer row after the data rows.
    EXPECT_EQ(sheet.text("C5"), QStringLiteral("10.01"));
    EXPECT_EQ(sheet.rowCount(), 5);
}

TEST(XlsxWriter, TwoLevelTitlesMergeTheGroupAcrossItsColumns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("groups.xlsx");
    SheetContent content;
    content.columns = {{"编号", "", -1, 80}, {"数量", "一号库", 3, 80}, {"重量", "一号库", 3, 80},
                       {"数量", "二号库", 3, 80}, {"合计", "", 2, 80}};
    content.rowCount = 1;
    content.row = [](int) { return QVariantList{"G1", 1, 2, 3, 4}; };
    ASSERT_TRUE(XlsxWriter::write(path, content));
    const auto sheet = readXlsx(path);
    ASSERT_TRUE(sheet.valid);
    EXPECT_EQ(sheet.text("A1"), QStringLiteral("编号"));
    EXPECT_EQ(sheet.text("B1"), QStringLiteral("一号库"));
    EXPECT_EQ(sheet.text("D1"), QStringLiteral("二号库"));
    EXPECT_EQ(sheet.text("B2"), QStringLiteral("数量"));
    EXPECT_EQ(sheet.text("C2"), QStringLiteral("重量"));
    EXPECT_EQ(sheet.text("E1"), QStringLiteral("合计"));
    EXPECT_TRUE(sheet.merged.contains(QStringLiteral("B1:C1")));
    EXPECT_EQ(sheet.text("A3"), QStringLiteral("G1"));
}

TEST(XlsxWriter, UnwritablePlaceThrowsAndCancelLeavesNoFile)
{
    QTemporaryDir dir;
    SheetContent content = sampleSheet({{"a", 1, 2}});
    EXPECT_THROW(XlsxWriter::write(dir.filePath("missing/folder/x.xlsx"), content), XlsxWriteError);

    QList<QVariantList> many;
    for (int i = 0; i < 2000; ++i)
        many.append({"a", i, i});
    const QString path = dir.filePath("cancelled.xlsx");
    EXPECT_FALSE(XlsxWriter::write(path, sampleSheet(many), [](int done, int) { return done < 1000; }));
    EXPECT_FALSE(QFile::exists(path));
}
