#include "ModalCatcher.h"
#include "TestDatabase.h"

#include "app/Session.h"
#include "data/ConfigIni.h"
#include "users/PasswordHash.h"
#include "users/TFrm_ChangePass.h"
#include "users/TFrm_Login.h"

#include <QComboBox>
#include <QLineEdit>

using namespace kesvar;
using namespace kesvar::gui;

namespace {

class LoginDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KESVAR_SKIP_WITHOUT_ENGINE();
        m_db = m_testDb.open();
        m_config = std::make_unique<ConfigIni>(m_testDb.dataFolder() + QStringLiteral("/Config.ini"));
        m_db->exec(QStringLiteral("INSERT INTO T_User (UserName, Password, PartName, Remark, Permit, IsUser)"
                                  " VALUES (?, ?, '普通用户', '', 1, TRUE)"),
                   {QStringLiteral("张三"), PasswordHash::hash(QStringLiteral("Pass1"))});
    }

    // Chooses `name` in a new dialog, types `password` and presses "确定" (with a ModalCatcher alive
    // to answer the warnings).
    std::unique_ptr<TFrm_Login> attempt(const QString &name, const QString &password)
    {
        auto dialog = std::make_unique<TFrm_Login>(*m_db, *m_config);
        dialog->show();
        dialog->userList()->setCurrentIndex(dialog->userList()->findText(name));
        dialog->passwordBox()->setText(password);
        dialog->Btn_okClick();
        return dialog;
    }

    test::TestDatabase m_testDb;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<ConfigIni> m_config;
};

TEST_F(LoginDialogTest, ListsTheOperatorsAndAcceptsAdminWithAnEmptyPassword)
{
    test::ModalCatcher catcher;
    auto dialog = attempt(QStringLiteral("Admin"), QString());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("登录"));
    EXPECT_EQ(dialog->userList()->count(), 2);
    EXPECT_TRUE(dialog->loginOk());
    EXPECT_EQ(dialog->operatorName(), QStringLiteral("Admin"));
    EXPECT_TRUE(catcher.seen().isEmpty());
}

TEST_F(LoginDialogTest, PasswordBoxesShowEveryCharacterAsAStar)
{
    Session session;
    session.db = m_db.get();
    TFrm_Login login(*m_db, *m_config);
    TFrm_ChangePass change(session);
    QList<QLineEdit *> boxes{login.passwordBox()};
    for (const char *name : {"Edit_oldpass", "Edit_newpass", "Edit_ConfirmPass"})
        boxes << change.field(QString::fromLatin1(name));
    for (QLineEdit *box : boxes) {
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        box->setText(QStringLiteral("密a1"));
        EXPECT_EQ(box->displayText(), QStringLiteral("***")) << box->objectName().toStdString();
    }
}

TEST_F(LoginDialogTest, WrongInputsShowTheirWarningAndKeepTheDialogOpen)
{
    struct Case
    {
        const char *name;
        const char *password;
        const char *message;
        bool boxEmptied;
    };
    const Case cases[] = {
        {"", "Pass1", "请选择一个用户名！", false},
        {"Admin", "x", "密码错误，请重新输入密码！", true},
        {"张三", "pass1", "密码错误，请重新输入密码！", true},
        {"张三", "", "请输入密码！", false},
    };
    for (const Case &c : cases) {
        test::ModalCatcher catcher;
        auto dialog = attempt(QString::fromUtf8(c.name), QString::fromUtf8(c.password));
        ASSERT_EQ(catcher.seen().size(), 1) << c.name << "/" << c.password;
        EXPECT_EQ(catcher.lastCaption(), QStringLiteral("警告"));
        EXPECT_EQ(catcher.seen().last().icon, QMessageBox::Critical);
        EXPECT_EQ(catcher.lastText(), QString::fromUtf8(c.message)) << c.name << "/" << c.password;
        EXPECT_FALSE(dialog->loginOk());
        EXPECT_TRUE(dialog->isVisible());
        if (c.boxEmptied)
            EXPECT_TRUE(dialog->passwordBox()->text().isEmpty());
        if (QString::fromUtf8(c.name) == QStringLiteral("张三") && !c.boxEmptied)
            EXPECT_EQ(dialog->focusWidget(), dialog->passwordBox());
    }
}

TEST_F(LoginDialogTest, TheLastChosenOperatorIsPreselectedAlsoAfterAFailedAttempt)
{
    {
        test::ModalCatcher catcher;
        attempt(QStringLiteral("张三"), QStringLiteral("wrong"));
    }
    TFrm_Login next(*m_db, *m_config);
    next.show();
    EXPECT_EQ(next.userList()->currentText(), QStringLiteral("张三"));
}

TEST_F(LoginDialogTest, PasswordChangeRefusesWithoutChangeThenChanges)
{
    Session session;
    session.db = m_db.get();
    session.operatorName = QStringLiteral("张三");
    auto fill = [](TFrm_ChangePass &dialog, const char *current, const char *fresh, const char *confirm) {
        dialog.field(QStringLiteral("Edit_oldpass"))->setText(QString::fromUtf8(current));
        dialog.field(QStringLiteral("Edit_newpass"))->setText(QString::fromUtf8(fresh));
        dialog.field(QStringLiteral("Edit_ConfirmPass"))->setText(QString::fromUtf8(confirm));
        dialog.Btn_OKClick();
    };
    test::ModalCatcher catcher;
    TFrm_ChangePass dialog(session);
    dialog.show();
    EXPECT_EQ(dialog.field(QStringLiteral("Edit_User"))->text(), QStringLiteral("张三"));
    EXPECT_FALSE(dialog.field(QStringLiteral("Edit_User"))->isEnabled());

    fill(dialog, "wrong", "New", "New");
    EXPECT_EQ(catcher.lastCaption(), QStringLiteral("密码错误"));
    EXPECT_EQ(dialog.focusWidget(), dialog.field(QStringLiteral("Edit_oldpass")));
    fill(dialog, "Pass1", "New", "new");
    EXPECT_EQ(catcher.lastCaption(), QStringLiteral("验证密码"));
    EXPECT_EQ(dialog.focusWidget(), dialog.field(QStringLiteral("Edit_ConfirmPass")));
    EXPECT_TRUE(dialog.isVisible());
    {
        test::ModalCatcher loginCatcher;
        EXPECT_TRUE(attempt(QStringLiteral("张三"), QStringLiteral("Pass1"))->loginOk());
    }

    fill(dialog, "Pass1", "New", "New");
    EXPECT_EQ(catcher.lastText(), QStringLiteral("修改密码成功!"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    test::ModalCatcher loginCatcher;
    EXPECT_TRUE(attempt(QStringLiteral("张三"), QStringLiteral("New"))->loginOk());
}

} // namespace
