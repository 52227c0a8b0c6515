#include "app/Application.h"

#include "app/AppHome.h"
#include "app/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "maintenance/Options.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMessageBox>

namespace kesvar::gui {

int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesvar"));

    QCommandLineParser parser;
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("data folder"), QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.addHelpOption();
    parser.process(app);

    AppHome home(DataFolder::resolve(parser.value(homeOption), QApplication::applicationDirPath()));
    std::unique_ptr<Database> db;
    try {
        db = home.openDatabase();
    } catch (const DbError &e) {
        QMessageBox::information(nullptr, QStringLiteral("失败"), QStringLiteral("连接数据库失败...\n") + e.text());
        return 1;
    }
    const SoftInfo info = Options(*db).load();
    QMainWindow window;
    window.setWindowTitle(info.softName + info.version);
    window.showMaximized();
    return app.exec();
}

} // namespace kesvar::gui
