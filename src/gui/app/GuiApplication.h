#pragma once

#include <QApplication>

namespace kesvar::gui {

// The application object of the windowed program. An error that a window's handler does not catch
// (a database error, a refused rule) stops that handler and is shown in a message box; the program
// keeps running.
class GuiApplication : public QApplication
{
    Q_OBJECT
public:
    GuiApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The message box for an error that reached the event loop.
    static void showUncaughtError(const QString &caption, const QString &text);
};

} // namespace kesvar::gui
