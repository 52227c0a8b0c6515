#pragma once

#include <QString>

namespace kesvar::DisplayWidth {

// Columns a text takes in a fixed-width layout: East Asian wide and full-width characters take two,
// combining marks none, everything else one.
int columns(const QString &text);

// The longest leading part of `text` that fits into `maxColumns`, never ending inside a character
// (a surrogate pair or a base character with its combining marks stay whole).
QString cut(const QString &text, int maxColumns);

} // namespace kesvar::DisplayWidth
