#include "CliContext.h"
#include "CommandRegistry.h"
#include "masterdata/CompanyInfo.h"

namespace kesvar::cli {

namespace {

struct CompanyField
{
    const char *column;
    QString Company::*member;
};

const CompanyField kFields[] = {
    {"Company", &Company::company}, {"Contact", &Company::contact}, {"Address", &Company::address},
    {"Zip", &Company::zip},         {"Tel", &Company::tel},         {"Fax", &Company::fax},
    {"Email", &Company::email},
};

int runCompany(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    CompanyInfo info(context.db());
    if (sub == QLatin1String("show") && args.size() == 1) {
        const Company company = info.load();
        QStringList columns;
        QVariantList values;
        for (const CompanyField &field : kFields) {
            columns << QString::fromLatin1(field.column);
            values << company.*field.member;
        }
        RowSet rows(columns);
        rows.appendRow(values);
        context.writeRows(rows);
        return 0;
    }
    if (sub == QLatin1String("set") && args.size() > 1) {
        Company company = info.load();
        for (const auto &[key, value] : keyValueArguments(args.mid(1))) {
            const auto field = std::find_if(std::begin(kFields), std::end(kFields), [&](const CompanyField &f) {
                return key.compare(QLatin1String(f.column), Qt::CaseInsensitive) == 0;
            });
            if (field == std::end(kFields))
                throw UsageError(QStringLiteral("company set: unknown key \"%1\" (Company, Contact, Address, Zip, Tel,"
                                                " Fax, Email)").arg(key));
            company.*field->member = value;
        }
        info.save(company);
        return 0;
    }
    throw UsageError(QStringLiteral("usage: company show | company set KEY=VALUE..."));
}

const CommandRegistration registration("company", "company show | company set KEY=VALUE...", runCompany);

} // namespace
} // namespace kesvar::cli
