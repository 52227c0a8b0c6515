#pragma once

#include <QString>

namespace kesvar {

// The folder that holds Config.ini, DataBase/, Reports/ and IMG/: the --home argument, else
// KESVAR_HOME, else the program folder when it is writable, else the per-user application data folder.
class DataFolder
{
public:
    static QString resolve(const QString &homeArgument, const QString &programFolder);

    explicit DataFolder(QString path) : m_path(std::move(path)) {}

    QString path() const { return m_path; }
    QString configFile() const;
    QString databaseFolder() const;
    QString reportsFolder() const;
    QString imagesFolder() const;
    QString filePath(const QString &relative) const;

    // Creates the folder and its sub-folders; false when the file system refuses.
    bool ensureExists() const;

private:
    QString m_path;
};

} // namespace kesvar
