#include "app/Application.h"

#include "app/AppHome.h"
#include "app/DataFolder.h"
#include "app/GuiApplication.h"
#include "app/HelpLinks.h"
#include "app/Session.h"
#include "app/StartUp.h"
#include "app/TFrm_Main.h"
#include "app/TFrm_Splash.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "maintenance/Options.h"
#include "users/TFrm_Login.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace kesvar::gui {

namespace {

QString promptLogin(TFrm_Main &main, ConfigIni &config)
{
    TFrm_Login login(*main.session().db, config, main.isVisible() ? &main : nullptr);
    login.exec();
    return login.loginOk() ? login.operatorName() : QString();
}

} // namespace

int runApplication(int argc, char *argv[])
{
    GuiApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesvar"));
    // Qt's own texts (message box buttons, edit menus) in Chinese like the rest of the program
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("data folder"), QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.addHelpOption();
    parser.process(app);
    const QString folder = DataFolder::resolve(parser.value(homeOption), QApplication::applicationDirPath());

    TFrm_Splash splash(folder);
    splash.showNow();

    AppHome home(folder);
    const std::unique_ptr<Database> db = StartUp::connectDatabase(home, splash);
    if (!db)
        return 1;
    HelpLinks::installedHelpFile(home.folder());

    // Until the event loop runs, nothing else catches an engine error (an unreadable T_User or
    // T_SoftInfo): report it the standard way and end instead of aborting.
    try {
        Session session;
        session.home = &home;
        session.db = db.get();
        session.options = Options(*db).load();
        TFrm_Main main(session);
        main.setLoginPrompt([&home](TFrm_Main &window) { return promptLogin(window, home.config()); });
        splash.close();

        const QString operatorName = promptLogin(main, home.config());
        if (operatorName.isEmpty())
            return 0;
        main.applyLogin(operatorName);
        // without a window manager (a bare X server) maximising does nothing; start at full size anyway
        if (const QScreen *screen = main.screen())
            main.setGeometry(screen->availableGeometry());
        main.showMaximized();
        return app.exec();
    } catch (const DbError &e) {
        splash.close();
        GuiApplication::showUncaughtError(QStringLiteral("错误"), e.text());
        return 1;
    }
}

} // namespace kesvar::gui
