#include "TestDatabase.h"

#include "data/DbError.h"
#include "grid/GridFormat.h"
#include "grid/GridMetadata.h"

using namespace kesvar;
using kesvar::test::DatabaseTest;

namespace {

struct Row
{
    QString field;
    QString title;
    int showId;
    bool shown = true;
    int showUp = 0;
};

// Grid keys, fields and titles with apostrophes: every statement must bind them.
const QString kKey = QStringLiteral("Test'Grid");

class GridMetadataTest : public DatabaseTest
{
protected:
    void addRows(const QString &key, const QList<Row> &rows)
    {
        for (const Row &r : rows)
            db().exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize,"
                      " ShowButton, combo, com_table, Color, ShowUp) VALUES (?, ?, ?, ?, 90, ?, 0, 0, 0, 0, '', '', ?)",
                      {key, r.field, r.title, r.showId, r.shown, r.showUp});
    }
    QVariant stored(const QString &field, const char *column)
    {
        return db().scalar(QStringLiteral("SELECT %1 FROM T_FieldShow WHERE TableName = ? AND Field = ?").arg(column),
                           {kKey, field});
    }
    static QStringList fields(const QList<GridColumn> &columns)
    {
        QStringList f;
        for (const GridColumn &c : columns)
            f << c.field;
        return f;
    }
};

} // namespace

TEST_F(GridMetadataTest, ShownColumnsComeInShowIdOrderWithoutLetterCaseInTheKey)
{
    addRows(kKey, {{"C", "third", 2}, {"A", "first", 0}, {"B", "second", 1}, {"H", "hidden", 3, false},
                   {"O'Field", "it's", 4, true, 1}});
    GridMetadata metadata(db());
    const QList<GridColumn> columns = metadata.shownColumns(QStringLiteral("test'GRID"));
    EXPECT_EQ(fields(columns), (QStringList{"A", "B", "C", "O'Field"}));
    EXPECT_EQ(columns.at(3).title, QStringLiteral("it's"));
    EXPECT_EQ(columns.at(3).sortMark, SortMark::Up);
    EXPECT_EQ(columns.at(0).width, 90);
    EXPECT_TRUE(metadata.shownColumns(QStringLiteral("no such key")).isEmpty());
}

TEST_F(GridMetadataTest, AGridTakesAtMostFiftyOneColumns)
{
    QList<Row> rows;
    for (int i = 0; i < 60; ++i)
        rows.append({QStringLiteral("F%1").arg(i), QStringLiteral("T%1").arg(i), i});
    addRows(kKey, rows);
    const QList<GridColumn> columns = GridMetadata(db()).shownColumns(kKey);
    ASSERT_EQ(columns.size(), GridMetadata::MaxColumns);
    EXPECT_EQ(columns.last().field, QStringLiteral("F50"));
}

TEST_F(GridMetadataTest, SavedLayoutStoresPositionsAndWidthsLeftToRight)
{
    addRows(kKey, {{"A", "a", 0}, {"B", "b", 1}, {"O'C", "c", 2}, {"H", "h", 7, false}});
    GridMetadata metadata(db());
    // The third column dragged to the first place.
    metadata.saveLayout(kKey, {{"O'C", 120}, {"A", 60}, {"B", 70}});
    EXPECT_EQ(fields(metadata.shownColumns(kKey)), (QStringList{"O'C", "A", "B"}));
    EXPECT_EQ(stored("O'C", "ShowID").toInt(), 0);
    EXPECT_EQ(stored("O'C", "Width").toInt(), 120);
    EXPECT_EQ(stored("B", "ShowID").toInt(), 2);
    EXPECT_EQ(stored("H", "ShowID").toInt(), 7); // hidden columns keep their place

    // A single column stores nothing.
    metadata.saveLayout(kKey, {{"B", 300}});
    EXPECT_EQ(stored("B", "Width").toInt(), 70);
    EXPECT_EQ(stored("B", "ShowID").toInt(), 2);
}

TEST_F(GridMetadataTest, OnlyTheLastMarkedColumnKeepsItsSortMark)
{
    addRows(kKey, {{"A", "a", 0, true, 2}, {"B", "b", 1}, {"Field1", "f1", 2}, {"O'D", "d", 3}});
    GridMetadata metadata(db());
    metadata.storeSortMarks(kKey, {{"B", SortMark::Up}, {"Field1", SortMark::Down}});
    EXPECT_EQ(stored("A", "ShowUp").toInt(), 0);
    EXPECT_EQ(stored("B", "ShowUp").toInt(), 0);
    EXPECT_EQ(stored("Field1", "ShowUp").toInt(), 2);

    metadata.storeSortMarks(kKey, {{"O'D", SortMark::Up}});
    EXPECT_EQ(stored("O'D", "ShowUp").toInt(), 1);
    EXPECT_EQ(stored("Field1", "ShowUp").toInt(), 0);

    // No marked column: the stored mark stays.
    metadata.storeSortMarks(kKey, {});
    EXPECT_EQ(stored("O'D", "ShowUp").toInt(), 1);
}

