#include "TestDatabase.h"

#include "app/DisplayWidth.h"
#include "data/ConfigIni.h"
#include "users/LoginService.h"
#include "users/OperatorAccounts.h"
#include "users/PasswordChange.h"
#include "users/PasswordHash.h"

#include <QTemporaryDir>

using namespace kesvar;

namespace {

class LoginTest : public test::DatabaseTest
{
protected:
    void addOperator(const QString &name, const QString &password)
    {
        db().exec(QStringLiteral("INSERT INTO T_User (UserName, Password, PartName, Remark, Permit, IsUser)"
                                 " VALUES (?, ?, '普通用户', '', 1, TRUE)"),
                  {name, PasswordHash::hash(password)});
    }
    LoginResult login(const QString &name, const QString &password) { return LoginService(db()).login(name, password); }
};

TEST_F(LoginTest, AdminWithEmptyPasswordLogsInOnAFreshDatabase)
{
    const LoginResult result = login(QStringLiteral("Admin"), QString());
    EXPECT_TRUE(result.accepted());
    EXPECT_EQ(result.operatorName, QStringLiteral("Admin"));
    EXPECT_TRUE(result.message().isEmpty());
}

TEST_F(LoginTest, StoredPasswordsAreHashesNotTheTypedText)
{
    addOperator(QStringLiteral("张三"), QStringLiteral("secret"));
    const QStringList stored = db().comboItems(QStringLiteral("SELECT UserName, Password FROM T_User ORDER BY UserID"));
    ASSERT_EQ(stored.size(), 2);
    for (const QString &hash : stored) {
        EXPECT_TRUE(hash.startsWith(QStringLiteral("$argon2id$"))) << hash.toStdString();
        EXPECT_FALSE(hash.contains(QStringLiteral("secret")));
    }
}

TEST_F(LoginTest, WrongInputsGetTheirMessages)
{
    addOperator(QStringLiteral("李四"), QStringLiteral("Abc123"));
    struct Case
    {
        const char *name;
        const char *password;
        LoginOutcome outcome;
        const char *message;
    };
    const Case cases[] = {
        {"", "", LoginOutcome::NoOperator, "请选择一个用户名！"},
        {"   ", "Abc123", LoginOutcome::NoOperator, "请选择一个用户名！"},
        {"无此人", "", LoginOutcome::NoOperator, "请选择一个用户名！"}, // never in with an empty password
        {"Admin", "x", LoginOutcome::WrongPassword, "密码错误，请重新输入密码！"},
        {"李四", "abc123", LoginOutcome::WrongPassword, "密码错误，请重新输入密码！"}, // letter case counts
        {"李四", "Abc123 ", LoginOutcome::WrongPassword, "密码错误，请重新输入密码！"}, // nothing trimmed
        {"李四", "", LoginOutcome::PasswordMissing, "请输入密码！"},
        {"李四", "Abc123", LoginOutcome::Accepted, ""},
        {" 李四 ", "Abc123", LoginOutcome::Accepted, ""},
    };
    for (const Case &c : cases) {
        const LoginResult result = login(QString::fromUtf8(c.name), QString::fromUtf8(c.password));
        EXPECT_EQ(result.outcome, c.outcome) << c.name << "/" << c.password;
        EXPECT_EQ(result.message(), QString::fromUtf8(c.message)) << c.name << "/" << c.password;
    }
    EXPECT_EQ(login(QStringLiteral(" 李四 "), QStringLiteral("Abc123")).operatorName, QStringLiteral("李四"));
}

TEST_F(LoginTest, OperatorNamesInCreationOrder)
{
    addOperator(QStringLiteral("王五"), QString());
    addOperator(QStringLiteral("赵六"), QString());
    EXPECT_EQ(OperatorAccounts(db()).names(),
              (QStringList{QStringLiteral("Admin"), QStringLiteral("王五"), QStringLiteral("赵六")}));
}

TEST_F(LoginTest, PasswordChangeChecksCurrentAndConfirmation)
{
    PasswordChange change(db());
    const QString admin = QStringLiteral("Admin");

    PasswordChangeResult result = change.change(admin, QStringLiteral("wrong"), QStringLiteral("n"), QStringLiteral("n"));
    EXPECT_EQ(result.outcome, PasswordChangeOutcome::WrongCurrentPassword);
    EXPECT_EQ(result.message(), QStringLiteral("当前密码错误!"));
    EXPECT_EQ(result.caption(), QStringLiteral("密码错误"));

    result = change.change(admin, QString(), QStringLiteral("new1"), QStringLiteral("new2"));
    EXPECT_EQ(result.outcome, PasswordChangeOutcome::ConfirmationDiffers);
    EXPECT_EQ(result.message(), QStringLiteral("在\"验证\"框中重新输入新密码并单击\"确定\"按钮,以验证新密码."));
    EXPECT_EQ(result.caption(), QStringLiteral("验证密码"));
    EXPECT_TRUE(login(admin, QString()).accepted()) << "a refused change must leave the password alone";

    result = change.change(admin, QString(), QStringLiteral("New1"), QStringLiteral("New1"));
    EXPECT_TRUE(result.changed());
    EXPECT_EQ(result.message(), QStringLiteral("修改密码成功!"));
    EXPECT_EQ(result.caption(), QStringLiteral("成功"));
    EXPECT_FALSE(login(admin, QString()).accepted());
    EXPECT_TRUE(login(admin, QStringLiteral("New1")).accepted());

    // back to an empty password, which is allowed
    EXPECT_TRUE(change.change(admin, QStringLiteral("New1"), QString(), QString()).changed());
    EXPECT_TRUE(login(admin, QString()).accepted());
}

TEST_F(LoginTest, SetPasswordOfUnknownOperatorChangesNothing)
{
    EXPECT_FALSE(OperatorAccounts(db()).setPassword(QStringLiteral("无此人"), QStringLiteral("x")));
    EXPECT_TRUE(OperatorAccounts(db()).setPassword(QStringLiteral("Admin"), QStringLiteral("x")));
    EXPECT_TRUE(login(QStringLiteral("Admin"), QStringLiteral("x")).accepted());
}

TEST(LoginStatusText, NameIsCutAtTwentyColumnsNeverThroughACharacter)
{
    struct Case
    {
        const char *name;
        const char *shown;
    };
    const Case cases[] = {
        {"Admin", "Admin"},
        {"  Admin  ", "Admin"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRST"},
        {"一二三四五六七八九十甲乙", "一二三四五六七八九十"},       // 24 columns -> 20
        {"A一二三四五六七八九十", "A一二三四五六七八九"},           // 21 columns: the last one does not fit
        {"ABCDEFGHIJKLMNOPQRSé", "ABCDEFGHIJKLMNOPQRSé"},           // e + combining accent stays whole
        {"ABCDEFGHIJKLMNOPQRS𠀀", "ABCDEFGHIJKLMNOPQRS"},          // a wide character outside the BMP
    };
    for (const Case &c : cases)
        EXPECT_EQ(LoginService::statusText(QString::fromUtf8(c.name)),
                  QStringLiteral(" 当前操作员: ") + QString::fromUtf8(c.shown))
            << c.name;
    EXPECT_EQ(DisplayWidth::columns(QStringLiteral("Admin管理员")), 11);
}

TEST(LoginPosition, RememberedInConfigIni)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Config.ini"));
    {
        ConfigIni config(file);
        EXPECT_EQ(LoginService::rememberedPosition(config), -1);
        LoginService::rememberPosition(config, 2);
    }
    ConfigIni reread(file);
    EXPECT_EQ(LoginService::rememberedPosition(reread), 2);
    EXPECT_EQ(reread.value(QStringLiteral("Login"), QStringLiteral("username")).toInt(), 2);
}

} // namespace
