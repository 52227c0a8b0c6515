#include "TestDatabase.h"

#include "data/DbError.h"
#include "data/Schema.h"
#include "data/SchemaBuilder.h"
#include "data/SeedData.h"
#include "users/AuthorityItems.h"
#include "users/PasswordHash.h"

#include <QSet>

using namespace kesvar;
using kesvar::test::DatabaseTest;

TEST_F(DatabaseTest, NewDatabaseHasEveryTableAndTheCurrentVersion)
{
    for (const TableDef &table : Schema::tables())
        EXPECT_TRUE(db().hasRows(db().dialect().tableExistsQuery(), {table.name})) << table.name.toStdString();
    EXPECT_EQ(db().schemaVersion(), Schema::CurrentVersion);
    // Both views answer like tables.
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM S_StartDetail").toInt(), 0);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM S_BillDetail").toInt(), 0);
}

TEST_F(DatabaseTest, SeedRowsAreThere)
{
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_SoftInfo").toInt(), 1);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_Company").toInt(), 1);
    EXPECT_EQ(db().scalar("SELECT Cost FROM T_SoftInfo").toString(), QStringLiteral("移动加权平均"));

    const RowSet billTypes = db().select("SELECT Name, BillType, S_Cust FROM Dict_Bill");
    ASSERT_EQ(billTypes.rowCount(), 8);
    QSet<QString> prefixes;
    for (int r = 0; r < billTypes.rowCount(); ++r) {
        const QString prefix = billTypes.value(r, 1).toString();
        EXPECT_EQ(prefix.toLatin1().size(), 2) << prefix.toStdString();
        prefixes.insert(prefix);
        const QString name = billTypes.value(r, 0).toString();
        const bool withoutPartner = name == QStringLiteral("仓库调拨") || name == QStringLiteral("仓库盘点");
        EXPECT_EQ(billTypes.value(r, 2).toBool(), !withoutPartner) << name.toStdString();
    }
    EXPECT_EQ(prefixes.size(), 8);

    EXPECT_EQ(db().scalar("SELECT UserName FROM T_User WHERE UserID = 1").toString(), SeedData::AdminName);
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_Part").toInt(), 2);
}

TEST_F(DatabaseTest, AdministratorPasswordIsAHashOfTheEmptyPassword)
{
    const QString stored = db().scalar("SELECT Password FROM T_User WHERE UserID = 1").toString();
    EXPECT_FALSE(stored.isEmpty());
    EXPECT_TRUE(PasswordHash::verify(stored, QString()));
    EXPECT_FALSE(PasswordHash::verify(stored, QStringLiteral("admin")));
}

TEST_F(DatabaseTest, AuthorityRowsAreInCodeOrderForEveryHolder)
{
    const char *holders[] = {
        "SELECT Code FROM T_UserAuthority WHERE UserName = 'Admin' ORDER BY UserAuthorityID",
        "SELECT Code FROM T_PartAuthority WHERE PartName = '超级管理员' ORDER BY PartAuthorityID",
        "SELECT Code FROM T_PartAuthority WHERE PartName = '普通用户' ORDER BY PartAuthorityID",
    };
    for (const char *query : holders) {
        const RowSet rows = db().select(QString::fromUtf8(query));
        ASSERT_EQ(rows.rowCount(), AuthorityItems::Count) << query;
        QString previous;
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QString code = rows.value(r, 0).toString();
            EXPECT_FALSE(code.startsWith(QLatin1String("00")));
            EXPECT_LT(previous, code);
            previous = code;
        }
    }
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_System").toInt(), AuthorityItems::Count);
    // The ordinary role may not manage operators (item 36) but may work with bills (item 16).
    const RowSet ordinary = db().select(
        "SELECT Authority FROM T_PartAuthority WHERE PartName = '普通用户' ORDER BY PartAuthorityID");
    EXPECT_FALSE(ordinary.value(35, 0).toBool());
    EXPECT_TRUE(ordinary.value(15, 0).toBool());
}

