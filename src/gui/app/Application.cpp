#include "app/Application.h"

#include "app/AppHome.h"
#include "app/DataFolder.h"
#include "app/DatabaseSettingsDialog.h"
#include "app/GuiApplication.h"
#include "app/HelpLinks.h"
#include "app/Session.h"
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
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>

namespace kesvar::gui {

namespace {

// Opens the database, creating it on a first start. When that fails, the operator may correct the
// [Database] settings and try again; null when the operator gives up.
std::unique_ptr<Database> connectDatabase(AppHome &home, TFrm_Splash &splash)
{
    for (;;) {
        try {
            return home.openDatabase();
        } catch (const DbError &e) {
            splash.setMessage(QStringLiteral("连接数据库失败..."));
            QMessageBox question(QMessageBox::Question, QStringLiteral("失败"),
                                 QStringLiteral("连接数据库失败,要重新配置数据库吗?"),
                                 QMessageBox::Yes | QMessageBox::No);
            question.setDetailedText(e.text());
            if (question.exec() != QMessageBox::Yes)
                return nullptr;
            DatabaseSettingsDialog settings(home.databaseSettings(), home.folder().path());
            if (settings.exec() != QDialog::Accepted)
                return nullptr;
            settings.settings().writeTo(home.config());
            splash.setMessage(QStringLiteral("正在连接数据库,请等待..."));
        }
    }
}

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
    const std::unique_ptr<Database> db = connectDatabase(home, splash);
    if (!db)
        return 1;
    HelpLinks::installedHelpFile(home.folder());

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
}

} // namespace kesvar::gui
