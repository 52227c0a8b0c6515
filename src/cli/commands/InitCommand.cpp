#include "CliContext.h"
#include "CommandRegistry.h"
#include "data/DbError.h"
#include "maintenance/DemoCompany.h"

namespace kesvar::cli {

namespace {

int runInit(CliContext &context, const QStringList &args)
{
    bool demo = false;
    for (const QString &arg : args) {
        if (arg != QLatin1String("--demo"))
            throw UsageError(QStringLiteral("init: unknown argument \"%1\"").arg(arg));
        demo = true;
    }
    if (context.home().databaseExists())
        throw RuleError(QStringLiteral("数据库已经存在,不能重复初始化!"));
    const auto db = context.home().openDatabase();
    if (demo)
        DemoCompany(*db).fill();
    context.out() << context.home().folder().path() << Qt::endl;
    return 0;
}

const CommandRegistration registration("init", "init [--demo]              create the data folder and the database (--demo: with a sample company)", runInit);

} // namespace
} // namespace kesvar::cli
