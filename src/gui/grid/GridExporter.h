#pragma once

#include <QString>

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class DataGrid;

// The export of a grid (ExportGrid): refuses an unloaded or empty grid with its message, asks for
// the file name, writes what the grid shows with a progress dialog, then offers to open the file.
class GridExporter
{
public:
    // Returns the file written, empty when nothing was written. Throws RuleError for the two
    // refusals and XlsxWriteError when the file cannot be written.
    static QString exportGrid(DataGrid &grid, Session &session);
    // The same once the user has typed `typedName` in the save dialog.
    static QString exportGridTo(DataGrid &grid, Session &session, const QString &typedName);
};

} // namespace kesvar::gui
