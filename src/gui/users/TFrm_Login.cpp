#include "users/TFrm_Login.h"

#include "users/LoginService.h"
#include "users/OperatorAccounts.h"
#include "users/PasswordField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace kesvar::gui {

namespace {
constexpr QSize BannerSize(337, 65);

QPixmap bannerPicture(qreal devicePixelRatio)
{
    QPixmap pixmap(BannerSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/gui/resources/login-banner.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(BannerSize)));
    return pixmap;
}
} // namespace

TFrm_Login::TFrm_Login(Database &db, ConfigIni &config, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_config(config)
    , m_users(new QComboBox)
    , m_password(newPasswordField(QStringLiteral("Edit_Pass")))
{
    setObjectName(QStringLiteral("Frm_Login"));
    setWindowTitle(QStringLiteral("登录"));

    auto *banner = new QLabel;
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setFixedSize(BannerSize);
    banner->setPixmap(bannerPicture(devicePixelRatioF()));
    auto *bannerText = new QVBoxLayout(banner);
    bannerText->setContentsMargins(64, 10, 8, 8);
    auto *label2 = new QLabel(QStringLiteral("请选择操作员姓名并输入相应密码"));
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    auto *label4 = new QLabel(QStringLiteral("初始用户为：“Admin” 密码为空"));
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setStyleSheet(QStringLiteral("color: #dbe8f6;"));
    bannerText->addWidget(label2);
    bannerText->addWidget(label4);

    m_users->setObjectName(QStringLiteral("Combo_User"));
    m_users->setEditable(false);
    m_users->setToolTip(QStringLiteral("请选择一个用户名"));
    m_users->addItems(OperatorAccounts(m_db).names());
    m_users->setCurrentIndex(-1);

    m_password->setToolTip(QStringLiteral("在这输入您的登录密码"));
    m_password->clear();

    auto *label1 = new QLabel(QStringLiteral("用户名称："));
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(m_users);
    auto *label3 = new QLabel(QStringLiteral("用户密码："));
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setBuddy(m_password);

    auto *ok = new QPushButton(QStringLiteral("确定"));
    ok->setObjectName(QStringLiteral("Btn_ok"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("Btn_Exit"));
    connect(ok, &QPushButton::clicked, this, &TFrm_Login::Btn_okClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QGridLayout;
    fields->setContentsMargins(36, 16, 36, 4);
    fields->setVerticalSpacing(10);
    fields->addWidget(label1, 0, 0);
    fields->addWidget(m_users, 0, 1);
    fields->addWidget(label3, 1, 0);
    fields->addWidget(m_password, 1, 1);
    fields->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(36, 8, 36, 14);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrm_Login::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const int position = LoginService::rememberedPosition(m_config);
    m_users->setCurrentIndex(position >= 0 && position < m_users->count() ? position : -1);
    (m_users->currentIndex() >= 0 ? static_cast<QWidget *>(m_password) : m_users)->setFocus();
}

void TFrm_Login::Btn_okClick()
{
    const LoginResult result = LoginService(m_db).login(m_users->currentText(), m_password->text());
    // remembered whatever the outcome, so the next start offers the name tried last
    LoginService::rememberPosition(m_config, m_users->currentIndex());
    switch (result.outcome) {
    case LoginOutcome::Accepted:
        m_loginOk = true;
        m_operatorName = result.operatorName;
        accept();
        return;
    case LoginOutcome::NoOperator:
        QMessageBox::critical(this, QStringLiteral("警告"), result.message());
        m_users->setFocus();
        return;
    case LoginOutcome::WrongPassword:
        QMessageBox::critical(this, QStringLiteral("警告"), result.message());
        m_password->clear();
        m_password->setFocus();
        return;
    case LoginOutcome::PasswordMissing:
        QMessageBox::critical(this, QStringLiteral("警告"), result.message());
        m_password->setFocus();
        return;
    }
}

} // namespace kesvar::gui
