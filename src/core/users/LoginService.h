#pragma once

#include <QString>

namespace kesvar {

class ConfigIni;
class Database;

enum class LoginOutcome {
    Accepted,
    NoOperator,      // nothing chosen, or a name that is not an operator
    WrongPassword,   // a password was typed and it is not the operator's
    PasswordMissing, // the box is empty and the operator has a password
};

struct LoginResult
{
    LoginOutcome outcome = LoginOutcome::NoOperator;
    QString operatorName; // the chosen name trimmed; set when accepted

    bool accepted() const { return outcome == LoginOutcome::Accepted; }
    // The warning the login dialog shows (caption "警告"), empty when accepted.
    QString message() const;
};

// The login rules: who may log in with which password, what the status bar says about the
// operator, and which list position is remembered for the next start.
class LoginService
{
public:
    explicit LoginService(Database &db) : m_db(db) {}

    // `chosenName` is the list text as chosen; `password` is compared exactly as typed (letter case
    // counts, nothing trimmed).
    LoginResult login(const QString &chosenName, const QString &password) const;

    // " 当前操作员: " followed by the name cut to 20 display columns (a Chinese character takes two).
    static QString statusText(const QString &operatorName);
    static constexpr int StatusNameColumns = 20;

    // List position of the operator chosen last time (-1 = none), kept in Config.ini [login] UserName.
    static int rememberedPosition(const ConfigIni &config);
    static void rememberPosition(ConfigIni &config, int position);

private:
    Database &m_db;
};

} // namespace kesvar
