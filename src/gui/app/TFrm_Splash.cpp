#include "app/TFrm_Splash.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace kesvar::gui {

namespace {
constexpr QSize BuiltInSize(486, 288);
const QPoint LabelPosition(227, 204);

QPixmap builtInPicture()
{
    QPixmap pixmap(BuiltInSize);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/gui/resources/splash.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
} // namespace

TFrm_Splash::TFrm_Splash(const QString &dataFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(new QLabel(this))
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("Frm_Splash"));
    QPixmap picture(QDir(dataFolder).filePath(QStringLiteral("IMG/Splash.bmp")));
    if (picture.isNull())
        picture = builtInPicture();
    m_picture->setPixmap(picture);
    m_picture->resize(picture.size());
    setFixedSize(picture.size());

    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    m_label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    // a picture of another size keeps the label at the same relative place
    const QPoint position(LabelPosition.x() * picture.width() / BuiltInSize.width(),
                          LabelPosition.y() * picture.height() / BuiltInSize.height());
    m_label->move(position);
    setMessage(QStringLiteral("正在连接数据库,请等待..."));
}

void TFrm_Splash::setMessage(const QString &text)
{
    m_label->setText(text);
    m_label->adjustSize();
    m_label->repaint();
}

QString TFrm_Splash::message() const
{
    return m_label->text();
}

void TFrm_Splash::showNow()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kesvar::gui
