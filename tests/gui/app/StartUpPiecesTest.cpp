#include "ModalCatcher.h"

#include "app/AppHome.h"
#include "app/DataFolder.h"
#include "app/DatabaseSettingsDialog.h"
#include "app/HelpLinks.h"
#include "app/StartUp.h"
#include "app/TFrm_Splash.h"
#include "data/Database.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace kesvar;
using namespace kesvar::gui;

TEST(HelpLinks, HelpFileIsInstalledIntoTheDataFolderOnceAndKeptWhenEdited)
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QString path = HelpLinks::installedHelpFile(folder);
    ASSERT_EQ(path, folder.filePath(QStringLiteral("Help.html")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("开始使用")));
    file.resize(0);
    file.write("本公司的帮助");
    file.close();
    HelpLinks::installedHelpFile(folder);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), QStringLiteral("本公司的帮助"));

    EXPECT_EQ(QUrlQuery(HelpLinks::mailUrl()).queryItemValue(QStringLiteral("subject")), QStringLiteral("改进意见"));
}

TEST(Splash, TakesThePictureOfTheDataFolderOrTheBuiltInOne)
{
    QTemporaryDir dir;
    TFrm_Splash builtIn(dir.path());
    EXPECT_EQ(builtIn.size(), QSize(486, 288));
    EXPECT_EQ(builtIn.message(), QStringLiteral("正在连接数据库,请等待..."));

    QDir(dir.path()).mkpath(QStringLiteral("IMG"));
    QImage picture(600, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("IMG/Splash.bmp")), "BMP"));
    TFrm_Splash own(dir.path());
    EXPECT_EQ(own.size(), QSize(600, 300));
}

TEST(DatabaseSettingsDialog, ReturnsWhatWasTyped)
{
    DatabaseSettings start;
    DatabaseSettingsDialog dialog(start, QStringLiteral("/data"));
    dialog.findChild<QComboBox *>()->setCurrentIndex(1);
    const QList<QLineEdit *> edits = dialog.findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (edit->text() == start.host)
            edit->setText(QStringLiteral(" db.example "));
        else if (edit->text() == start.name)
            edit->setText(QStringLiteral("steel"));
    }
    dialog.findChild<QSpinBox *>()->setValue(6543);
    const DatabaseSettings result = dialog.settings();
    EXPECT_EQ(result.engine, DbEngine::Postgres);
    EXPECT_EQ(result.host, QStringLiteral("db.example"));
    EXPECT_EQ(result.name, QStringLiteral("steel"));
    EXPECT_EQ(result.port, 6543);
    EXPECT_EQ(result.file, start.file);
}

// A server that refuses the connection: the splash says so, the question offers new settings, and
// the program goes on only with settings that connect.
TEST(StartUp, AFailedConnectionAsksForSettingsAndTriesAgain)
{
    QTemporaryDir dir;
    AppHome home(dir.path());
    DatabaseSettings unreachable;
    unreachable.engine = DbEngine::Postgres;
    unreachable.port = 1;
    auto refuse = [&home, &unreachable] { unreachable.writeTo(home.config()); };
    TFrm_Splash splash(dir.path());

    refuse();
    {
        test::ModalCatcher answerNo(QMessageBox::No);
        EXPECT_EQ(StartUp::connectDatabase(home, splash), nullptr);
        ASSERT_EQ(answerNo.seen().size(), 1);
        EXPECT_EQ(answerNo.lastCaption(), QStringLiteral("失败"));
        EXPECT_EQ(answerNo.lastText(), QStringLiteral("连接数据库失败,要重新配置数据库吗?"));
        EXPECT_EQ(answerNo.seen().last().icon, QMessageBox::Information);
        EXPECT_EQ(splash.message(), QStringLiteral("连接数据库失败..."));
    }
    {
        int settingsShown = 0;
        test::ModalCatcher cancelSettings(QMessageBox::Yes, [&settingsShown](QDialog *dialog) {
            ++settingsShown;
            dialog->reject();
        });
        EXPECT_EQ(StartUp::connectDatabase(home, splash), nullptr);
        EXPECT_EQ(settingsShown, 1);
    }
    {
        test::ModalCatcher chooseSqlite(QMessageBox::Yes, [](QDialog *dialog) {
            dialog->findChild<QComboBox *>()->setCurrentIndex(0);
            dialog->accept();
        });
        const std::unique_ptr<Database> db = StartUp::connectDatabase(home, splash);
        ASSERT_NE(db, nullptr);
        EXPECT_EQ(chooseSqlite.seen().size(), 1);
        EXPECT_EQ(home.databaseSettings().engine, DbEngine::Sqlite) << "the corrected settings are kept";
        EXPECT_EQ(splash.message(), QStringLiteral("正在连接数据库,请等待..."));
        EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM T_User")).toInt(), 1) << "created with its seed rows";
    }
}
