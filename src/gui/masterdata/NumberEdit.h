#pragma once

#include <QLineEdit>

namespace kesvar::gui {

// A number box that takes only the digits 0 to 9 and the point (backspace still works); any other
// key is swallowed. A text that is still not a number (two points) is refused when saving.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kesvar::gui
