#include "CliContext.h"
#include "CommandRegistry.h"

#include "bills/BillActions.h"
#include "bills/BillEntry.h"
#include "bills/BillStore.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "maintenance/Options.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kesvar::cli {

namespace {

// Object keys are column names, matched without regard to letter case.
class CaseFreeObject
{
public:
    explicit CaseFreeObject(const QJsonObject &object)
    {
        for (auto it = object.begin(); it != object.end(); ++it)
            m_values.insert(it.key().toCaseFolded(), it.value());
    }
    bool has(const char *key) const { return m_values.contains(QString::fromLatin1(key).toCaseFolded()); }
    QJsonValue value(const char *key) const { return m_values.value(QString::fromLatin1(key).toCaseFolded()); }
    QString text(const char *key, const QString &fallback = {}) const
    {
        const QJsonValue v = value(key);
        if (v.isDouble())
            return QString::number(v.toDouble(), 'g', 15);
        return v.isString() ? v.toString() : fallback;
    }
    double number(const char *key) const { return numberOrNothing(key).value_or(0); }
    std::optional<double> numberOrNothing(const char *key) const
    {
        const QJsonValue v = value(key);
        if (v.isDouble())
            return v.toDouble();
        if (v.isString() && !v.toString().trimmed().isEmpty()) {
            bool ok = false;
            const double d = v.toString().trimmed().toDouble(&ok);
            if (!ok)
                throw UsageError(QStringLiteral("bill save: \"%1\" is not a number: %2").arg(QLatin1String(key), v.toString()));
            return d;
        }
        if (!v.isNull() && !v.isUndefined() && !v.isString())
            throw UsageError(QStringLiteral("bill save: \"%1\" is not a number").arg(QLatin1String(key)));
        return std::nullopt;
    }
    bool flag(const char *key, bool fallback) const
    {
        const QJsonValue v = value(key);
        return v.isBool() ? v.toBool() : fallback;
    }

private:
    QHash<QString, QJsonValue> m_values;
};

QJsonObject readJsonObject(CliContext &context, const QString &source)
{
    QByteArray data;
    if (source == QLatin1String("-")) {
        data = context.readStdin().toUtf8();
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly))
            throw UsageError(QStringLiteral("cannot read %1: %2").arg(source, file.errorString()));
        data = file.readAll();
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        throw UsageError(QStringLiteral("bill save: %1 is not a JSON object (%2)").arg(source, error.errorString()));
    return doc.object();
}

// Header values present in the input replace those of `header` (an edit keeps what is left out).
void applyHeader(const CaseFreeObject &in, BillHeader &header)
{
    if (in.has("BillType"))
        header.billType = in.text("BillType");
    if (in.has("AddDate")) {
        const QString text = in.text("AddDate");
        header.addDate = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
        if (!header.addDate.isValid())
            throw UsageError(QStringLiteral("bill save: AddDate \"%1\" is not a yyyy-MM-dd date").arg(text));
    }
    struct Field { const char *key; QString BillHeader::*member; };
    const Field fields[] = {
        {"CustName", &BillHeader::custName}, {"DepotName", &BillHeader::depotName}, {"OldCode", &BillHeader::oldCode},
        {"Fptype", &BillHeader::fptype}, {"Ystype", &BillHeader::ystype}, {"UserName", &BillHeader::userName},
        {"Maker", &BillHeader::maker}, {"memo", &BillHeader::memo},
    };
    for (const Field &f : fields)
        if (in.has(f.key))
            header.*f.member = in.text(f.key);
    header.yspiao = in.flag("Yspiao", header.yspiao);
    header.yfkuan = in.flag("yfkuan", header.yfkuan);
}

QList<LineRequest> readLines(const QJsonArray &lines)
{
    QList<LineRequest> requests;
    for (const QJsonValue &value : lines) {
        if (!value.isObject())
            throw UsageError(QStringLiteral("bill save: every line must be a JSON object"));
        const CaseFreeObject in(value.toObject());
        LineRequest line;
        line.goodsCode = in.text("GoodsCode").trimmed();
        line.cjtype = in.text("Cjtype");
        line.number = in.number("Number");
        line.weight = in.number("weight");
        line.price = in.numberOrNothing("Price");
        line.memo = in.text("memo");
        requests.append(line);
    }
    return requests;
}

