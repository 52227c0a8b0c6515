#pragma once

#include <QString>

namespace kesvar {

// The remembered sort mark of a column title, stored in T_FieldShow.ShowUp. The "up" mark means
// descending order, the "down" mark ascending order.
enum class SortMark { None = 0, Up = 1, Down = 2 };

// One row of T_FieldShow: how a grid shows one dataset field.
struct GridColumn
{
    QString field;      // dataset field shown (Field)
    QString title;      // column title (Name); "upper|lower" gives a two-level title
    int showId = 0;     // position (ShowID)
    int width = 80;     // pixels
    bool shown = true;  // show
    bool sumField = false;   // footer shows the column sum
    int dotSize = 0;         // number format class: 1 price, 2 count/weight, 3 amount, else none
    bool showButton = false; // cell offers an ellipsis button
    bool combo = false;      // cell offers a pick list read through comTable
    QString comTable;        // completes "select * from " for the pick list
    SortMark sortMark = SortMark::None;

    // The parts of a two-level title: the group above the bar and the column's own title below.
    // A title without a bar has no group and is its own lower title.
    bool hasGroupTitle() const { return title.contains(QLatin1Char('|')); }
    QString groupTitle() const { return hasGroupTitle() ? title.section(QLatin1Char('|'), 0, 0) : QString(); }
    QString ownTitle() const { return hasGroupTitle() ? title.section(QLatin1Char('|'), 1) : title; }
};

// A marked column for sorting, in the order the user marked the columns.
struct SortKey
{
    QString field;
    SortMark mark = SortMark::Down;
    bool descending() const { return mark == SortMark::Up; }
    bool operator==(const SortKey &) const = default;
};

// Where the user left a column: its field and width, listed left to right.
struct ColumnPlacement
{
    QString field;
    int width = 0;
};

} // namespace kesvar
