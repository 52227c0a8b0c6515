#pragma once

#include <QDialog>

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// "关于...": the picture strip from IMG/About.bmp (left empty when it cannot be loaded), the product,
// the maker's addresses and the rights notice.
class TFrm_About : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_About(const Session &session, QWidget *parent = nullptr);
};

} // namespace kesvar::gui
