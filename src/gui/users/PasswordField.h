#pragma once

class QLineEdit;
class QString;

namespace kesvar::gui {

// A password box of the login and password dialogs: empty, and every typed character shown as "*"
// whatever the style's own mask character is.
QLineEdit *newPasswordField(const QString &objectName);

} // namespace kesvar::gui
