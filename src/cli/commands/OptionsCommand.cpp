#include "CliContext.h"
#include "CommandRegistry.h"
#include "data/DbError.h"
#include "maintenance/Options.h"

namespace kesvar::cli {

namespace {

int parsePlaces(const QString &text)
{
    bool ok = false;
    const int places = text.trimmed().toInt(&ok);
    if (!ok)
        throw RuleError(QStringLiteral("小数点位数必须在0到9之间!"));
    return places;
}

int runOptions(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    Options options(context.db());
    if (sub == QLatin1String("show") && args.size() == 1) {
        const SoftInfo info = options.load();
        RowSet rows({QStringLiteral("SoftName"), QStringLiteral("DotPrice"), QStringLiteral("DotNum"),
                     QStringLiteral("DotMon"), QStringLiteral("Cost")});
        rows.appendRow({info.softName, info.dotPrice, info.dotNum, info.dotMon, info.cost});
        context.writeRows(rows);
        return 0;
    }
    if (sub == QLatin1String("set") && args.size() > 1) {
        SoftInfo info = options.load();
        for (const auto &[key, value] : keyValueArguments(args.mid(1))) {
            if (key.compare(QLatin1String("SoftName"), Qt::CaseInsensitive) == 0)
                info.softName = value;
            else if (key.compare(QLatin1String("DotPrice"), Qt::CaseInsensitive) == 0)
                info.dotPrice = parsePlaces(value);
            else if (key.compare(QLatin1String("DotNum"), Qt::CaseInsensitive) == 0)
                info.dotNum = parsePlaces(value);
            else if (key.compare(QLatin1String("DotMon"), Qt::CaseInsensitive) == 0)
                info.dotMon = parsePlaces(value);
            else if (key.compare(QLatin1String("Cost"), Qt::CaseInsensitive) == 0)
                info.cost = value;
            else
                throw UsageError(QStringLiteral("options set: unknown key \"%1\" (SoftName, DotPrice, DotNum, DotMon, Cost)").arg(key));
        }
        options.save(info);
        return 0;
    }
    throw UsageError(QStringLiteral("usage: options show | options set KEY=VALUE..."));
}

const CommandRegistration registration("options", "options show | options set KEY=VALUE...", runOptions);

} // namespace
} // namespace kesvar::cli
