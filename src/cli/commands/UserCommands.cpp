#include "CliContext.h"
#include "CommandRegistry.h"
#include "data/DbError.h"
#include "users/LoginService.h"
#include "users/OperatorAccounts.h"

namespace kesvar::cli {

namespace {

int runLogin(CliContext &context, const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError(QStringLiteral("usage: login NAME (password on standard input)"));
    const LoginResult result = LoginService(context.db()).login(args.first(), context.readStdin());
    if (!result.accepted())
        throw RuleError(result.message());
    return 0;
}

int runUser(CliContext &context, const QStringList &args)
{
    if (args.size() == 2 && args.first() == QLatin1String("passwd")) {
        if (!OperatorAccounts(context.db()).setPassword(args.at(1).trimmed(), context.readStdin()))
            throw RuleError(QStringLiteral("请选择一个用户名！"));
        return 0;
    }
    throw UsageError(QStringLiteral("usage: user passwd NAME (new password on standard input)"));
}

const CommandRegistration loginRegistration("login", "login NAME  (password on standard input)", runLogin);
const CommandRegistration userRegistration("user", "user passwd NAME  (new password on standard input)", runUser);

} // namespace
} // namespace kesvar::cli
