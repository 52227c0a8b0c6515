#include "bills/TFrm_SelectGoods.h"

#include "app/Session.h"
#include "bills/PickerSearch.h"
#include "grid/DataGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace kesvar::gui {

namespace {

QComboBox *suggestionCombo()
{
    auto *combo = new QComboBox;
    combo->setEditable(true);
    return combo;
}

} // namespace

TFrm_SelectGoods::TFrm_SelectGoods(Session &session, QWidget *parent)
    : PickerDialog(session, QStringLiteral("钢材资料选择"), parent)
{
    resize(900, 600);
    inform = [this](const QString &message) { QMessageBox::information(this, QStringLiteral("警告"), message); };

    QGridLayout *form = criteriaLayout();
    m_code = new QLineEdit;
    m_quickCode = new QLineEdit;
    m_name = new QLineEdit;
    m_spec = new QLineEdit;
    m_grade = suggestionCombo();
    m_material = suggestionCombo();
    m_origin = suggestionCombo();
    m_disabled = new QCheckBox(QStringLiteral("停用"));
    const std::pair<const char *, QWidget *> fields[] = {
        {"编号", m_code}, {"速查码", m_quickCode}, {"钢种", m_grade}, {"钢材名称", m_name},
        {"规格", m_spec}, {"材质", m_material},   {"产地", m_origin},
    };
    int i = 0;
    for (const auto &[caption, widget] : fields) {
        form->addWidget(new QLabel(QString::fromUtf8(caption)), i / 4, (i % 4) * 2);
        form->addWidget(widget, i / 4, (i % 4) * 2 + 1);
        ++i;
    }
    form->addWidget(m_disabled, 1, 7);
    placeCriteriaButtons(2, 6);

    // Searching as the user types, once a short pause shows the word is complete.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(150);
    connect(m_typing, &QTimer::timeout, this, &TFrm_SelectGoods::search);
    for (QLineEdit *box : {m_code, m_quickCode, m_name, m_spec}) {
        connect(box, &QLineEdit::textEdited, m_typing, qOverload<>(&QTimer::start));
        box->installEventFilter(this);
    }

    m_available = new DataGrid(session, this);
    m_available->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_available->addContextAction(QStringLiteral("清空已选列表"), [this] {
        m_chosen = RowSet(m_chosen.columns());
        showSelection();
    });
    m_available->addContextAction(QStringLiteral("保存表格列宽"), [this] {
        m_selection->saveGridLayout(false);
        m_available->saveGridLayout(true);
    });
    m_available->addFieldChooserAction();
    m_available->installEventFilter(this);
    connect(m_available, &QAbstractItemView::doubleClicked, this, &TFrm_SelectGoods::addCurrentToSelection);
    m_selection = new DataGrid(session, this);
    m_selection->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("增加选择"));
    auto *remove = new QPushButton(QStringLiteral("减少选择"));
    auto *toBill = new QPushButton(QStringLiteral("添加到单据"));
    for (QPushButton *b : {add, remove, toBill})
        b->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &TFrm_SelectGoods::addCurrentToSelection);
    connect(remove, &QPushButton::clicked, this, &TFrm_SelectGoods::removeFromSelection);
    connect(toBill, &QPushButton::clicked, this, &TFrm_SelectGoods::addToBill);
    // Enter collects products; Ctrl+Enter hands them to the bill without leaving the keyboard.
    toBill->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    toBill->setToolTip(QStringLiteral("Ctrl+Enter"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(toBill);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(toolbar());
    layout->addWidget(criteriaPanel());
    layout->addWidget(new QLabel(QStringLiteral("可选钢材")));
    layout->addWidget(m_available, 3);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("已选钢材")));
    layout->addWidget(m_selection, 2);

    clearCriteria();
    refresh();
    m_available->setupGrid(QStringLiteral("SelectGoods"));
    m_selection->setupGrid(QStringLiteral("SelectGoods"));
    m_name->setFocus();
}

void TFrm_SelectGoods::clearCriteria()
{
    for (QLineEdit *box : {m_code, m_quickCode, m_name, m_spec})
        box->clear();
    const std::pair<QComboBox *, const char *> lists[] = {{m_grade, "gz"}, {m_material, "cz"}, {m_origin, "cd"}};
    for (const auto &[combo, type] : lists) {
        combo->clear();
        combo->addItems(PickerSearch::dictionary(*m_session.db, QString::fromLatin1(type)));
        combo->setCurrentText(QString());
    }
}

void TFrm_SelectGoods::refresh()
{
    m_available->setRows(PickerSearch::currentProducts(*m_session.db));
    m_chosen = RowSet(m_available->rows().columns());
    showSelection();
}

void TFrm_SelectGoods::search()
{
    PickerSearch::ProductCriteria c;
    c.code = m_code->text();
    c.quickCode = m_quickCode->text();
    c.name = m_name->text();
    c.spec = m_spec->text();
    c.grade = m_grade->currentText();
    c.material = m_material->currentText();
    c.origin = m_origin->currentText();
    c.disabled = m_disabled->isChecked();
    showFound(m_available, PickerSearch::products(*m_session.db, c));
}

void TFrm_SelectGoods::addCurrentToSelection()
{
    const int row = m_available->currentSourceRow();
    if (row < 0)
        return;
    const RowSet &rows = m_available->rows();
    const QString code = rows.value(row, QStringLiteral("GoodsCode")).toString();
    for (int r = 0; r < m_chosen.rowCount(); ++r) {
        if (m_chosen.value(r, QStringLiteral("GoodsCode")).toString() == code) {
            inform(QStringLiteral("钢材【") + rows.value(row, QStringLiteral("GoodsName")).toString()
                   + QStringLiteral("】已经选择！"));
            return;
        }
    }
    m_chosen.appendRow(rows.row(row));
    showSelection();
}

void TFrm_SelectGoods::removeFromSelection()
{
    const int row = m_selection->currentSourceRow();
    if (row < 0 || row >= m_chosen.rowCount())
        return;
    RowSet kept(m_chosen.columns());
    for (int r = 0; r < m_chosen.rowCount(); ++r)
        if (r != row)
            kept.appendRow(m_chosen.row(r));
    m_chosen = kept;
    showSelection();
}

void TFrm_SelectGoods::showSelection()
{
    m_selection->setRows(m_chosen);
}

QList<BillProduct> TFrm_SelectGoods::selectedProducts() const
{
    QList<BillProduct> products;
    for (int r = 0; r < m_chosen.rowCount(); ++r)
        if (auto product = BillProducts::find(*m_session.db, m_chosen.value(r, QStringLiteral("GoodsCode")).toString()))
            products.append(*product);
    return products;
}

void TFrm_SelectGoods::addToBill()
{
    accept();
}

bool TFrm_SelectGoods::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool inSearchBox = watched == m_code || watched == m_quickCode || watched == m_name || watched == m_spec;
        if (enter && (watched == m_available || inSearchBox)) {
            if (inSearchBox && m_typing->isActive()) {
                m_typing->stop();
                search();
            }
            addCurrentToSelection();
            // The next word typed looks for the next product.
            if (auto *box = qobject_cast<QLineEdit *>(watched))
                box->selectAll();
            return true;
        }
        // Up and down in a search box move through the found products.
        if (inSearchBox && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
            const int rows = m_available->model()->rowCount();
            if (rows > 0) {
                const int current = m_available->currentIndex().isValid() ? m_available->currentIndex().row() : -1;
                const int next = std::clamp(current + (key->key() == Qt::Key_Down ? 1 : -1), 0, rows - 1);
                m_available->setCurrentIndex(m_available->model()->index(next, 0));
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kesvar::gui
