#include "CliContext.h"
#include "CommandRegistry.h"
#include "bills/AmountInCapitals.h"
#include "masterdata/Partners.h"
#include "masterdata/Products.h"
#include "render/ReportPainter.h"
#include "report/ReportJob.h"

namespace kesvar::cli {

namespace {

int runCapitals(CliContext &context, const QStringList &args)
{
    bool ok = false;
    const double amount = args.size() == 1 ? args.first().trimmed().toDouble(&ok) : 0;
    if (!ok)
        throw UsageError(QStringLiteral("usage: capitals AMOUNT (a number such as 1234.5)"));
    context.out() << AmountInCapitals(amount) << '\n';
    return 0;
}

// "--pdf FILE" among the arguments; the rest stays in `args`.
QString takePdfFile(QStringList &args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--pdf") && i + 1 < args.size()) {
            const QString file = args.at(i + 1);
            args.remove(i, 2);
            return file;
        }
        if (args.at(i).startsWith(QLatin1String("--pdf="))) {
            const QString file = args.at(i).mid(6);
            args.remove(i);
            return file;
        }
    }
    return {};
}

int runPrint(CliContext &context, const QStringList &arguments)
{
    const QString usage = QStringLiteral("usage: print bill CODE --pdf FILE | print products --pdf FILE | print partners --pdf FILE");
    QStringList args = arguments;
    const QString file = takePdfFile(args);
    const QString what = args.value(0);
    if (file.isEmpty())
        throw UsageError(usage);

    const DataFolder &folder = context.home().folder();
    report::ReportJob job;
    if (what == QLatin1String("bill") && args.size() == 2)
        job = report::ReportJob::bill(context.db(), folder, args.at(1));
    else if (what == QLatin1String("products") && args.size() == 1)
        job = report::ReportJob::products(folder, Products(context.db()).list());
    else if (what == QLatin1String("partners") && args.size() == 1)
        job = report::ReportJob::partners(folder, Partners(context.db()).list());
    else
        throw UsageError(usage);

    if (!render::ReportPainter::writePdf(job.prepare(), file))
        throw UsageError(QStringLiteral("cannot write \"%1\"").arg(file));
    return 0;
}

const CommandRegistration capitals("capitals", "capitals AMOUNT", runCapitals);
const CommandRegistration print("print", "print bill CODE --pdf FILE | print products|partners --pdf FILE", runPrint);

} // namespace
} // namespace kesvar::cli
