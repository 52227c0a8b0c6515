#pragma once

#include "bills/PickerDialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class DataGrid;

// 往来单位资料选择: search the partners and hand the chosen name back ("选择", a double click or Enter
// accepts; the opener puts chosenName() into its partner field).
class TFrm_SelectCust : public PickerDialog
{
    Q_OBJECT
public:
    explicit TFrm_SelectCust(Session &session, QWidget *parent = nullptr);

    QString chosenName() const { return m_chosen; }
    DataGrid *list() const { return m_list; }

public slots:
    void search() override;
    void refresh() override;
    void clearCriteria() override;
    void ReturnChosenPartner();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_code, *m_quickCode, *m_name, *m_tel, *m_contact;
    QCheckBox *m_disabled;
    QRadioButton *m_suppliers, *m_customers, *m_both;
    DataGrid *m_list;
    QString m_chosen;
};

} // namespace kesvar::gui
