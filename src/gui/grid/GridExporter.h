#pragma once

#include <QString>

namespace kesvar::gui {

class DataGrid;

// The export of a grid (ExportGrid): refuses an unloaded or empty grid with its message, asks for
// the file name, writes what the grid shows with a progress dialog, then offers to open the file.
class GridExporter
{
public:
    // Returns the file written, empty when nothing was written. Throws RuleError for the two
    // refusals and XlsxWriteError when the file cannot be written.
    static QString exportGrid(DataGrid &grid);
    // The same once the user has typed `typedName` in the save dialog. When the name rule turns it
    // into the name of an existing file, the user is asked before that file is replaced.
    static QString exportGridTo(DataGrid &grid, const QString &typedName);
};

} // namespace kesvar::gui
