#pragma once

#include <QString>

namespace kesvar::gui {

// Start-up of the windowed program: data folder, database, main window. Returns the exit status.
int runApplication(int argc, char *argv[]);

} // namespace kesvar::gui
