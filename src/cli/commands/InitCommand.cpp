#include "CliContext.h"
#include "CommandRegistry.h"
#include "data/DbError.h"

namespace kesvar::cli {

namespace {

int runInit(CliContext &context, const QStringList &args)
{
    for (const QString &arg : args)
        throw UsageError(QStringLiteral("init: unknown argument \"%1\"").arg(arg));
    if (context.home().databaseExists())
        throw RuleError(QStringLiteral("数据库已经存在,不能重复初始化!"));
    context.home().openDatabase();
    context.out() << context.home().folder().path() << Qt::endl;
    return 0;
}

const CommandRegistration registration("init", "init                       create the data folder and the database", runInit);

} // namespace
} // namespace kesvar::cli
