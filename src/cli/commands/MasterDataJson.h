#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <optional>

namespace kesvar::cli {

class CliContext;

// A JSON object given as a file path or "-" (standard input); an unreadable or malformed input is
// a usage error.
QJsonObject readJsonObject(CliContext &context, const QString &pathOrDash);

// The keys of one input object, matched to column names without regard to letter case. Keys that
// no reader asked for are reported, so a misspelt column is not silently ignored.
class JsonFields
{
public:
    explicit JsonFields(QJsonObject object) : m_object(std::move(object)) {}

    std::optional<QJsonValue> take(const QString &column);
    // Texts, numbers and yes/no values; a number may also come as text. Refusals name the column.
    void readText(const QString &column, QString &target);
    void readNumber(const QString &column, std::optional<double> &target);
    void readBool(const QString &column, bool &target);
    void readDate(const QString &column, class QDate &target);
    // UsageError when keys are left that no reader asked for.
    void requireAllUsed(const QString &what) const;

private:
    QJsonObject m_object;
    QStringList m_used;
};

} // namespace kesvar::cli
