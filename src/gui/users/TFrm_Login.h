#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace kesvar {
class ConfigIni;
class Database;
}

namespace kesvar::gui {

// "登录": the operator picks a name and types the password. The dialog only decides who logs in
// (LoginService); the opener applies the accepted operator to the main window.
class TFrm_Login : public QDialog
{
    Q_OBJECT
public:
    TFrm_Login(Database &db, ConfigIni &config, QWidget *parent = nullptr);

    bool loginOk() const { return m_loginOk; }
    // The accepted operator's name, trimmed (empty until accepted).
    QString operatorName() const { return m_operatorName; }

    QComboBox *userList() const { return m_users; }
    QLineEdit *passwordBox() const { return m_password; }

    void Btn_okClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Database &m_db;
    ConfigIni &m_config;
    QComboBox *m_users;
    QLineEdit *m_password;
    bool m_loginOk = false;
    QString m_operatorName;
};

} // namespace kesvar::gui
