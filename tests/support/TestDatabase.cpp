#include "TestDatabase.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QRandomGenerator>

namespace kesvar::test {

namespace {

bool wantsPostgres()
{
    return qEnvironmentVariable("KESVAR_TEST_ENGINE").compare(QLatin1String("postgres"), Qt::CaseInsensitive) == 0;
}

QAtomicInt g_schemaCounter;

} // namespace

QString TestDatabase::unavailableReason()
{
    if (wantsPostgres() && qEnvironmentVariable("KESVAR_TEST_PG").isEmpty())
        return QStringLiteral("PostgreSQL run skipped: set KESVAR_TEST_PG to \"host=... port=... dbname=... "
                              "user=... password=...\" to run it");
    return {};
}

TestDatabase::TestDatabase()
{
    if (wantsPostgres()) {
        m_settings = DatabaseSettings::fromPostgresConnInfo(qEnvironmentVariable("KESVAR_TEST_PG"));
        m_settings.schema = QStringLiteral("kt_%1_%2_%3")
                                .arg(QCoreApplication::applicationPid())
                                .arg(g_schemaCounter.fetchAndAddRelaxed(1))
                                .arg(QRandomGenerator::global()->bounded(1000000));
    } else {
        m_settings.engine = DbEngine::Sqlite;
        m_settings.file = QStringLiteral("DataBase/Kesvar.db");
    }
}

TestDatabase::~TestDatabase()
{
    if (m_settings.engine != DbEngine::Postgres)
        return;
    try {
        DatabaseSettings plain = m_settings;
        plain.schema.clear();
        auto db = Database::connect(plain, dataFolder());
        db->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_settings.schema));
    } catch (...) {
        // A schema left behind only costs space on the test server.
    }
}

std::unique_ptr<Database> TestDatabase::open() const
{
    return Database::open(m_settings, dataFolder());
}

std::unique_ptr<Database> TestDatabase::connectOnly() const
{
    if (m_settings.engine == DbEngine::Sqlite) {
        // Connecting to a SQLite file that does not exist yet creates it empty.
        QDir().mkpath(QFileInfo(m_settings.sqliteFilePath(dataFolder())).absolutePath());
        QFile(m_settings.sqliteFilePath(dataFolder())).open(QIODevice::WriteOnly | QIODevice::Append);
    }
    return Database::connect(m_settings, dataFolder());
}

void DatabaseTest::SetUp()
{
    KESVAR_SKIP_WITHOUT_ENGINE();
    m_testDb = std::make_unique<TestDatabase>();
    m_db = m_testDb->open();
}

void DatabaseTest::TearDown()
{
    m_db.reset();
    m_testDb.reset();
}

} // namespace kesvar::test
