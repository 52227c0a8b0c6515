#include "TestDatabase.h"

#include "users/AuthorityItems.h"
#include "users/AuthorityLoader.h"
#include "users/GovernedEntries.h"

#include <QSet>

using namespace kesvar;

namespace {

class AuthorityLoaderTest : public test::DatabaseTest
{
protected:
    // Gives `name` the first `count` authority items, all allowed except the rows in `denied`.
    void addOperatorRows(const QString &name, int count, const QSet<int> &denied = {})
    {
        const auto &items = AuthorityItems::all();
        for (int row = 1; row <= count; ++row)
            db().exec(QStringLiteral("INSERT INTO T_UserAuthority (UserName, Code, FunctionName, Authority, Tag)"
                                     " VALUES (?, ?, ?, ?, 2)"),
                      {name, items[size_t(row - 1)].code, items[size_t(row - 1)].functionName, !denied.contains(row)});
    }
    AuthorityFlags load(const QString &name) { return AuthorityLoader(db()).load(name); }
};

TEST_F(AuthorityLoaderTest, SeededAdministratorMayDoEverything)
{
    const AuthorityFlags flags = load(QStringLiteral("Admin"));
    for (int row = 1; row <= AuthorityItems::Count; ++row)
        EXPECT_TRUE(flags.isAllowed(row)) << row;
}

TEST_F(AuthorityLoaderTest, OperatorWithoutRowsMayDoNothing)
{
    const AuthorityFlags flags = load(QStringLiteral("无权限"));
    for (int row = 1; row <= AuthorityItems::Count; ++row)
        EXPECT_FALSE(flags.isAllowed(row)) << row;
}

TEST_F(AuthorityLoaderTest, RowsSetTheirOwnItemAndMissingOnesStayDenied)
{
    addOperatorRows(QStringLiteral("操作员"), 30, {24, 10});
    const AuthorityFlags flags = load(QStringLiteral("操作员"));
    for (int row = 1; row <= AuthorityItems::Count; ++row)
        EXPECT_EQ(flags.isAllowed(row), row <= 30 && row != 24 && row != 10) << row;
}

TEST_F(AuthorityLoaderTest, AGapInTheRowsDoesNotShiftLaterPermissions)
{
    addOperatorRows(QStringLiteral("操作员"), AuthorityItems::Count, {36});
    // the row of "查看钢材库存" (1402) is lost: only that item may be denied, nothing after it moves
    db().exec(QStringLiteral("DELETE FROM T_UserAuthority WHERE UserName = ? AND Code = '1402'"),
              {QStringLiteral("操作员")});
    const AuthorityFlags flags = load(QStringLiteral("操作员"));
    EXPECT_FALSE(flags.isAllowed(24));
    EXPECT_TRUE(flags.isAllowed(25));
    EXPECT_FALSE(flags.isAllowed(36));
    EXPECT_TRUE(flags.isAllowed(37));
}

TEST(GovernedEntries, NamesAreUniqueAndRowsAreItemsNotGroups)
{
    QSet<QString> names;
    for (const GovernedEntry &entry : GovernedEntries::all()) {
        EXPECT_FALSE(names.contains(entry.name)) << entry.name.toStdString();
        names.insert(entry.name);
        ASSERT_GE(entry.row, 1);
        ASSERT_LE(entry.row, AuthorityItems::Count);
        EXPECT_FALSE(AuthorityItems::isGroup(AuthorityItems::all()[size_t(entry.row - 1)])) << entry.name.toStdString();
    }
    EXPECT_EQ(GovernedEntries::rowFor(QStringLiteral("Menu_ViewDepot")), 24);
    EXPECT_EQ(GovernedEntries::rowFor(QStringLiteral("SaveBill")), 0);
}

} // namespace
