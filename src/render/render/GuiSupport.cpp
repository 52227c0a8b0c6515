#include "render/GuiSupport.h"

#include <QByteArray>
#include <QtGlobal>

namespace kesvar::render {

void useOffscreenPlatformUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

} // namespace kesvar::render
