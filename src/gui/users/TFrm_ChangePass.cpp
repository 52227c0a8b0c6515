#include "users/TFrm_ChangePass.h"

#include "app/Session.h"
#include "users/PasswordChange.h"
#include "users/PasswordField.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesvar::gui {

TFrm_ChangePass::TFrm_ChangePass(Session &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_user(new QLineEdit(session.operatorName))
    , m_old(newPasswordField(QStringLiteral("Edit_oldpass")))
    , m_new(newPasswordField(QStringLiteral("Edit_newpass")))
    , m_confirm(newPasswordField(QStringLiteral("Edit_ConfirmPass")))
{
    setObjectName(QStringLiteral("Frm_ChangePass"));
    setWindowTitle(QStringLiteral("修改我的登录密码"));
    m_user->setObjectName(QStringLiteral("Edit_User"));
    m_user->setEnabled(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("当前用户"), m_user);
    form->addRow(QStringLiteral("当前密码"), m_old);
    form->addRow(QStringLiteral("新密码"), m_new);
    form->addRow(QStringLiteral("新密码验证"), m_confirm);

    auto *ok = new QPushButton(QStringLiteral("确定(&Y)"));
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消(&Q)"));
    cancel->setObjectName(QStringLiteral("Btn_Exit"));
    connect(ok, &QPushButton::clicked, this, &TFrm_ChangePass::Btn_OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    m_old->setFocus();
}

QLineEdit *TFrm_ChangePass::field(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

void TFrm_ChangePass::Btn_OKClick()
{
    const PasswordChangeResult result =
        PasswordChange(*m_session.db).change(m_session.operatorName, m_old->text(), m_new->text(), m_confirm->text());
    QMessageBox::information(this, result.caption(), result.message());
    switch (result.outcome) {
    case PasswordChangeOutcome::Changed:
        accept();
        return;
    case PasswordChangeOutcome::WrongCurrentPassword:
        m_old->setFocus();
        m_old->selectAll(); // typing again replaces the wrong password
        return;
    case PasswordChangeOutcome::ConfirmationDiffers:
        m_confirm->setFocus();
        m_confirm->selectAll();
        return;
    }
}

} // namespace kesvar::gui
