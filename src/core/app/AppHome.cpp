#include "app/AppHome.h"

#include "data/Database.h"
#include "report/ReportTemplates.h"

namespace kesvar {

AppHome::AppHome(const QString &folderPath)
    : m_folder(folderPath)
{
    m_folder.ensureExists();
    m_config = std::make_unique<ConfigIni>(m_folder.configFile());
    if (!m_config->contains(QStringLiteral("Database"), QStringLiteral("Driver")))
        DatabaseSettings().writeTo(*m_config);
    report::ReportTemplates::installMissing(m_folder);
}

DatabaseSettings AppHome::databaseSettings() const
{
    return DatabaseSettings::fromConfig(*m_config);
}

bool AppHome::databaseExists() const
{
    return Database::exists(databaseSettings(), m_folder.path());
}

std::unique_ptr<Database> AppHome::openDatabase() const
{
    return Database::open(databaseSettings(), m_folder.path());
}

} // namespace kesvar
