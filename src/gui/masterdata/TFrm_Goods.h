#pragma once

#include "masterdata/MasterListWindow.h"
#include "masterdata/OpenInstance.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kesvar::gui {

// The product list "钢材资料" (grid key "goods").
class TFrm_Goods : public MasterListWindow
{
    Q_OBJECT
public:
    TFrm_Goods(Session &session, const ExternalActions &actions = {}, QWidget *parent = nullptr);

    // The product list that is open, if any (the shared actions' handlers act on it).
    static TFrm_Goods *openInstance() { return OpenInstance<TFrm_Goods>::current(); }

    QLineEdit *Edit_Code = nullptr;
    QComboBox *Combo_Type = nullptr;
    QLineEdit *Edit_BarCode = nullptr;
    QLineEdit *Edit_Unit = nullptr;
    QComboBox *Combo_Cz = nullptr;
    QComboBox *Combo_Cd = nullptr;
    QLineEdit *Edit_Name = nullptr;
    QCheckBox *CB_Flag = nullptr;

protected:
    RowSet defaultRows() override;
    RecordCursor::Query searchQuery() override;
    void clearSearchBoxes() override;
    void refillSuggestions() override;
    void setDisabled(const QString &code, bool disabled) override;
    void removeRecord(const QString &code) override;
    std::unique_ptr<MasterEditor> createEditor(bool addMode) override;

private:
    OpenInstance<TFrm_Goods> m_openInstance{this};
};

} // namespace kesvar::gui
