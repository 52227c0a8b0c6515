#pragma once

#include "report/ReportLayout.h"

#include <QString>

namespace kesvar {
class DataFolder;
}

namespace kesvar::report {

// The reports that print through a template in the data folder's Reports/ folder.
enum class ReportKind {
    Bill,         // fr_Bill: "B" = bill header, "S" = its lines
    Partners,     // fr_Cust: "C" = the partner list
    Products,     // fr_Goods: "G" = the product list
    StockLedger,  // Fr_DepotDetail: "DD"
    StockSummary, // Fr_DepotCount: "DC"
};

namespace ReportTemplates {

QString baseName(ReportKind kind);
// Reports/<base name>.json in the data folder.
QString filePath(const DataFolder &folder, ReportKind kind);
// The layout in force: the template file, or an empty layout when it is missing or unreadable.
ReportLayout load(const DataFolder &folder, ReportKind kind);
// The layout the program ships for the report.
ReportLayout shipped(ReportKind kind);
// Copies the shipped template of every report whose file is missing into Reports/ (a user's
// redesigned template is never replaced). Failures are silent: printing then shows an empty report.
void installMissing(const DataFolder &folder);

} // namespace ReportTemplates

} // namespace kesvar::report
