#include "app/AppHome.h"
#include "app/DataFolder.h"
#include "data/ConfigIni.h"
#include "data/DatabaseSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kesvar;

TEST(ConfigIni, SectionsAndKeysIgnoreLetterCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Config.ini");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[login]\nUsername=3\n[Config]\nDirectoryList=/backup\n");
    }
    ConfigIni config(path);
    EXPECT_EQ(config.value("LOGIN", "username", -1).toInt(), 3);
    EXPECT_EQ(config.value("config", "directorylist").toString(), QStringLiteral("/backup"));
    EXPECT_EQ(config.value("config", "drive", -1).toInt(), -1);

    // A write under another spelling replaces the stored key instead of adding a second one.
    config.setValue("Login", "UserName", 5);
    config.setValue("config", "Drive", 2);
    ConfigIni reread(path);
    EXPECT_EQ(reread.value("login", "USERNAME").toInt(), 5);
    EXPECT_EQ(reread.value("Config", "drive").toInt(), 2);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text.count(QStringLiteral("sername="), Qt::CaseInsensitive), 1);
    EXPECT_EQ(text.count(QStringLiteral("[config]"), Qt::CaseInsensitive), 1);
}

TEST(DataFolder, HomeArgumentThenEnvironmentThenProgramFolder)
{
    QTemporaryDir program;
    QTemporaryDir env;
    qputenv("KESVAR_HOME", env.path().toUtf8());
    EXPECT_EQ(DataFolder::resolve("/tmp/given", program.path()), QStringLiteral("/tmp/given"));
    EXPECT_EQ(DataFolder::resolve(QString(), program.path()), QDir(env.path()).absolutePath());
    qunsetenv("KESVAR_HOME");
    EXPECT_EQ(DataFolder::resolve(QString(), program.path()), QDir(program.path()).absolutePath());
    // An unwritable program folder falls back to the per-user data folder.
    EXPECT_NE(DataFolder::resolve(QString(), "/proc"), QStringLiteral("/proc"));
}

TEST(AppHome, FirstUseWritesTheDefaultDatabaseSection)
{
    QTemporaryDir dir;
    AppHome home(dir.filePath("k"));
    EXPECT_TRUE(QFileInfo(home.folder().databaseFolder()).isDir());
    EXPECT_TRUE(QFileInfo(home.folder().reportsFolder()).isDir());
    const DatabaseSettings settings = home.databaseSettings();
    EXPECT_EQ(settings.engine, DbEngine::Sqlite);
    EXPECT_EQ(settings.sqliteFilePath(home.folder().path()), QDir(dir.filePath("k")).filePath("DataBase/Kesvar.db"));
    EXPECT_FALSE(home.databaseExists());
}
