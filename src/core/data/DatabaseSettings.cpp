#include "data/DatabaseSettings.h"

#include "data/ConfigIni.h"

#include <QDir>
#include <QRegularExpression>

namespace kesvar {

namespace {
const QString kSection = QStringLiteral("Database");
}

DatabaseSettings DatabaseSettings::fromConfig(const ConfigIni &config)
{
    DatabaseSettings s;
    const QString driver = config.value(kSection, QStringLiteral("Driver"), QStringLiteral("sqlite")).toString().trimmed();
    s.engine = driver.compare(QLatin1String("postgres"), Qt::CaseInsensitive) == 0
                    || driver.compare(QLatin1String("postgresql"), Qt::CaseInsensitive) == 0
                ? DbEngine::Postgres
                : DbEngine::Sqlite;
    s.file = config.value(kSection, QStringLiteral("File"), s.file).toString();
    s.host = config.value(kSection, QStringLiteral("Host"), s.host).toString();
    s.port = config.value(kSection, QStringLiteral("Port"), s.port).toInt();
    s.name = config.value(kSection, QStringLiteral("Name"), s.name).toString();
    s.user = config.value(kSection, QStringLiteral("User"), s.user).toString();
    s.password = config.value(kSection, QStringLiteral("Password"), s.password).toString();
    s.schema = config.value(kSection, QStringLiteral("Schema"), s.schema).toString();
    return s;
}

void DatabaseSettings::writeTo(ConfigIni &config) const
{
    config.setValue(kSection, QStringLiteral("Driver"),
                    engine == DbEngine::Postgres ? QStringLiteral("postgres") : QStringLiteral("sqlite"));
    config.setValue(kSection, QStringLiteral("File"), file);
    config.setValue(kSection, QStringLiteral("Host"), host);
    config.setValue(kSection, QStringLiteral("Port"), port);
    config.setValue(kSection, QStringLiteral("Name"), name);
    config.setValue(kSection, QStringLiteral("User"), user);
    config.setValue(kSection, QStringLiteral("Password"), password);
    if (!schema.isEmpty())
        config.setValue(kSection, QStringLiteral("Schema"), schema);
}

QString DatabaseSettings::sqliteFilePath(const QString &dataFolder) const
{
    return QDir::cleanPath(QDir(dataFolder).absoluteFilePath(file));
}

DatabaseSettings DatabaseSettings::fromPostgresConnInfo(const QString &connInfo)
{
    DatabaseSettings s;
    s.engine = DbEngine::Postgres;
    static const QRegularExpression pair(QStringLiteral("(\\w+)\\s*=\\s*(\\S+)"));
    for (auto it = pair.globalMatch(connInfo); it.hasNext();) {
        const auto m = it.next();
        const QString key = m.captured(1).toLower();
        const QString value = m.captured(2);
        if (key == QLatin1String("host")) s.host = value;
        else if (key == QLatin1String("port")) s.port = value.toInt();
        else if (key == QLatin1String("dbname")) s.name = value;
        else if (key == QLatin1String("user")) s.user = value;
        else if (key == QLatin1String("password")) s.password = value;
    }
    return s;
}

} // namespace kesvar
