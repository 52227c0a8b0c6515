#pragma once

#include <QString>
#include <QUrl>

namespace kesvar {
class DataFolder;
}

namespace kesvar::gui::HelpLinks {

// The maker's addresses, shown in the About dialog and opened by the help menu.
QString supportMailbox();
QString supportWebSite();
QString supportTelephone();

// "mailto:" link to the support mailbox with the subject "改进意见".
QUrl mailUrl();

// The help file of the data folder (Help.html), written there from the built-in copy when missing.
// Empty when the folder cannot take it.
QString installedHelpFile(const DataFolder &folder);
// Asks the desktop to open the help file; nothing is reported when that fails.
void openHelp(const DataFolder &folder);
void openMail();
void openWebSite();

} // namespace kesvar::gui::HelpLinks
