#include "CliContext.h"
#include "CommandRegistry.h"
#include "MasterCommands.h"
#include "MasterDataJson.h"
#include "data/DbError.h"
#include "masterdata/Partners.h"

namespace kesvar::cli {

namespace {

const char kUsage[] = "partner add JSON | partner edit CODE JSON | partner list [--disabled] | partner disable CODE"
                      " | partner enable CODE | partner delete CODE";

void readPartner(JsonFields &fields, Partner &p)
{
    fields.readText(QStringLiteral("CustCode"), p.custCode);
    fields.readText(QStringLiteral("CustName"), p.custName);
    fields.readText(QStringLiteral("barCode"), p.barCode);
    fields.readText(QStringLiteral("BankName"), p.bankName);
    fields.readText(QStringLiteral("BankAccount"), p.bankAccount);
    fields.readBool(QStringLiteral("gys"), p.gys);
    fields.readBool(QStringLiteral("kh"), p.kh);
    fields.readText(QStringLiteral("Contact"), p.contact);
    fields.readText(QStringLiteral("Tel"), p.tel);
    fields.readText(QStringLiteral("Mobile"), p.mobile);
    fields.readText(QStringLiteral("Fax"), p.fax);
    fields.readText(QStringLiteral("Zip"), p.zip);
    fields.readText(QStringLiteral("Email"), p.email);
    fields.readText(QStringLiteral("Address"), p.address);
    fields.readText(QStringLiteral("URL"), p.url);
    fields.readText(QStringLiteral("Memo"), p.memo);
}

int runPartner(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    Partners partners(context.db());
    const QString usage = QStringLiteral("usage: ") + QString::fromLatin1(kUsage);
    if (runMasterSubcommand(context, partners, args, usage))
        return 0;
    if (sub == QLatin1String("add") && args.size() == 2) {
        JsonFields fields(readJsonObject(context, args.at(1)));
        Partner partner;
        readPartner(fields, partner);
        fields.requireAllUsed(QStringLiteral("partner"));
        partners.add(partner);
        return 0;
    }
    if (sub == QLatin1String("edit") && args.size() == 3) {
        const QString code = args.at(1);
        std::optional<Partner> partner = partners.find(code);
        if (!partner)
            throw RuleError(QStringLiteral("往来单位编码\"%1\"不存在!").arg(code));
        JsonFields fields(readJsonObject(context, args.at(2)));
        const Partner before = *partner;
        readPartner(fields, *partner);
        if (partner->custName != before.custName && partner->barCode == before.barCode)
            partner->barCode.clear(); // rebuilt from the new name
        fields.requireAllUsed(QStringLiteral("partner"));
        partners.update(code, *partner);
        return 0;
    }
    throw UsageError(usage);
}

const CommandRegistration registration("partner", kUsage, runPartner);

} // namespace
} // namespace kesvar::cli
