#include "users/PasswordChange.h"

#include "users/OperatorAccounts.h"
#include "users/PasswordHash.h"

namespace kesvar {

QString PasswordChangeResult::message() const
{
    switch (outcome) {
    case PasswordChangeOutcome::Changed:
        return QStringLiteral("修改密码成功!");
    case PasswordChangeOutcome::WrongCurrentPassword:
        return QStringLiteral("当前密码错误!");
    case PasswordChangeOutcome::ConfirmationDiffers:
        return QStringLiteral("在\"验证\"框中重新输入新密码并单击\"确定\"按钮,以验证新密码.");
    }
    return {};
}

QString PasswordChangeResult::caption() const
{
    switch (outcome) {
    case PasswordChangeOutcome::Changed:
        return QStringLiteral("成功");
    case PasswordChangeOutcome::WrongCurrentPassword:
        return QStringLiteral("密码错误");
    case PasswordChangeOutcome::ConfirmationDiffers:
        return QStringLiteral("验证密码");
    }
    return {};
}

PasswordChangeResult PasswordChange::change(const QString &operatorName, const QString &currentPassword,
                                            const QString &newPassword, const QString &confirmation)
{
    OperatorAccounts accounts(m_db);
    const std::optional<QString> storedHash = accounts.passwordHash(operatorName);
    if (!storedHash || !PasswordHash::verify(*storedHash, currentPassword))
        return {PasswordChangeOutcome::WrongCurrentPassword};
    if (confirmation != newPassword)
        return {PasswordChangeOutcome::ConfirmationDiffers};
    accounts.setPassword(operatorName, newPassword);
    return {PasswordChangeOutcome::Changed};
}

} // namespace kesvar
