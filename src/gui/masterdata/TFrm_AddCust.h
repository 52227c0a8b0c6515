#pragma once

#include "masterdata/MasterEditor.h"
#include "masterdata/Partners.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// The partner editor. After an add the boxes keep the saved values, so a second Save without
// changes reports the duplicate code.
class TFrm_AddCust : public MasterEditor
{
    Q_OBJECT
public:
    TFrm_AddCust(Session &session, RecordCursor &cursor, bool addMode, QWidget *parent = nullptr);

    QLineEdit *Edit_CustCode = nullptr;
    QLineEdit *Edit_BarCode = nullptr;
    QLineEdit *Edit_BankName = nullptr;
    QLineEdit *Edit_CustName = nullptr;
    QLineEdit *Edit_BankAccount = nullptr;
    QCheckBox *CB_Gys = nullptr;
    QCheckBox *CB_Kh = nullptr;
    QLineEdit *Edit_Contact = nullptr;
    QLineEdit *Edit_Tel = nullptr;
    QLineEdit *Edit_Mobile = nullptr;
    QLineEdit *Edit_Fax = nullptr;
    QLineEdit *Edit_Zip = nullptr;
    QLineEdit *Edit_Email = nullptr;
    QLineEdit *Edit_Address = nullptr;
    QLineEdit *Edit_URl = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

protected:
    void resetToDefaults() override;
    void loadRow(const RowSet &rows, int row) override;
    void save(bool asNew) override;
    void afterAdd() override {}

private:
    QWidget *buildBody();
    Partner collect() const;

    Session &m_session;
};

} // namespace kesvar::gui
