#pragma once

#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

namespace kesvar {

// The per-workstation settings file Config.ini. Section and key names are matched without regard to
// letter case (QSettings alone is case-sensitive on Linux); a write keeps the spelling already in the
// file, or uses the caller's spelling for a new key, and reaches the file at once.
class ConfigIni
{
public:
    explicit ConfigIni(const QString &filePath);

    QString filePath() const;
    QVariant value(const QString &section, const QString &key, const QVariant &defaultValue = {}) const;
    void setValue(const QString &section, const QString &key, const QVariant &value);
    bool contains(const QString &section, const QString &key) const;

private:
    QString storedKey(const QString &section, const QString &key) const;
    void indexKeys();

    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QString> m_keysByFoldedName; // "section/key" folded -> spelling in the file
    QHash<QString, QString> m_sectionsByFoldedName;
};

} // namespace kesvar
