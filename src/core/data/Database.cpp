#include "data/Database.h"

#include "data/DbError.h"
#include "data/SchemaBuilder.h"
#include "data/Transaction.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace kesvar {

namespace {

QAtomicInt g_connectionCounter;

QString engineText(const QSqlError &error)
{
    QString text = error.text().trimmed();
    if (!error.nativeErrorCode().isEmpty() && !text.contains(error.nativeErrorCode()))
        text += QStringLiteral(" (%1)").arg(error.nativeErrorCode());
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

void bindAll(QSqlQuery &query, const QVariantList &params)
{
    for (int i = 0; i < params.size(); ++i)
        query.bindValue(i, params.at(i));
}

} // namespace

Database::Database(const DatabaseSettings &settings, const QString &dataFolder)
    : m_settings(settings)
    , m_dialect(settings.engine)
    , m_connectionName(QStringLiteral("kesvar-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1)))
{
    if (settings.engine == DbEngine::Sqlite)
        m_sqliteFile = settings.sqliteFilePath(dataFolder);
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::openConnection()
{
    QSqlDatabase db;
    if (m_settings.engine == DbEngine::Sqlite) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(m_sqliteFile);
        // Two program instances (or the program and kesvar-cli) on one file wait for each other.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        db.setHostName(m_settings.host);
        db.setPort(m_settings.port);
        db.setDatabaseName(m_settings.name);
        db.setUserName(m_settings.user);
        db.setPassword(m_settings.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    }
    if (!db.open())
        throw DbError(engineText(db.lastError()));

    if (m_settings.engine == DbEngine::Sqlite) {
        // WAL with full synchronisation keeps every committed transaction across a crash or power
        // loss and lets readers go on while one workstation writes.
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    } else {
        exec(QStringLiteral("SET client_min_messages TO WARNING"));
        if (!m_settings.schema.isEmpty()) {
            exec(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(m_settings.schema));
            exec(QStringLiteral("SET search_path TO %1, public").arg(m_settings.schema));
        }
    }
}

std::unique_ptr<Database> Database::connect(const DatabaseSettings &settings, const QString &dataFolder)
{
    std::unique_ptr<Database> db(new Database(settings, dataFolder));
    if (settings.engine == DbEngine::Sqlite && !QFileInfo::exists(db->m_sqliteFile))
        throw DbError(QStringLiteral("database file not found: %1").arg(db->m_sqliteFile));
    db->openConnection();
    return db;
}

std::unique_ptr<Database> Database::open(const DatabaseSettings &settings, const QString &dataFolder)
{
    std::unique_ptr<Database> db(new Database(settings, dataFolder));
    if (settings.engine == DbEngine::Sqlite)
        QDir().mkpath(QFileInfo(db->m_sqliteFile).absolutePath());
    db->openConnection();
    SchemaBuilder(*db).prepare();
    return db;
}

bool Database::exists(const DatabaseSettings &settings, const QString &dataFolder)
{
    if (settings.engine == DbEngine::Sqlite)
        return QFileInfo::exists(settings.sqliteFilePath(dataFolder));
    try {
        auto db = connect(settings, dataFolder);
        return SchemaBuilder(*db).installedVersion() > 0;
    } catch (const DbError &) {
        return false;
    }
}

bool Database::isConnected() const
{
    return QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery Database::prepare(const QString &sql) const
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(engineText(query.lastError()));
    return query;
}

void Database::execPrepared(QSqlQuery &query, const QVariantList &params)
{
    bindAll(query, params);
    if (!query.exec())
        throw DbError(engineText(query.lastError()));
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &params) const
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (params.isEmpty()) {
        if (!query.exec(sql))
            throw DbError(engineText(query.lastError()));
        return query;
    }
    if (!query.prepare(sql))
        throw DbError(engineText(query.lastError()));
    execPrepared(query, params);
    return query;
}

RowSet Database::select(const QString &sql, const QVariantList &params, const QStringList &names) const
{
    QSqlQuery query = exec(sql, params);
    return RowSet::fromQuery(query, names);
}

QVariant Database::scalar(const QString &sql, const QVariantList &params) const
{
    QSqlQuery query = exec(sql, params);
    return query.next() ? query.value(0) : QVariant();
}

bool Database::hasRows(const QString &sql, const QVariantList &params) const
{
    QSqlQuery query = exec(sql, params);
    return query.next();
}

QStringList Database::comboItems(const QString &sql, const QVariantList &params) const
{
    QSqlQuery query = exec(sql, params);
    QStringList items;
    while (query.next())
        items << query.value(1).toString().trimmed();
    return items;
}

int Database::schemaVersion() const
{
    return SchemaBuilder(const_cast<Database &>(*this)).installedVersion();
}

} // namespace kesvar
