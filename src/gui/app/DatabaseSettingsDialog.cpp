#include "app/DatabaseSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kesvar::gui {

DatabaseSettingsDialog::DatabaseSettingsDialog(const DatabaseSettings &settings, const QString &dataFolder, QWidget *parent)
    : QDialog(parent)
    , m_original(settings)
    , m_dataFolder(dataFolder)
    , m_engine(new QComboBox)
    , m_pages(new QStackedWidget)
    , m_file(new QLineEdit(settings.file))
    , m_host(new QLineEdit(settings.host))
    , m_port(new QSpinBox)
    , m_name(new QLineEdit(settings.name))
    , m_user(new QLineEdit(settings.user))
    , m_password(new QLineEdit(settings.password))
    , m_schema(new QLineEdit(settings.schema))
{
    setWindowTitle(QStringLiteral("数据库设置"));
    m_engine->addItem(QStringLiteral("本机数据库文件 (SQLite)"));
    m_engine->addItem(QStringLiteral("数据库服务器 (PostgreSQL)"));
    m_engine->setCurrentIndex(settings.engine == DbEngine::Sqlite ? 0 : 1);

    auto *filePage = new QWidget;
    auto *fileForm = new QFormLayout(filePage);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    auto *browse = new QPushButton(QStringLiteral("浏览..."));
    connect(browse, &QPushButton::clicked, this, &DatabaseSettingsDialog::browseFile);
    fileRow->addWidget(browse);
    fileForm->addRow(QStringLiteral("数据库文件："), fileRow);

    auto *serverPage = new QWidget;
    auto *serverForm = new QFormLayout(serverPage);
    m_port->setRange(1, 65535);
    m_port->setValue(settings.port);
    m_password->setEchoMode(QLineEdit::Password);
    serverForm->addRow(QStringLiteral("服务器："), m_host);
    serverForm->addRow(QStringLiteral("端口："), m_port);
    serverForm->addRow(QStringLiteral("数据库名："), m_name);
    serverForm->addRow(QStringLiteral("用户名："), m_user);
    serverForm->addRow(QStringLiteral("密码："), m_password);
    serverForm->addRow(QStringLiteral("模式 (可空)："), m_schema);

    m_pages->addWidget(filePage);
    m_pages->addWidget(serverPage);
    m_pages->setCurrentIndex(m_engine->currentIndex());
    connect(m_engine, &QComboBox::currentIndexChanged, m_pages, &QStackedWidget::setCurrentIndex);

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *engineForm = new QFormLayout;
    engineForm->addRow(QStringLiteral("数据库类型："), m_engine);
    layout->addLayout(engineForm);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

DatabaseSettings DatabaseSettingsDialog::settings() const
{
    DatabaseSettings settings = m_original;
    settings.engine = m_engine->currentIndex() == 0 ? DbEngine::Sqlite : DbEngine::Postgres;
    settings.file = m_file->text().trimmed();
    settings.host = m_host->text().trimmed();
    settings.port = m_port->value();
    settings.name = m_name->text().trimmed();
    settings.user = m_user->text().trimmed();
    settings.password = m_password->text();
    settings.schema = m_schema->text().trimmed();
    return settings;
}

void DatabaseSettingsDialog::browseFile()
{
    const QString start = QDir(m_dataFolder).absoluteFilePath(m_file->text());
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("选择数据库文件"), start,
                                                        QStringLiteral("数据库文件 (*.db);;所有文件 (*)"), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return;
    const QString relative = QDir(m_dataFolder).relativeFilePath(chosen);
    m_file->setText(relative.startsWith(QLatin1String("..")) ? chosen : relative);
}

} // namespace kesvar::gui
