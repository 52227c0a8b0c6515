#pragma once

#include <memory>

namespace kesvar {
class AppHome;
class Database;
} // namespace kesvar

namespace kesvar::gui {

class TFrm_Splash;

namespace StartUp {

// Opens the database of `home`, creating it with its seed rows on a first start. When that fails,
// the splash says so and asks whether to correct the [Database] settings; on Yes the settings
// dialog edits Config.ini and the connection is tried again. Null when the operator answers No or
// cancels the settings, so the program ends without a login.
std::unique_ptr<Database> connectDatabase(AppHome &home, TFrm_Splash &splash);

} // namespace StartUp

} // namespace kesvar::gui