TEST_F(DatabaseTest, ClearActionsEndEveryStatementWithASemicolon)
{
    const RowSet actions = db().select("SELECT Action, SQL FROM Dict_ClearData WHERE F_Flag = TRUE ORDER BY id");
    ASSERT_GE(actions.rowCount(), 4);
    for (int r = 0; r < actions.rowCount(); ++r) {
        const QString sql = actions.value(r, 1).toString();
        EXPECT_TRUE(sql.endsWith(QLatin1Char(';'))) << sql.toStdString();
        // Each piece runs on this engine.
        for (const QString &statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            EXPECT_NO_THROW(db().exec(statement)) << statement.toStdString();
    }
}

TEST_F(DatabaseTest, CaseInsensitiveKeys)
{
    db().exec("INSERT INTO T_Other (Name, Type) VALUES (?, ?)", {QStringLiteral("鞍钢"), QStringLiteral("CD")});
    EXPECT_EQ(db().comboItems("SELECT * FROM T_Other WHERE Type = ?", {QStringLiteral("cd")}),
              QStringList{QStringLiteral("鞍钢")});

    db().exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID) VALUES ('probegrid', 'GoodsCode', '编号', 0)");
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM T_FieldShow WHERE TableName = ?", {QStringLiteral("ProbeGrid")}).toInt(), 1);

    EXPECT_GT(db().scalar("SELECT COUNT(*) FROM T_Import WHERE tablename = ?", {QStringLiteral("CUSTOM")}).toInt(), 0);
    // Table and column names are case-insensitive too.
    EXPECT_NO_THROW(db().exec("SELECT cbPrice, CBPRICE, cbprice FROM t_billdetail"));
}

TEST_F(DatabaseTest, UniqueCodesAreRefusedByTheStore)
{
    db().exec("INSERT INTO T_Goods (GoodsCode, GoodsName) VALUES ('G1', 'a')");
    try {
        db().exec("INSERT INTO T_Goods (GoodsCode, GoodsName) VALUES ('G1', 'b')");
        FAIL() << "duplicate product code accepted";
    } catch (const DbError &e) {
        EXPECT_TRUE(db().dialect().isUniqueViolation(e.text())) << e.text().toStdString();
    }
    db().exec("INSERT INTO T_Bill (BillCode) VALUES ('CR-2011-03-05-0001')");
    EXPECT_THROW(db().exec("INSERT INTO T_Bill (BillCode) VALUES ('CR-2011-03-05-0001')"), DbError);
}

TEST(SchemaUpgrade, OlderDatabaseKeepsItsRowsAndGainsNewIndexes)
{
    KESVAR_SKIP_WITHOUT_ENGINE();
    test::TestDatabase testDb;
    {
        auto old = testDb.connectOnly();
        SchemaBuilder(*old).createAt(1);
        EXPECT_EQ(old->schemaVersion(), 1);
        old->exec("INSERT INTO T_Goods (GoodsCode, GoodsName) VALUES ('G1', '螺纹钢')");
        old->exec("DELETE FROM T_FieldShow WHERE TableName = 'import'");
    }
    auto upgraded = testDb.open();
    EXPECT_EQ(upgraded->schemaVersion(), Schema::CurrentVersion);
    EXPECT_EQ(upgraded->scalar("SELECT GoodsName FROM T_Goods WHERE GoodsCode = 'G1'").toString(),
              QStringLiteral("螺纹钢"));
    // A grid layout the database lacks is added on open.
    EXPECT_GT(upgraded->scalar("SELECT COUNT(*) FROM T_FieldShow WHERE TableName = 'import'").toInt(), 0);
    // Opening again changes nothing.
    auto again = testDb.open();
    EXPECT_EQ(again->scalar("SELECT COUNT(*) FROM T_Goods").toInt(), 1);
}

TEST(SchemaUpgrade, NewerDatabaseIsRefused)
{
    KESVAR_SKIP_WITHOUT_ENGINE();
    test::TestDatabase testDb;
    testDb.open()->exec("UPDATE T_SchemaVersion SET Version = ?", {Schema::CurrentVersion + 1});
    EXPECT_THROW(testDb.open(), DbError);
}
