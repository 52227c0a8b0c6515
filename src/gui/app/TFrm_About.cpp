#include "app/TFrm_About.h"

#include "app/AppHome.h"
#include "app/HelpLinks.h"
#include "app/Session.h"

#include <QDate>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesvar::gui {

namespace {
QLabel *linkLabel(const QString &text, const QUrl &url)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toString(QUrl::FullyEncoded), text.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    QObject::connect(label, &QLabel::linkActivated, label, [url] { QDesktopServices::openUrl(url); });
    return label;
}
} // namespace

TFrm_About::TFrm_About(const Session &session, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于..."));
    auto *layout = new QVBoxLayout(this);

    auto *strip = new QLabel;
    strip->setObjectName(QStringLiteral("Image1"));
    const QPixmap picture = session.home ? QPixmap(session.home->folder().filePath(QStringLiteral("IMG/About.bmp"))) : QPixmap();
    strip->setPixmap(picture);
    strip->setVisible(!picture.isNull()); // an empty strip would only leave a gap
    layout->addWidget(strip);

    auto *product = new QLabel(session.options.softName + session.options.version);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    product->setFont(bold);
    layout->addWidget(product);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("网站："), linkLabel(HelpLinks::supportWebSite(), QUrl(HelpLinks::supportWebSite())));
    form->addRow(QStringLiteral("邮箱："), linkLabel(HelpLinks::supportMailbox(), QUrl(QStringLiteral("mailto:") + HelpLinks::supportMailbox())));
    form->addRow(QStringLiteral("电话："), new QLabel(HelpLinks::supportTelephone()));
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("版权所有 © %1 Kesvar 软件。保留所有权利。").arg(QDate::currentDate().year())));

    auto *memo = new QPlainTextEdit;
    memo->setReadOnly(true);
    memo->setFixedHeight(70);
    layout->addWidget(memo);

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("确定(&O)"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kesvar::gui
