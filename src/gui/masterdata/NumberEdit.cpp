#include "masterdata/NumberEdit.h"

#include <QKeyEvent>

namespace kesvar::gui {

NumberEdit::NumberEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const bool digitOrPoint = text.size() == 1
        && ((text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')) || text.at(0) == QLatin1Char('.'));
    if (printable && !digitOrPoint)
        return; // swallowed
    QLineEdit::keyPressEvent(event);
}

} // namespace kesvar::gui
