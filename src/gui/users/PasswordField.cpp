#include "users/PasswordField.h"

#include <QLineEdit>

namespace kesvar::gui {

QLineEdit *newPasswordField(const QString &objectName)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }")); // '*'
    return edit;
}

} // namespace kesvar::gui
