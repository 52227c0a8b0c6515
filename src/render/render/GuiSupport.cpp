#include "render/GuiSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kesvar::render {

namespace {

#ifdef Q_OS_UNIX
// A directory only this user can enter, as Qt requires of a runtime directory. An existing one of
// another owner is not used: Qt then picks its own fallback.
void provideRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("kesvar-runtime-%1").arg(::getuid()));
    if (!QDir().mkpath(path))
        return;
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != ::getuid())
        return;
    if (!QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
}
#endif

} // namespace

void prepareWindowlessGui()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#ifdef Q_OS_UNIX
    provideRuntimeDirectory();
#endif
}

} // namespace kesvar::render
