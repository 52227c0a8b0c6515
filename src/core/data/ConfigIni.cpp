#include "data/ConfigIni.h"

namespace kesvar {

namespace {
QString fold(const QString &text) { return text.toCaseFolded(); }
} // namespace

ConfigIni::ConfigIni(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    indexKeys();
}

QString ConfigIni::filePath() const { return m_settings->fileName(); }

void ConfigIni::indexKeys()
{
    m_keysByFoldedName.clear();
    m_sectionsByFoldedName.clear();
    for (const QString &key : m_settings->allKeys()) {
        m_keysByFoldedName.insert(fold(key), key);
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        if (slash > 0)
            m_sectionsByFoldedName.insert(fold(key.left(slash)), key.left(slash));
    }
}

QString ConfigIni::storedKey(const QString &section, const QString &key) const
{
    const QString wanted = section + QLatin1Char('/') + key;
    return m_keysByFoldedName.value(fold(wanted));
}

bool ConfigIni::contains(const QString &section, const QString &key) const
{
    return !storedKey(section, key).isEmpty();
}

QVariant ConfigIni::value(const QString &section, const QString &key, const QVariant &defaultValue) const
{
    const QString stored = storedKey(section, key);
    return stored.isEmpty() ? defaultValue : m_settings->value(stored, defaultValue);
}

void ConfigIni::setValue(const QString &section, const QString &key, const QVariant &value)
{
    QString stored = storedKey(section, key);
    if (stored.isEmpty()) {
        const QString sectionSpelling = m_sectionsByFoldedName.value(fold(section), section);
        stored = sectionSpelling + QLatin1Char('/') + key;
        m_keysByFoldedName.insert(fold(stored), stored);
        m_sectionsByFoldedName.insert(fold(sectionSpelling), sectionSpelling);
    }
    m_settings->setValue(stored, value);
    m_settings->sync();
}

} // namespace kesvar
