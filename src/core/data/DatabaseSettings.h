#pragma once

#include "data/SqlDialect.h"

#include <QString>

namespace kesvar {

class ConfigIni;

// Where the database lives: the [Database] section of Config.ini. SQLite (the default) keeps one
// file under the data folder; PostgreSQL names a server shared by several workstations.
struct DatabaseSettings
{
    DbEngine engine = DbEngine::Sqlite;
    QString file = QStringLiteral("DataBase/Kesvar.db"); // relative paths are under the data folder
    QString host = QStringLiteral("127.0.0.1");
    int port = 5432;
    QString name = QStringLiteral("kesvar");
    QString user;
    QString password;
    QString schema; // PostgreSQL only: an optional schema to work in instead of the default one

    static DatabaseSettings fromConfig(const ConfigIni &config);
    void writeTo(ConfigIni &config) const;

    // The absolute path of the SQLite file for a data folder.
    QString sqliteFilePath(const QString &dataFolder) const;

    // Parses "host=… port=… dbname=… user=… password=…" (libpq's keyword form).
    static DatabaseSettings fromPostgresConnInfo(const QString &connInfo);
};

} // namespace kesvar
