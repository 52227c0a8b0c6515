#pragma once

#include "data/Database.h"
#include "data/DatabaseSettings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kesvar::test {

// A fresh, empty database on the engine the test run names in KESVAR_TEST_ENGINE ("sqlite", the
// default, or "postgres" with the server in KESVAR_TEST_PG). SQLite gets a file in a temporary data
// folder; PostgreSQL a schema of its own, dropped afterwards.
class TestDatabase
{
public:
    // Empty string when the engine is available, else the reason to skip.
    static QString unavailableReason();

    TestDatabase();
    ~TestDatabase();

    QString dataFolder() const { return m_folder.path(); }
    DatabaseSettings settings() const { return m_settings; }

    // Opens (creating the schema and seeds on first use) another connection to this database.
    std::unique_ptr<Database> open() const;
    // Connects without creating anything (for building older schema versions by hand).
    std::unique_ptr<Database> connectOnly() const;

private:
    QTemporaryDir m_folder;
    DatabaseSettings m_settings;
};

// Fixture: a seeded database in db(), fresh for every test. Skips on an unavailable engine.
class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    Database &db() { return *m_db; }
    TestDatabase &testDatabase() { return *m_testDb; }

private:
    std::unique_ptr<TestDatabase> m_testDb;
    std::unique_ptr<Database> m_db;
};

} // namespace kesvar::test

// Skips the current test when the engine of this run is not configured.
#define KESVAR_SKIP_WITHOUT_ENGINE()                                                              \
    do {                                                                                          \
        const QString reason = ::kesvar::test::TestDatabase::unavailableReason();                 \
        if (!reason.isEmpty())                                                                    \
            GTEST_SKIP() << reason.toStdString();                                                 \
    } while (0)
