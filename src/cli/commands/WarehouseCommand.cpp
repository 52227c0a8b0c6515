#include "CliContext.h"
#include "CommandRegistry.h"
#include "masterdata/Warehouses.h"

namespace kesvar::cli {

namespace {

int runWarehouse(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("list") && args.size() == 1) {
        context.writeRows(Warehouses(context.db()).list());
        return 0;
    }
    if (sub == QLatin1String("add") && args.size() == 2) {
        Warehouses(context.db()).add(args.at(1));
        return 0;
    }
    if (sub == QLatin1String("rename") && args.size() == 3) {
        Warehouses(context.db()).rename(args.at(1), args.at(2));
        return 0;
    }
    if (sub == QLatin1String("delete") && args.size() == 2) {
        Warehouses(context.db()).remove(args.at(1));
        return 0;
    }
    throw UsageError(QStringLiteral("usage: warehouse add NAME | warehouse rename OLD NEW | warehouse delete NAME"
                                    " | warehouse list"));
}

const CommandRegistration registration(
    "warehouse", "warehouse add NAME | warehouse rename OLD NEW | warehouse delete NAME | warehouse list", runWarehouse);

} // namespace
} // namespace kesvar::cli
