#include "CliContext.h"
#include "CommandRegistry.h"
#include "MasterCommands.h"
#include "MasterDataJson.h"
#include "data/DbError.h"
#include "masterdata/Products.h"

#include <QJsonArray>

namespace kesvar::cli {

namespace {

const char kUsage[] = "product add JSON | product edit CODE JSON | product list [--disabled] | product disable CODE"
                      " | product enable CODE | product delete CODE";

void readProduct(JsonFields &fields, Product &p)
{
    fields.readText(QStringLiteral("GoodsCode"), p.goodsCode);
    fields.readText(QStringLiteral("GoodsName"), p.goodsName);
    fields.readText(QStringLiteral("GoodsUnit"), p.goodsUnit);
    fields.readText(QStringLiteral("Units"), p.units);
    fields.readText(QStringLiteral("barcode"), p.barcode);
    fields.readText(QStringLiteral("goodstype"), p.goodstype);
    fields.readText(QStringLiteral("goodscz"), p.goodscz);
    fields.readText(QStringLiteral("goodscd"), p.goodscd);
    fields.readNumber(QStringLiteral("Dprice"), p.dprice);
    fields.readNumber(QStringLiteral("Gprice"), p.gprice);
    fields.readDate(QStringLiteral("Ddate"), p.ddate);
    fields.readDate(QStringLiteral("Gdate"), p.gdate);
    fields.readNumber(QStringLiteral("Upnum"), p.upnum);
    fields.readNumber(QStringLiteral("downnum"), p.downnum);
    fields.readNumber(QStringLiteral("hxl"), p.hxl);
    fields.readText(QStringLiteral("Goodwz"), p.goodwz);
    fields.readText(QStringLiteral("memo"), p.memo);
}

// The "opening" entries laid over the product's current opening stock, warehouse by warehouse.
void readOpening(JsonFields &fields, QList<OpeningStock> &opening)
{
    const auto value = fields.take(QStringLiteral("opening"));
    if (!value)
        return;
    if (!value->isArray())
        throw UsageError(QStringLiteral("opening: expected an array"));
    for (const QJsonValue &item : value->toArray()) {
        if (!item.isObject())
            throw UsageError(QStringLiteral("opening: expected objects"));
        JsonFields entryFields(item.toObject());
        OpeningStock entry;
        entryFields.readText(QStringLiteral("DepotName"), entry.depotName);
        entryFields.readNumber(QStringLiteral("StartNum"), entry.startNum);
        entryFields.readNumber(QStringLiteral("startweight"), entry.startWeight);
        entryFields.readNumber(QStringLiteral("StartPrice"), entry.startPrice);
        entryFields.readText(QStringLiteral("cjtype"), entry.cjtype);
        entryFields.requireAllUsed(QStringLiteral("opening"));
        const auto target = std::find_if(opening.begin(), opening.end(), [&](const OpeningStock &o) {
            return o.depotName == entry.depotName.trimmed();
        });
        if (target == opening.end())
            opening.append(entry); // the save refuses an unknown warehouse
        else
            *target = entry;
    }
}

int runProduct(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    Products products(context.db());
    const QString usage = QStringLiteral("usage: ") + QString::fromLatin1(kUsage);
    if (runMasterSubcommand(context, products, args, usage))
        return 0;
    if (sub == QLatin1String("add") && args.size() == 2) {
        JsonFields fields(readJsonObject(context, args.at(1)));
        Product product = Product::newDefaults();
        readProduct(fields, product);
        QList<OpeningStock> opening = products.openingStock(QString());
        readOpening(fields, opening);
        fields.requireAllUsed(QStringLiteral("product"));
        products.add(product, opening);
        return 0;
    }
    if (sub == QLatin1String("edit") && args.size() == 3) {
        const QString code = args.at(1);
        std::optional<Product> product = products.find(code);
        if (!product)
            throw RuleError(QStringLiteral("钢材编码\"%1\"不存在!").arg(code));
        JsonFields fields(readJsonObject(context, args.at(2)));
        const Product before = *product;
        readProduct(fields, *product);
        if (product->goodsName != before.goodsName && product->barcode == before.barcode)
            product->barcode.clear(); // rebuilt from the new name
        QList<OpeningStock> opening = products.openingStock(code);
        readOpening(fields, opening);
        fields.requireAllUsed(QStringLiteral("product"));
        products.update(code, *product, opening);
        return 0;
    }
    throw UsageError(usage);
}

const CommandRegistration registration("product", kUsage, runProduct);

} // namespace
} // namespace kesvar::cli
