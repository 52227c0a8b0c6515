#include "CliContext.h"
#include "CommandRegistry.h"
#include "masterdata/QuickCode.h"

namespace kesvar::cli {

namespace {

int runQuickCode(CliContext &context, const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError(QStringLiteral("usage: quickcode TEXT"));
    context.out() << QuickCode(args.first()) << '\n';
    context.out().flush();
    return 0;
}

const CommandRegistration registration("quickcode", "quickcode TEXT", runQuickCode);

} // namespace
} // namespace kesvar::cli
