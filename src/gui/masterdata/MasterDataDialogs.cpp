#include "masterdata/MasterDataDialogs.h"

#include "data/DbError.h"

#include <QMessageBox>

namespace kesvar::gui::MasterDataDialogs {

namespace {

int show(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void warn(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, QStringLiteral("警告"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void confirmOk(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Question, QStringLiteral("确认"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void inform(QWidget *parent, const QString &text)
{
    show(parent, QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askWarning(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Information, QStringLiteral("警告"), text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

bool confirm(QWidget *parent, const QString &text)
{
    return show(parent, QMessageBox::Question, QStringLiteral("确认"), text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

bool attempt(QWidget *parent, const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const RuleError &e) {
        warn(parent, e.message());
    } catch (const DbError &e) {
        inform(parent, e.text());
    }
    return false;
}

} // namespace kesvar::gui::MasterDataDialogs
