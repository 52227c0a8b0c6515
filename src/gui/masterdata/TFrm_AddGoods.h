#pragma once

#include "masterdata/MasterEditor.h"
#include "masterdata/Products.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class DataGrid;
class NumberEdit;

// The product editor: one product with its opening stock per warehouse (grid key "DepotStart").
// The opening-stock grid is loaded only when a product is loaded into the boxes (opening in edit
// mode, Prior, Next, Cancel); New and Save keep its figures for the next product entered.
class TFrm_AddGoods : public MasterEditor
{
    Q_OBJECT
public:
    TFrm_AddGoods(Session &session, RecordCursor &cursor, bool addMode, QWidget *parent = nullptr);

    QLineEdit *Edit_GoodsCode = nullptr;
    QLineEdit *Edit_BarCode = nullptr;
    QComboBox *Combo_goodstype = nullptr;
    QLineEdit *Edit_GoodsName = nullptr;
    QLineEdit *Edit_GoodsUnit = nullptr;
    QComboBox *Combo_GoodsCz = nullptr;
    QComboBox *Combo_GoodsCd = nullptr;
    NumberEdit *Edit_Dprice = nullptr;
    QDateEdit *DE_DDate = nullptr;
    NumberEdit *Edit_Gprice = nullptr;
    QDateEdit *DE_Gdate = nullptr;
    NumberEdit *Edit_UpNum = nullptr;
    NumberEdit *Edit_DownNum = nullptr;
    QComboBox *Combo_Unit = nullptr;
    NumberEdit *Edit_Hxl = nullptr;
    QLineEdit *Edit_GoodWz = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QCheckBox *CB_Copy = nullptr;
    DataGrid *DBGridEh1 = nullptr;

protected:
    void resetToDefaults() override;
    void prepareNew() override;
    void loadRow(const RowSet &rows, int row) override;
    void save(bool asNew) override;
    void afterAdd() override;

private:
    QWidget *buildBody();
    void fillSuggestions();
    void showProduct(const Product &product);
    Product collect() const;
    QList<OpeningStock> collectOpening() const;
    void loadOpeningStock();

    Session &m_session;
};

} // namespace kesvar::gui
