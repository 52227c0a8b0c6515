#pragma once

#include <QWidget>

class QLabel;

namespace kesvar::gui {

// The borderless start-up picture with one line of progress text. The picture is IMG/Splash.bmp of
// the data folder when it can be read, else the built-in one; the window takes the picture's size.
class TFrm_Splash : public QWidget
{
    Q_OBJECT
public:
    explicit TFrm_Splash(const QString &dataFolder, QWidget *parent = nullptr);

    void setMessage(const QString &text);
    QString message() const;
    // Shows the window centred and paints it at once, before the start-up goes on.
    void showNow();

private:
    QLabel *m_picture;
    QLabel *m_label;
};

} // namespace kesvar::gui
