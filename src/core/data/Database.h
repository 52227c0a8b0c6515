#pragma once

#include "data/DatabaseSettings.h"
#include "data/RowSet.h"
#include "data/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace kesvar {

// The one connection of a program run (the data module). Every statement goes through the helpers
// below with its values bound; an engine error is thrown as DbError with the engine's text and
// leaves the connection usable.
class Database
{
public:
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Connects as the settings say. A SQLite file that does not exist yet is created together with
    // its folder, schema and seed rows; an existing database is brought up to the current schema.
    // Throws DbError when the connection or the set-up fails.
    static std::unique_ptr<Database> open(const DatabaseSettings &settings, const QString &dataFolder);

    // Connects without creating anything; throws DbError when that fails.
    static std::unique_ptr<Database> connect(const DatabaseSettings &settings, const QString &dataFolder);

    // True when the settings name a database that already holds this system's tables.
    static bool exists(const DatabaseSettings &settings, const QString &dataFolder);

    bool isConnected() const;
    const SqlDialect &dialect() const { return m_dialect; }
    QSqlDatabase connection() const;
    DatabaseSettings settings() const { return m_settings; }
    QString sqliteFilePath() const { return m_sqliteFile; }

    // Runs a statement with positional '?' parameters and returns the executed query.
    QSqlQuery exec(const QString &sql, const QVariantList &params = {}) const;
    // Runs a query and reads all of its rows; `names` renames the result columns in order.
    RowSet select(const QString &sql, const QVariantList &params = {}, const QStringList &names = {}) const;
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {}) const;
    bool hasRows(const QString &sql, const QVariantList &params = {}) const;
    // The second column of every row, as text trimmed on both sides (what a drop-down offers).
    QStringList comboItems(const QString &sql, const QVariantList &params = {}) const;

    // A prepared statement for repeated execution with different values (bulk work).
    QSqlQuery prepare(const QString &sql) const;
    static void execPrepared(QSqlQuery &query, const QVariantList &params);

    int schemaVersion() const;
    bool inTransaction() const { return m_transactionDepth > 0; }

private:
    friend class Transaction;
    Database(const DatabaseSettings &settings, const QString &dataFolder);
    void openConnection();

    DatabaseSettings m_settings;
    SqlDialect m_dialect;
    QString m_connectionName;
    QString m_sqliteFile;
    int m_transactionDepth = 0;
};

} // namespace kesvar
