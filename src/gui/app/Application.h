#pragma once

namespace kesvar::gui {

// The windowed program: splash, database (with the chance to correct its settings when it cannot
// be opened), login, main window. Returns the exit status.
int runApplication(int argc, char *argv[]);

} // namespace kesvar::gui
