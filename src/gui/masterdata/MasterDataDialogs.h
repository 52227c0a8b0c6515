#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kesvar::gui::MasterDataDialogs {

// A validation refusal or notice: title "警告", information icon, OK.
void warn(QWidget *parent, const QString &text);
// A notice in a confirmation dialog with only OK (the duplicate-code refusals).
void confirmOk(QWidget *parent, const QString &text);
// An information dialog with OK (a failed save).
void inform(QWidget *parent, const QString &text);
// A Yes/No question titled "警告" with an information icon; true for Yes.
bool askWarning(QWidget *parent, const QString &text);
// A Yes/No confirmation; true for Yes.
bool confirm(QWidget *parent, const QString &text);

// Runs a core call from a window's handler and shows a refusal (RuleError as a warning, DbError
// as a notice) instead of letting it reach the event loop; false when refused.
bool attempt(QWidget *parent, const std::function<void()> &work);

} // namespace kesvar::gui::MasterDataDialogs
