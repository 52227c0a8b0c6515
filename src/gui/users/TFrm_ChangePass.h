#pragma once

#include <QDialog>

class QLineEdit;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// "修改我的登录密码": the logged-in operator changes the own password (rules in PasswordChange).
class TFrm_ChangePass : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_ChangePass(Session &session, QWidget *parent = nullptr);

    QLineEdit *field(const QString &name) const;
    void Btn_OKClick();

private:
    Session &m_session;
    QLineEdit *m_user;
    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_confirm;
};

} // namespace kesvar::gui
