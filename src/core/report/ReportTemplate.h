#pragma once

#include "report/ReportLayout.h"

#include <QByteArray>
#include <QString>

namespace kesvar::report {

// The template file: the layout as readable JSON. Page, margins and rectangles in millimetres.
//
// { "title": "...", "page": {"width": 210, "height": 180, "margins": [l, t, r, b]},
//   "font": {"family": "...", "size": 10},
//   "bands": [ {"type": "pageHeader", "name": "...", "height": 37, "dataset": "S",
//               "objects": [ {"name", "x", "y", "width", "height", "text", "font": {...},
//                             "color", "align", "valign", "frame": "ltrb", "frameWidth",
//                             "wordWrap", "hideZero", "format"} ]} ] }
namespace ReportTemplate {

// The layout of a template file; an empty layout when the file is missing or cannot be read.
ReportLayout load(const QString &filePath);
ReportLayout fromJson(const QByteArray &json);

QByteArray toJson(const ReportLayout &layout);
// Writes the file (replacing it safely); false when it cannot be written.
bool save(const ReportLayout &layout, const QString &filePath);

} // namespace ReportTemplate

} // namespace kesvar::report
