#include "CliContext.h"
#include "CommandRegistry.h"
#include "grid/GridExport.h"
#include "maintenance/Options.h"
#include "spreadsheet/XlsxWriter.h"

namespace kesvar::cli {

namespace {

// The lists and reports that can be written to a workbook, with the filters each accepts.
GridExport::ListExport exportedRows(CliContext &context, const QString &name, const QStringList &filters)
{
    const bool products = name == QLatin1String("products");
    if (products || name == QLatin1String("partners")) {
        bool disabled = false;
        for (const QString &filter : filters) {
            if (filter != QLatin1String("--disabled"))
                throw UsageError(QStringLiteral("export %1: unknown filter \"%2\" (--disabled)").arg(name, filter));
            disabled = true;
        }
        return GridExport::listRows(context.db(), products ? GridExport::ListKind::Products
                                                           : GridExport::ListKind::Partners,
                                    disabled);
    }
    throw UsageError(QStringLiteral("export: unknown name \"%1\" (products, partners)").arg(name));
}

int runExport(CliContext &context, const QStringList &args)
{
    if (args.size() < 2)
        throw UsageError(QStringLiteral("usage: export NAME FILE [filters]"));
    const GridExport::ListExport list = exportedRows(context, args.at(0), args.mid(2));
    try {
        GridExport::write(args.at(1), list.rows, list.columns, Options(context.db()).load());
    } catch (const XlsxWriteError &e) {
        throw UsageError(e.text());
    }
    return 0;
}

const CommandRegistration registration("export", "export NAME FILE [filters]", runExport);

} // namespace
} // namespace kesvar::cli
