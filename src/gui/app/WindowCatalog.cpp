#include "app/WindowCatalog.h"

namespace kesvar::gui {

void WindowCatalog::openModal(TFrm_Main &main, const QString &name, QWidget *owner, const QStringList &values) const
{
    const auto it = m_modals.constFind(name);
    if (it != m_modals.constEnd())
        (*it)(main, owner, values);
}

QWidget *WindowCatalog::createChild(TFrm_Main &main, const QString &windowClass) const
{
    const auto it = m_children.constFind(windowClass);
    return it == m_children.constEnd() ? nullptr : (*it)(main);
}

} // namespace kesvar::gui
