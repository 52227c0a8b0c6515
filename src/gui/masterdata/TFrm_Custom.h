#pragma once

#include "masterdata/MasterListWindow.h"
#include "masterdata/OpenInstance.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kesvar::gui {

// The partner list "往来单位资料" (grid key "Custom"). Only the code is searched by containment;
// the other boxes must hold the whole text.
class TFrm_Custom : public MasterListWindow
{
    Q_OBJECT
public:
    TFrm_Custom(Session &session, const ExternalActions &actions = {}, QWidget *parent = nullptr);

    static TFrm_Custom *openInstance() { return OpenInstance<TFrm_Custom>::current(); }

    QLineEdit *Edit_Code = nullptr;
    QLineEdit *Edit_BarCode = nullptr;
    QLineEdit *Edit_Name = nullptr;
    QLineEdit *Edit_Contact = nullptr;
    QLineEdit *Edit_Tel = nullptr;
    QRadioButton *RB_Gys = nullptr;
    QRadioButton *RB_Kh = nullptr;
    QRadioButton *RB_All = nullptr;
    QCheckBox *CB_Flag = nullptr;

protected:
    RowSet defaultRows() override;
    RecordCursor::Query searchQuery() override;
    void clearSearchBoxes() override;
    void setDisabled(const QString &code, bool disabled) override;
    void removeRecord(const QString &code) override;
    std::unique_ptr<MasterEditor> createEditor(bool addMode) override;
    bool editsWhenEmpty() const override { return true; }

private:
    OpenInstance<TFrm_Custom> m_openInstance{this};
};

} // namespace kesvar::gui
