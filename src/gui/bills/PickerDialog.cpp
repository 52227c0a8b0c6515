#include "bills/PickerDialog.h"

#include "app/TFrm_Main.h"
#include "data/RowSet.h"
#include "grid/DataGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QToolBar>

namespace kesvar::gui {

PickerDialog::PickerDialog(Session &session, const QString &title, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_toolbar(new QToolBar)
    , m_criteria(new QGroupBox(QStringLiteral("查找条件面板")))
    , m_criteriaLayout(new QGridLayout(m_criteria))
    , m_clear(new QPushButton(QStringLiteral("清空条件")))
    , m_run(new QPushButton(QStringLiteral("执行查询")))
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    m_toolbar->addAction(QStringLiteral("查找"), this, [this] { m_criteria->setVisible(!m_criteria->isVisible()); });
    m_toolbar->addAction(QStringLiteral("刷新"), this, [this] { refresh(); });
    m_toolbar->addAction(QStringLiteral("退出"), this, &QDialog::reject);
    // Enter in a criteria box is the pickers' own key, not a press of these buttons.
    for (QPushButton *button : {m_clear, m_run})
        button->setAutoDefault(false);
    connect(m_clear, &QPushButton::clicked, this, [this] { clearCriteria(); });
    connect(m_run, &QPushButton::clicked, this, [this] { search(); });
}

void PickerDialog::placeCriteriaButtons(int row, int column)
{
    m_criteriaLayout->addWidget(m_clear, row, column);
    m_criteriaLayout->addWidget(m_run, row, column + 1);
}

void PickerDialog::showFound(DataGrid *grid, const RowSet &rows)
{
    grid->setRows(rows);
    if (grid->model()->rowCount() > 0)
        grid->setCurrentIndex(grid->model()->index(0, 0));
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *main = qobject_cast<TFrm_Main *>(w)) {
            main->setStatusMessage(QStringLiteral("当前共有 %1 条记录").arg(rows.rowCount()));
            break;
        }
    }
}

} // namespace kesvar::gui
