#include "bills/TFrm_SelectCust.h"

#include "app/Session.h"
#include "bills/PickerSearch.h"
#include "grid/DataGrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace kesvar::gui {

TFrm_SelectCust::TFrm_SelectCust(Session &session, QWidget *parent)
    : PickerDialog(session, QStringLiteral("往来单位资料选择"), parent)
{
    resize(820, 520);
    auto *choose = new QAction(QStringLiteral("选择"), this);
    connect(choose, &QAction::triggered, this, &TFrm_SelectCust::ReturnChosenPartner);
    toolbar()->insertAction(toolbar()->actions().value(0), choose);

    QGridLayout *form = criteriaLayout();
    m_code = new QLineEdit;
    m_quickCode = new QLineEdit;
    m_name = new QLineEdit;
    m_tel = new QLineEdit;
    m_contact = new QLineEdit;
    const std::pair<const char *, QLineEdit *> fields[] = {
        {"编号", m_code}, {"速查码", m_quickCode}, {"往来单位名称", m_name}, {"联系电话", m_tel}, {"联系人", m_contact}};
    int i = 0;
    for (const auto &[caption, box] : fields) {
        form->addWidget(new QLabel(QString::fromUtf8(caption)), i / 3, (i % 3) * 2);
        form->addWidget(box, i / 3, (i % 3) * 2 + 1);
        box->installEventFilter(this);
        ++i;
    }
    m_disabled = new QCheckBox(QStringLiteral("已停用单位"));
    m_suppliers = new QRadioButton(QStringLiteral("仅显示供应商"));
    m_customers = new QRadioButton(QStringLiteral("仅显示客户"));
    m_both = new QRadioButton(QStringLiteral("显示全部往来单位"));
    auto *kinds = new QButtonGroup(this);
    for (QRadioButton *r : {m_suppliers, m_customers, m_both})
        kinds->addButton(r);
    form->addWidget(m_disabled, 1, 5);
    form->addWidget(m_suppliers, 2, 0, 1, 2);
    form->addWidget(m_customers, 2, 2, 1, 2);
    form->addWidget(m_both, 2, 4, 1, 2);
    placeCriteriaButtons(3, 4);

    m_list = new DataGrid(session, this);
    m_list->addSaveLayoutAction();
    m_list->installEventFilter(this);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &TFrm_SelectCust::ReturnChosenPartner);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(toolbar());
    layout->addWidget(criteriaPanel());
    layout->addWidget(new QLabel(QStringLiteral("往来单位资料列表")));
    layout->addWidget(m_list, 1);

    clearCriteria();
    m_list->setRows(PickerSearch::allPartners(*m_session.db));
    m_list->setupGrid(QStringLiteral("SelectCust"));
    // Arrows and Enter choose at once; typing the start of a code finds it in the list.
    m_list->setFocus();
}

void TFrm_SelectCust::clearCriteria()
{
    for (QLineEdit *box : {m_code, m_quickCode, m_name, m_tel, m_contact})
        box->clear();
}

void TFrm_SelectCust::refresh()
{
    clearCriteria();
    m_list->setRows(PickerSearch::currentPartners(*m_session.db));
}

void TFrm_SelectCust::search()
{
    PickerSearch::PartnerCriteria c;
    c.code = m_code->text();
    c.quickCode = m_quickCode->text();
    c.name = m_name->text();
    c.tel = m_tel->text();
    c.contact = m_contact->text();
    c.kind = m_suppliers->isChecked()   ? PickerSearch::PartnerKind::Suppliers
             : m_customers->isChecked() ? PickerSearch::PartnerKind::Customers
             : m_both->isChecked()      ? PickerSearch::PartnerKind::SuppliersOrCustomers
                                        : PickerSearch::PartnerKind::Any;
    c.disabled = m_disabled->isChecked();
    showFound(m_list, PickerSearch::partners(*m_session.db, c));
}

void TFrm_SelectCust::ReturnChosenPartner()
{
    const int row = m_list->currentSourceRow();
    if (row < 0)
        return;
    m_chosen = m_list->rows().value(row, QStringLiteral("CustName")).toString();
    accept();
}

bool TFrm_SelectCust::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_list)
                ReturnChosenPartner();
            else
                search();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kesvar::gui
