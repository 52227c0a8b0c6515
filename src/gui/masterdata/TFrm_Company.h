#pragma once

#include <QDialog>

class QLineEdit;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// The company information dialog "公司信息": shows and edits the single T_Company row.
class TFrm_Company : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_Company(Session &session, QWidget *parent = nullptr);

    QLineEdit *Edit_Company = nullptr;
    QLineEdit *Edit_Contact = nullptr;
    QLineEdit *Edit_Address = nullptr;
    QLineEdit *Edit_Zip = nullptr;
    QLineEdit *Edit_Tel = nullptr;
    QLineEdit *Edit_Fax = nullptr;
    QLineEdit *Edit_Email = nullptr;

public slots:
    void Btn_OkClick();

private:
    Session &m_session;
};

} // namespace kesvar::gui
