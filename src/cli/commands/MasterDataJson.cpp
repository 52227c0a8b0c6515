#include "MasterDataJson.h"

#include "CliContext.h"
#include "data/DbError.h"
#include "masterdata/FieldValues.h"

#include <QDate>
#include <QFile>
#include <QJsonDocument>

namespace kesvar::cli {

QJsonObject readJsonObject(CliContext &context, const QString &pathOrDash)
{
    QByteArray data;
    if (pathOrDash == QLatin1String("-")) {
        data = context.readStdin().toUtf8();
    } else {
        QFile file(pathOrDash);
        if (!file.open(QIODevice::ReadOnly))
            throw UsageError(QStringLiteral("cannot read %1: %2").arg(pathOrDash, file.errorString()));
        data = file.readAll();
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        throw UsageError(QStringLiteral("%1: not a JSON object (%2)").arg(pathOrDash, error.errorString()));
    return doc.object();
}

std::optional<QJsonValue> JsonFields::take(const QString &column)
{
    for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it) {
        if (it.key().compare(column, Qt::CaseInsensitive) == 0) {
            m_used << it.key();
            return it.value();
        }
    }
    return std::nullopt;
}

void JsonFields::readText(const QString &column, QString &target)
{
    if (const auto value = take(column)) {
        if (value->isDouble())
            target = value->toVariant().toString(); // every digit of a code given as a number
        else if (value->isString() || value->isNull())
            target = value->toString();
        else
            throw UsageError(QStringLiteral("%1: expected a text").arg(column));
    }
}

void JsonFields::readNumber(const QString &column, std::optional<double> &target)
{
    if (const auto value = take(column)) {
        if (value->isDouble())
            target = value->toDouble();
        else if (value->isNull())
            target.reset();
        else if (value->isString())
            target = FieldValues::parseNumber(value->toString(), column);
        else
            throw RuleError(QStringLiteral("%1必须是数字!").arg(column));
    }
}

void JsonFields::readBool(const QString &column, bool &target)
{
    if (const auto value = take(column)) {
        if (value->isBool())
            target = value->toBool();
        else if (value->isDouble())
            target = value->toDouble() != 0;
        else if (value->isString() && (value->toString() == QLatin1String("true") || value->toString() == QLatin1String("false")))
            target = value->toString() == QLatin1String("true");
        else
            throw UsageError(QStringLiteral("%1: expected true or false").arg(column));
    }
}

void JsonFields::readDate(const QString &column, QDate &target)
{
    if (const auto value = take(column)) {
        if (value->isNull()) {
            target = QDate();
            return;
        }
        const QDate date = QDate::fromString(value->toString(), QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            throw UsageError(QStringLiteral("%1: expected a date yyyy-MM-dd").arg(column));
        target = date;
    }
}

void JsonFields::requireAllUsed(const QString &what) const
{
    QStringList unknown;
    for (const QString &key : m_object.keys())
        if (!m_used.contains(key))
            unknown << key;
    if (!unknown.isEmpty())
        throw UsageError(QStringLiteral("%1: unknown keys %2").arg(what, unknown.join(QStringLiteral(", "))));
}

} // namespace kesvar::cli
