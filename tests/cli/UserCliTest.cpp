#include "CliTestSupport.h"

#include <gtest/gtest.h>

using kesvar::test::runCli;

TEST(CliLogin, AcceptsAndRefusesAsTheLoginDialogDoes)
{
    QTemporaryDir dir;
    ASSERT_EQ(runCli(dir.path(), {"init"}).exitCode, 0);

    EXPECT_EQ(runCli(dir.path(), {"login", "Admin"}, "").exitCode, 0);
    const auto wrong = runCli(dir.path(), {"login", "Admin"}, "x\n");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err.trimmed(), QStringLiteral("密码错误，请重新输入密码！"));

    ASSERT_EQ(runCli(dir.path(), {"user", "passwd", "Admin"}, "Geheim9\n").exitCode, 0);
    const auto missing = runCli(dir.path(), {"login", "Admin"}, "");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.trimmed(), QStringLiteral("请输入密码！"));
    EXPECT_EQ(runCli(dir.path(), {"login", "Admin"}, "Geheim9\n").exitCode, 0);

    const auto nobody = runCli(dir.path(), {"login", "无此人"}, "");
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_EQ(nobody.err.trimmed(), QStringLiteral("请选择一个用户名！"));
    EXPECT_EQ(runCli(dir.path(), {"user", "passwd", "无此人"}, "x").exitCode, 1);
    EXPECT_EQ(runCli(dir.path(), {"user", "rename"}).exitCode, 2);
}
