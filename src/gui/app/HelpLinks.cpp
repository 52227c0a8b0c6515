#include "app/HelpLinks.h"

#include "app/DataFolder.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrlQuery>

namespace kesvar::gui::HelpLinks {

QString supportMailbox()
{
    return QStringLiteral("support@kesvar.example");
}

QString supportWebSite()
{
    return QStringLiteral("https://www.kesvar.example/");
}

QString supportTelephone()
{
    return QStringLiteral("400-800-0000");
}

QUrl mailUrl()
{
    QUrl url(QStringLiteral("mailto:") + supportMailbox());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("改进意见"));
    url.setQuery(query);
    return url;
}

QString installedHelpFile(const DataFolder &folder)
{
    const QString path = folder.filePath(QStringLiteral("Help.html"));
    if (QFile::exists(path))
        return path;
    if (!QFile::copy(QStringLiteral(":/gui/resources/help/Help.html"), path))
        return {};
    // resource copies are read-only; an administrator may want to edit the help text
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    return path;
}

void openHelp(const DataFolder &folder)
{
    const QString path = installedHelpFile(folder);
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void openMail()
{
    QDesktopServices::openUrl(mailUrl());
}

void openWebSite()
{
    QDesktopServices::openUrl(QUrl(supportWebSite()));
}

} // namespace kesvar::gui::HelpLinks
