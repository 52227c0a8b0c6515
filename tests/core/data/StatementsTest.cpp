#include "TestDatabase.h"

#include "data/DbError.h"
#include "data/Transaction.h"

#include <QDate>

using namespace kesvar;
using kesvar::test::DatabaseTest;

namespace {

// Texts that would break a statement built by concatenation, or match too much in a LIKE.
const QString kAwkwardTexts[] = {
    QStringLiteral("O'Brien 钢铁"), QStringLiteral("100%"), QStringLiteral("a_b"), QStringLiteral("back\\slash"),
    QStringLiteral("'; DROP TABLE T_Goods; --"),
};

} // namespace

TEST_F(DatabaseTest, AwkwardTextsRoundTripThroughEveryHelper)
{
    for (const QString &text : kAwkwardTexts) {
        db().exec("DELETE FROM T_Other");
        db().exec("INSERT INTO T_Other (Name, Type) VALUES (?, 'cz')", {text});
        db().exec("INSERT INTO T_Other (Name, Type) VALUES ('plain', 'cz')");
        EXPECT_EQ(db().scalar("SELECT Name FROM T_Other WHERE Name = ?", {text}).toString(), text);
        EXPECT_TRUE(db().hasRows("SELECT 1 FROM T_Other WHERE Name = ?", {text}));
        const RowSet rows = db().select("SELECT Name FROM T_Other WHERE Name = ?", {text});
        ASSERT_EQ(rows.rowCount(), 1);
        EXPECT_EQ(rows.value(0, "name").toString(), text);
        // A user's '%' or '_' matches itself only.
        const QString like = QStringLiteral("SELECT * FROM T_Other WHERE Name %1 ?%2")
                                 .arg(db().dialect().likeOperator(), db().dialect().likeEscape());
        EXPECT_EQ(db().comboItems(like, {containsPattern(text)}), QStringList{text}) << text.toStdString();
    }
    EXPECT_TRUE(db().hasRows(db().dialect().tableExistsQuery(), {QStringLiteral("T_Goods")}));
}

TEST_F(DatabaseTest, LikeSearchIgnoresLetterCase)
{
    db().exec("INSERT INTO T_Other (Name, Type) VALUES ('Q235B', 'cz')");
    const QString like = QStringLiteral("SELECT * FROM T_Other WHERE Name %1 ?%2")
                             .arg(db().dialect().likeOperator(), db().dialect().likeEscape());
    EXPECT_EQ(db().comboItems(like, {containsPattern(QStringLiteral("q235"))}).size(), 1);
}

TEST_F(DatabaseTest, ComboItemsTakeTheTrimmedSecondColumn)
{
    EXPECT_TRUE(db().comboItems("SELECT * FROM T_DepotName").isEmpty());
    db().exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('  一号库 ', 'DepotName')");
    EXPECT_EQ(db().comboItems("SELECT * FROM T_DepotName"), QStringList{QStringLiteral("一号库")});
}

TEST_F(DatabaseTest, EngineErrorsCarryTheEngineTextAndLeaveTheConnectionUsable)
{
    try {
        db().exec("SELECT * FROM T_NoSuchTable");
        FAIL() << "no error";
    } catch (const DbError &e) {
        EXPECT_FALSE(e.text().isEmpty());
    }
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_SoftInfo").toInt(), 1);
}

TEST_F(DatabaseTest, UncommittedTransactionLeavesNothing)
{
    {
        Transaction tx(db());
        db().exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('A', 'DepotName')");
    }
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_DepotName").toInt(), 0);

    try {
        Transaction tx(db());
        db().exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('B', 'DepotName')");
        db().exec("INSERT INTO T_NoSuchTable VALUES (1)");
        tx.commit();
    } catch (const DbError &) {
    }
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_DepotName").toInt(), 0);
    EXPECT_FALSE(db().inTransaction());
}

TEST_F(DatabaseTest, NestedTransactionRollsBackOnlyItsOwnWork)
{
    Transaction outer(db());
    db().exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('outer', 'DepotName')");
    {
        Transaction inner(db());
        db().exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('inner', 'DepotName')");
        // A failed statement inside a nested unit must not spoil the outer one (PostgreSQL aborts
        // the whole transaction otherwise).
        EXPECT_THROW(db().exec("INSERT INTO T_NoSuchTable VALUES (1)"), DbError);
    }
    {
        Transaction kept(db());
        db().exec("INSERT INTO T_DepotName (DictName, DictType) VALUES ('kept', 'DepotName')");
        kept.commit();
    }
    outer.commit();
    EXPECT_EQ(db().comboItems("SELECT ID, DictName FROM T_DepotName ORDER BY ID"),
              (QStringList{QStringLiteral("outer"), QStringLiteral("kept")}));
}

TEST_F(DatabaseTest, DatesAreBoundAndComparedAsDates)
{
    db().exec("INSERT INTO T_Bill (BillCode, AddDate) VALUES (?, ?)", {QStringLiteral("X1"), QDate(2011, 3, 5)});
    db().exec("INSERT INTO T_Bill (BillCode, AddDate) VALUES (?, ?)", {QStringLiteral("X2"), QDate(2011, 12, 1)});
    const RowSet rows = db().select("SELECT BillCode, AddDate FROM T_Bill WHERE AddDate >= ? AND AddDate <= ?",
                                    {QDate(2011, 3, 5), QDate(2011, 3, 5)});
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.value(0, 1).toDate(), QDate(2011, 3, 5));
}

TEST_F(DatabaseTest, BooleansReadAsBooleansOnEveryEngine)
{
    const RowSet rows = db().select("SELECT Name, S_Cust FROM Dict_Bill WHERE Name = ?", {QStringLiteral("仓库盘点")});
    ASSERT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.value(0, 1).typeId(), QMetaType::Bool);
    EXPECT_FALSE(rows.value(0, 1).toBool());
}
