#include "masterdata/NameListWindow.h"

#include "masterdata/MasterDataDialogs.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace kesvar::gui {

NameListWindow::NameListWindow(const ExternalActions &actions, QWidget *parent)
    : QDialog(parent)
    , m_actions(actions)
{
}

NameListWindow::~NameListWindow()
{
    // Shared actions outlive the window: closed while adding or editing, it must not leave Add
    // and Edit disabled for the next window that shows them.
    if (m_actions.add)
        m_actions.add->setEnabled(m_addAllowed);
    if (m_actions.edit)
        m_actions.edit->setEnabled(m_editAllowed);
}

void NameListWindow::build(const QString &tabTitle)
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto ownAction = [&](QAction *external, const QString &text, void (NameListWindow::*slot)()) {
        if (external) {
            m_toolBar->addAction(external);
            return external;
        }
        QAction *action = m_toolBar->addAction(text);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_actions.add = ownAction(m_actions.add, QStringLiteral("新增"), &NameListWindow::addRecord);
    m_actions.edit = ownAction(m_actions.edit, QStringLiteral("编辑"), &NameListWindow::editRecord);
    m_actions.remove = ownAction(m_actions.remove, QStringLiteral("删除"), &NameListWindow::deleteRecord);
    // Shared actions arrive enabled or not by the operator's authority; the window never lifts that.
    m_addAllowed = m_actions.add->isEnabled();
    m_editAllowed = m_actions.edit->isEnabled();
    // A tool button shows no mnemonic, so the captions' letters get their Alt keys here.
    m_save = m_toolBar->addAction(QStringLiteral("保存&S"), this, &NameListWindow::saveRecord);
    m_save->setShortcut(QKeySequence(QStringLiteral("Alt+S")));
    m_cancel = m_toolBar->addAction(QStringLiteral("取消&C"), this, &NameListWindow::cancelRecord);
    m_cancel->setShortcut(QKeySequence(QStringLiteral("Alt+C")));
    QAction *exit = m_toolBar->addAction(QStringLiteral("退出&Q"), this, &QDialog::reject);
    exit->setShortcut(QKeySequence(QStringLiteral("Alt+Q")));

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setMaxLength(50);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("名称:"), this));
    nameRow->addWidget(m_nameEdit, 1);

    m_list = new QTableWidget(0, 1, this);
    m_list->setHorizontalHeaderLabels({QStringLiteral("名称")});
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_toolBar);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 4, 8, 0);
    body->addLayout(nameRow);
    if (tabTitle.isEmpty()) {
        body->addWidget(m_list, 1);
    } else {
        auto *tabs = new QTabWidget(this);
        tabs->addTab(m_list, tabTitle);
        body->addWidget(tabs, 1);
    }
    layout->addLayout(body, 1);
    resize(420, 420);

    reload();
    m_nameEdit->setText(m_list->rowCount() > 0 ? m_list->item(0, 0)->text() : QString());
    setMode(Mode::Browsing);
}

void NameListWindow::reload()
{
    RowSet rows;
    MasterDataDialogs::attempt(this, [&] { rows = loadRows(); });
    m_list->setRowCount(0);
    m_list->setRowCount(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        auto *item = new QTableWidgetItem(rows.value(r, 1).toString());
        item->setData(Qt::UserRole, rows.value(r, 0).toInt());
        m_list->setItem(r, 0, item);
    }
    if (rows.rowCount() > 0)
        m_list->setCurrentCell(0, 0);
}

void NameListWindow::setMode(Mode mode)
{
    m_mode = mode;
    const bool browsing = mode == Mode::Browsing;
    m_actions.add->setEnabled(browsing && m_addAllowed);
    m_actions.edit->setEnabled(browsing && m_editAllowed);
    m_save->setEnabled(!browsing);
    m_cancel->setEnabled(!browsing);
}

int NameListWindow::currentId() const
{
    const QTableWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void NameListWindow::addRecord()
{
    if (m_mode != Mode::Browsing || !m_addAllowed)
        return;
    setMode(Mode::Adding);
    m_nameEdit->clear();
    // The blank row shows where the new entry will appear.
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    auto *blank = new QTableWidgetItem;
    blank->setData(Qt::UserRole, -1);
    m_list->setItem(row, 0, blank);
    m_list->setCurrentCell(row, 0);
    m_nameEdit->setFocus();
}

void NameListWindow::editRecord()
{
    if (m_mode != Mode::Browsing || !m_editAllowed || currentId() < 0)
        return;
    setMode(Mode::Editing);
    m_editedId = currentId();
    m_nameEdit->setText(m_list->currentItem()->text());
    m_nameEdit->setFocus();
}

void NameListWindow::saveRecord()
{
    if (m_mode == Mode::Browsing)
        return;
    const QString name = m_nameEdit->text().trimmed();
    const bool saved = MasterDataDialogs::attempt(this, [&] {
        if (m_mode == Mode::Adding)
            addName(name);
        else
            renameRow(m_editedId, name);
    });
    setMode(Mode::Browsing);
    reload();
    if (saved) {
        const auto found = m_list->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty())
            m_list->setCurrentItem(found.last());
    }
}

void NameListWindow::cancelRecord()
{
    if (m_mode == Mode::Adding)
        m_list->removeRow(m_list->rowCount() - 1);
    setMode(Mode::Browsing);
}

void NameListWindow::deleteRecord()
{
    const int id = currentId();
    if (id < 0 || !MasterDataDialogs::askWarning(this, QStringLiteral("你确定要删除这条记录吗？!")))
        return;
    MasterDataDialogs::attempt(this, [&] { removeRow(id); });
    if (m_mode == Mode::Editing && id == m_editedId)
        setMode(Mode::Browsing);
    reload();
}

} // namespace kesvar::gui
