#pragma once

#include "bills/BillProduct.h"
#include "data/RowSet.h"

#include "bills/PickerDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimer;

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

class DataGrid;

// 钢材资料选择: search the products, collect a selection, hand it to the bill ("添加到单据" accepts).
// Typing in the name, code or quick-code box searches at once; Enter adds the highlighted product.
class TFrm_SelectGoods : public PickerDialog
{
    Q_OBJECT
public:
    explicit TFrm_SelectGoods(Session &session, QWidget *parent = nullptr);

    // The products collected, in the order they were added (after "添加到单据").
    QList<BillProduct> selectedProducts() const;
    DataGrid *availableGrid() const { return m_available; }
    DataGrid *selectionGrid() const { return m_selection; }
    QLineEdit *nameBox() const { return m_name; }

    std::function<void(const QString &message)> inform;

public slots:
    void search() override;
    void refresh() override;
    void clearCriteria() override;
    void addCurrentToSelection();
    void removeFromSelection();
    void addToBill();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSelection();

    QLineEdit *m_code, *m_quickCode, *m_name, *m_spec;
    QComboBox *m_grade, *m_material, *m_origin;
    QCheckBox *m_disabled;
    QTimer *m_typing;
    DataGrid *m_available;
    DataGrid *m_selection;
    RowSet m_chosen; // rows of the available list that were added
};

} // namespace kesvar::gui
