#include "app/GuiApplication.h"

#include "data/DbError.h"

#include <QMessageBox>

namespace kesvar::gui {

GuiApplication::GuiApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool GuiApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuleError &e) {
        showUncaughtError(QStringLiteral("警告"), e.message());
    } catch (const DbError &e) {
        showUncaughtError(QStringLiteral("错误"), e.text());
    } catch (const std::exception &e) {
        showUncaughtError(QStringLiteral("错误"), QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void GuiApplication::showUncaughtError(const QString &caption, const QString &text)
{
    QMessageBox::critical(activeWindow(), caption, text);
}

} // namespace kesvar::gui