int saveBill(CliContext &context, const QString &source)
{
    const QJsonObject object = readJsonObject(context, source);
    const CaseFreeObject in(object);
    Database &db = context.db();

    BillRequest request;
    const QString code = in.text("BillCode").trimmed();
    if (!code.isEmpty()) {
        const std::optional<Bill> stored = BillStore(db).load(code);
        if (!stored)
            throw RuleError(BillActions::notFoundMessage(code));
        request.header = stored->header;
    } else {
        request.header.maker = QStringLiteral("Admin");
    }
    applyHeader(in, request.header);
    QJsonArray lines;
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key().compare(QLatin1String("lines"), Qt::CaseInsensitive) == 0)
            lines = it.value().toArray();
    request.lines = readLines(lines);

    const SoftInfo options = Options(db).load();
    const SaveOutcome outcome = BillEntry(db, options.dotPrice, options.dotNum).save(request);
    if (outcome.renumbered)
        context.err() << BillActions::renumberedMessage(outcome.bill.header.billCode) << Qt::endl;
    context.out() << outcome.bill.header.billCode << Qt::endl;
    return 0;
}

QJsonValue jsonValue(const QVariant &value, ColumnType type)
{
    if (value.isNull())
        return QJsonValue::Null;
    switch (type) {
    case ColumnType::Bool:
        return value.toBool();
    case ColumnType::AutoId:
    case ColumnType::Integer:
    case ColumnType::Double:
        return value.toDouble();
    case ColumnType::Date:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    default:
        return value.toString();
    }
}

// Every column of one table's rows, under the names the schema gives them.
QJsonArray tableRows(const Database &db, const QString &table, const QString &orderBy, const QString &billCode)
{
    const TableDef *def = Schema::table(table);
    QStringList names;
    for (const ColumnDef &c : def->columns)
        names << c.name;
    const RowSet rows = db.select(QStringLiteral("SELECT %1 FROM %2 WHERE BillCode = ? ORDER BY %3")
                                      .arg(names.join(QStringLiteral(", ")), table, orderBy),
                                  {billCode}, names);
    QJsonArray result;
    for (int r = 0; r < rows.rowCount(); ++r) {
        QJsonObject object;
        for (int c = 0; c < rows.columnCount(); ++c)
            object.insert(names.at(c), jsonValue(rows.value(r, c), def->columns.at(c).type));
        result.append(object);
    }
    return result;
}

int showBill(CliContext &context, const QString &code)
{
    const QJsonArray headers = tableRows(context.db(), QStringLiteral("T_Bill"), QStringLiteral("BillID"), code);
    if (headers.isEmpty())
        throw RuleError(BillActions::notFoundMessage(code));
    QJsonObject bill = headers.first().toObject();
    bill.insert(QStringLiteral("lines"),
                tableRows(context.db(), QStringLiteral("T_BillDetail"), QStringLiteral("BillDetailID"), code));
    context.out() << QString::fromUtf8(QJsonDocument(bill).toJson(QJsonDocument::Indented));
    return 0;
}

int runBill(CliContext &context, const QStringList &args)
{
    const QString sub = args.value(0);
    if (args.size() != 2)
        throw UsageError(QStringLiteral("usage: bill save JSON | bill show|delete|approve|unapprove CODE"));
    if (sub == QLatin1String("save"))
        return saveBill(context, args.at(1));
    const QString code = args.at(1).trimmed();
    if (sub == QLatin1String("show"))
        return showBill(context, code);

    const SoftInfo options = Options(context.db()).load();
    BillActions actions(context.db(), options.dotPrice, options.dotNum);
    if (sub == QLatin1String("delete")) {
        actions.remove(code);
        context.out() << BillActions::DeletedMessage << Qt::endl;
        return 0;
    }
    if (sub == QLatin1String("approve") || sub == QLatin1String("unapprove")) {
        const bool approve = sub == QLatin1String("approve");
        if (!(approve ? actions.canApprove(code) : actions.canUnapprove(code)))
            throw RuleError(BillActions::notFoundMessage(code));
        actions.setApproved(code, approve);
        return 0;
    }
    throw UsageError(QStringLiteral("usage: bill save JSON | bill show|delete|approve|unapprove CODE"));
}

const CommandRegistration registration(
    "bill", "bill save JSON | bill show CODE | bill delete|approve|unapprove CODE", runBill);

} // namespace
} // namespace kesvar::cli
