#pragma once

#include "app/DataFolder.h"
#include "data/ConfigIni.h"
#include "data/DatabaseSettings.h"

#include <memory>

namespace kesvar {

class Database;

// One data folder with its settings file: what both front ends start from.
class AppHome
{
public:
    // Creates the folder and its sub-folders when missing, and a Config.ini with the default
    // [Database] section (an embedded SQLite file) when it has none.
    explicit AppHome(const QString &folderPath);

    const DataFolder &folder() const { return m_folder; }
    ConfigIni &config() { return *m_config; }
    DatabaseSettings databaseSettings() const;

    bool databaseExists() const;
    // Opens the database, creating it with its seed rows when it does not exist yet.
    std::unique_ptr<Database> openDatabase() const;

private:
    DataFolder m_folder;
    std::unique_ptr<ConfigIni> m_config;
};

} // namespace kesvar
