#include "CliContext.h"
#include "CommandRegistry.h"
#include "masterdata/Dictionaries.h"

namespace kesvar::cli {

namespace {

int runDict(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("list") && args.size() == 2) {
        context.writeRows(Dictionaries(context.db()).list(args.at(1)));
        return 0;
    }
    if (sub == QLatin1String("add") && args.size() == 3) {
        Dictionaries(context.db()).add(args.at(1), args.at(2));
        return 0;
    }
    throw UsageError(QStringLiteral("usage: dict add TYPE NAME | dict list TYPE"));
}

const CommandRegistration registration("dict", "dict add TYPE NAME | dict list TYPE", runDict);

} // namespace
} // namespace kesvar::cli
