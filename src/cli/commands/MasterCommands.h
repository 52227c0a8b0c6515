#pragma once

#include "CliContext.h"

#include <QStringList>

namespace kesvar::cli {

// The subcommands the product and partner commands share: `list [--disabled]`, `disable CODE`,
// `enable CODE` and `delete CODE`, on a master (Products, Partners) with list(bool),
// setDisabled(code, bool) and remove(code). False when `args` is none of them.
template<typename Master>
bool runMasterSubcommand(CliContext &context, Master &master, const QStringList &args, const QString &usage)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("list") && args.size() <= 2) {
        const bool disabled = args.size() == 2;
        if (disabled && args.at(1) != QLatin1String("--disabled"))
            throw UsageError(usage);
        context.writeRows(master.list(disabled));
        return true;
    }
    if ((sub == QLatin1String("disable") || sub == QLatin1String("enable")) && args.size() == 2) {
        master.setDisabled(args.at(1), sub == QLatin1String("disable"));
        return true;
    }
    if (sub == QLatin1String("delete") && args.size() == 2) {
        master.remove(args.at(1));
        return true;
    }
    return false;
}

} // namespace kesvar::cli
