#pragma once

#include <QString>
#include <vector>

namespace kesvar {

// Which authority row enables each governed entry of the main window: shared commands, menu items
// and submenus (the toolbar buttons show the menu items' actions and follow them), and the buttons
// of the navigation chart. Entries not listed are always enabled. Names are the entries' object
// names in the windows.
struct GovernedEntry
{
    QString name;
    int row;
};

namespace GovernedEntries {
const std::vector<GovernedEntry> &all();
// The row governing `name`, or 0 when the entry is always enabled.
int rowFor(const QString &name);
} // namespace GovernedEntries

} // namespace kesvar
