#pragma once

#include <QIcon>
#include <QString>

namespace kesvar::gui {

// One of the built-in pictures in resources/icons ("goods" -> icons/goods.svg).
inline QIcon builtInIcon(const QString &name)
{
    return QIcon(QStringLiteral(":/gui/resources/icons/%1.svg").arg(name));
}

} // namespace kesvar::gui