TEST_F(GridMetadataTest, FieldChooserSwitchesEveryRowOfATitle)
{
    addRows(kKey, {{"A", "a", 0}, {"B", "b'quote", 1, false}, {"B2", "b'quote", 2, false}, {"C", "c", 3}});
    addRows(QStringLiteral("other"), {{"A", "a", 0}});
    GridMetadata metadata(db());
    EXPECT_EQ(metadata.titles(kKey, false), (QStringList{"b'quote", "b'quote"}));
    EXPECT_EQ(metadata.titles(kKey, true), (QStringList{"a", "c"}));

    metadata.storeChoice(kKey, {QStringLiteral(" a ")}, {QStringLiteral("b'quote"), QStringLiteral("c")});
    EXPECT_EQ(fields(metadata.shownColumns(kKey)), (QStringList{"B", "B2", "C"}));
    EXPECT_EQ(fields(metadata.shownColumns(QStringLiteral("other"))), QStringList{"A"});

    // Everything hidden: the next set-up finds no shown row.
    metadata.storeChoice(kKey, {"a", "b'quote", "c"}, {});
    EXPECT_TRUE(metadata.shownColumns(kKey).isEmpty());
}

TEST_F(GridMetadataTest, PickListsReadTheNameColumnOfTheStoredStatement)
{
    db().exec("INSERT INTO T_Other (Name, Type) VALUES ('吨', 'DW'), ('支', 'dw'), ('Q235', 'cz')");
    GridMetadata metadata(db());
    GridColumn column;
    column.combo = true;
    column.comTable = QStringLiteral("T_Other where Type='dw' order by ID");
    EXPECT_EQ(metadata.pickList(column), (QStringList{QStringLiteral("吨"), QStringLiteral("支")}));

    column.comTable = QStringLiteral("T_DepotName");
    EXPECT_THROW(metadata.pickList(column), DbError); // no column "name"
    column.comTable = QStringLiteral("T_NoSuchTable");
    EXPECT_THROW(metadata.pickList(column), DbError);
}

TEST(GridFormat, DecimalsComeFromTheClassAndStayWithinBounds)
{
    SoftInfo options;
    options.dotPrice = 4;
    options.dotNum = 3;
    options.dotMon = 2;
    struct Case
    {
        int dotSize;
        int expected;
    };
    for (const Case &c : {Case{1, 4}, Case{2, 3}, Case{3, 2}, Case{0, -1}, Case{4, -1}, Case{-1, -1}})
        EXPECT_EQ(GridFormat::decimalsFor(c.dotSize, options), c.expected) << c.dotSize;
    options.dotNum = 11;
    EXPECT_EQ(GridFormat::decimalsFor(2, options), GridFormat::NoDecimals);
    options.dotNum = -1;
    EXPECT_EQ(GridFormat::decimalsFor(2, options), GridFormat::NoDecimals);

    EXPECT_EQ(GridFormat::pattern(0), QStringLiteral("0"));
    EXPECT_EQ(GridFormat::pattern(1), QStringLiteral("0.0"));
    EXPECT_EQ(GridFormat::pattern(10), QStringLiteral("0.0000000000"));
    EXPECT_TRUE(GridFormat::pattern(11).isEmpty());
    EXPECT_TRUE(GridFormat::pattern(-1).isEmpty());
}

TEST(GridFormat, DisplayTextFormatsFiguresOnly)
{
    struct Case
    {
        QVariant value;
        int decimals;
        QString expected;
    };
    const Case cases[] = {
        {5, 3, "5.000"},
        {5.0, 0, "5"},
        {2.675, 2, "2.68"},
        {QStringLiteral("12.5"), 2, "12.50"}, // figures SQLite returns as text
        {QStringLiteral("Q235B"), 2, "Q235B"},
        {0.1 + 0.2, GridFormat::NoDecimals, "0.3"},
        {QVariant(), 2, ""},
        {QDate(2026, 3, 7), GridFormat::NoDecimals, "2026-03-07"},
        {true, GridFormat::NoDecimals, "是"},
        {false, 2, "否"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GridFormat::displayText(c.value, c.decimals), c.expected) << c.expected.toStdString();
    // Days follow this workstation's format whether the engine hands them over as dates or as text.
    const QString format = QStringLiteral("dd/MM/yyyy");
    EXPECT_EQ(GridFormat::displayText(QDate(2026, 3, 7), -1, format), QStringLiteral("07/03/2026"));
    EXPECT_EQ(GridFormat::displayText(QStringLiteral("2026-03-07"), -1, format), QStringLiteral("07/03/2026"));
    EXPECT_EQ(GridFormat::displayText(QStringLiteral("2026-13-07"), -1, format), QStringLiteral("2026-13-07"));
    EXPECT_EQ(GridFormat::displayText(QStringLiteral("XC-2026-03"), -1, format), QStringLiteral("XC-2026-03"));
}
