#include "app/StartUp.h"

#include "app/AppHome.h"
#include "app/DatabaseSettingsDialog.h"
#include "app/TFrm_Splash.h"
#include "data/Database.h"
#include "data/DbError.h"

#include <QMessageBox>

namespace kesvar::gui::StartUp {

std::unique_ptr<Database> connectDatabase(AppHome &home, TFrm_Splash &splash)
{
    for (;;) {
        try {
            return home.openDatabase();
        } catch (const DbError &e) {
            splash.setMessage(QStringLiteral("连接数据库失败..."));
            // owned by the splash so the question stays above it and centred on it
            QMessageBox question(QMessageBox::Information, QStringLiteral("失败"),
                                 QStringLiteral("连接数据库失败,要重新配置数据库吗?"),
                                 QMessageBox::Yes | QMessageBox::No, &splash);
            question.setDetailedText(e.text());
            if (question.exec() != QMessageBox::Yes)
                return nullptr;
            DatabaseSettingsDialog settings(home.databaseSettings(), home.folder().path(), &splash);
            if (settings.exec() != QDialog::Accepted)
                return nullptr;
            settings.settings().writeTo(home.config());
            splash.setMessage(QStringLiteral("正在连接数据库,请等待..."));
        }
    }
}

} // namespace kesvar::gui::StartUp
