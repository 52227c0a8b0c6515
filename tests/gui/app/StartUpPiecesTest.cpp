#include "app/DataFolder.h"
#include "app/DatabaseSettingsDialog.h"
#include "app/HelpLinks.h"
#include "app/TFrm_Splash.h"

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
