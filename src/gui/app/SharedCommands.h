#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;

namespace kesvar::gui {

// The named commands of the main window. Other windows bind their toolbar buttons to these actions
// (QToolButton::setDefaultAction) and connect their handlers to `triggered` while they are open, so
// one action with one enabled state serves every window that shows it; authority greys it once.
class SharedCommands : public QObject
{
    Q_OBJECT
public:
    explicit SharedCommands(QObject *parent = nullptr);

    // The command named `name` (for example "AddBill"), or nullptr for an unknown name.
    QAction *command(const QString &name) const;
    QStringList names() const { return m_order; }

private:
    void add(const QString &name, const QString &caption);

    QHash<QString, QAction *> m_commands;
    QStringList m_order;
};

} // namespace kesvar::gui
