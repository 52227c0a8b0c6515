#pragma once

#include <QList>
#include <QString>

class QComboBox;
class QWidget;

namespace kesvar {
class Database;
}

namespace kesvar::gui::SuggestionBoxes {

// An editable box offering dictionary entries: the user may pick one or type any text.
QComboBox *create(QWidget *parent, int maxLength = 50);

struct Binding
{
    QComboBox *box;
    QString typeCode; // T_Other.Type
};

// Refills each box with its dictionary's entries and empties its text. A failure is shown over
// `parent` and leaves the boxes as they were.
void fill(QWidget *parent, Database &db, const QList<Binding> &boxes);

} // namespace kesvar::gui::SuggestionBoxes
