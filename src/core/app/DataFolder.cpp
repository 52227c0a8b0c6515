#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kesvar {

namespace {
bool isWritableFolder(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kesvar-write-test-XXXXXX")));
    return probe.open();
}
} // namespace

QString DataFolder::resolve(const QString &homeArgument, const QString &programFolder)
{
    if (!homeArgument.isEmpty())
        return QDir(homeArgument).absolutePath();
    const QString fromEnvironment = qEnvironmentVariable("KESVAR_HOME");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    if (isWritableFolder(programFolder))
        return QDir(programFolder).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DataFolder::filePath(const QString &relative) const { return QDir(m_path).filePath(relative); }
QString DataFolder::configFile() const { return filePath(QStringLiteral("Config.ini")); }
QString DataFolder::databaseFolder() const { return filePath(QStringLiteral("DataBase")); }
QString DataFolder::reportsFolder() const { return filePath(QStringLiteral("Reports")); }
QString DataFolder::imagesFolder() const { return filePath(QStringLiteral("IMG")); }

bool DataFolder::ensureExists() const
{
    QDir dir;
    return dir.mkpath(m_path) && dir.mkpath(databaseFolder()) && dir.mkpath(reportsFolder())
        && dir.mkpath(imagesFolder());
}

} // namespace kesvar
