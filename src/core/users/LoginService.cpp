#include "users/LoginService.h"

#include "app/DisplayWidth.h"
#include "data/ConfigIni.h"
#include "users/OperatorAccounts.h"
#include "users/PasswordHash.h"

namespace kesvar {

QString LoginResult::message() const
{
    switch (outcome) {
    case LoginOutcome::Accepted:
        return {};
    case LoginOutcome::NoOperator:
        return QStringLiteral("请选择一个用户名！");
    case LoginOutcome::WrongPassword:
        return QStringLiteral("密码错误，请重新输入密码！");
    case LoginOutcome::PasswordMissing:
        return QStringLiteral("请输入密码！");
    }
    return {};
}

LoginResult LoginService::login(const QString &chosenName, const QString &password) const
{
    LoginResult result;
    const QString name = chosenName.trimmed();
    if (name.isEmpty())
        return result;
    // A name without an operator row is refused as "no operator chosen": it must never log in, not
    // even with an empty password.
    const std::optional<QString> storedHash = OperatorAccounts(m_db).passwordHash(name);
    if (!storedHash)
        return result;
    if (!PasswordHash::verify(*storedHash, password)) {
        result.outcome = password.isEmpty() ? LoginOutcome::PasswordMissing : LoginOutcome::WrongPassword;
        return result;
    }
    result.outcome = LoginOutcome::Accepted;
    result.operatorName = name;
    return result;
}

QString LoginService::statusText(const QString &operatorName)
{
    return QStringLiteral(" 当前操作员: ") + DisplayWidth::cut(operatorName.trimmed(), StatusNameColumns);
}

int LoginService::rememberedPosition(const ConfigIni &config)
{
    bool ok = false;
    const int position = config.value(QStringLiteral("login"), QStringLiteral("UserName"), -1).toInt(&ok);
    return ok ? position : -1;
}

void LoginService::rememberPosition(ConfigIni &config, int position)
{
    config.setValue(QStringLiteral("login"), QStringLiteral("UserName"), position);
}

} // namespace kesvar
