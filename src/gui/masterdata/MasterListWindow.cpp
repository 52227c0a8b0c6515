#include "masterdata/MasterListWindow.h"

#include "grid/DataGrid.h"
#include "masterdata/MasterDataDialogs.h"
#include "masterdata/MasterEditor.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QMetaMethod>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace kesvar::gui {

MasterListWindow::MasterListWindow(Session &session, const QString &codeColumn, const ExternalActions &actions,
                                   QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_cursor(codeColumn, {})
    , m_actions(actions)
{
}

MasterListWindow::~MasterListWindow() = default;

void MasterListWindow::build(const QString &caption, const QString &gridKey, QLayout *searchBoxes)
{
    setWindowTitle(caption);
    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto shared = [&](QAction *&external, const QString &text, void (MasterListWindow::*slot)()) {
        if (!external) {
            external = new QAction(text, this);
            connect(external, &QAction::triggered, this, slot);
        }
        toolBar->addAction(external);
    };
    shared(m_actions.add, QStringLiteral("新增"), &MasterListWindow::addRecord);
    shared(m_actions.edit, QStringLiteral("编辑"), &MasterListWindow::editRecord);
    shared(m_actions.remove, QStringLiteral("删除"), &MasterListWindow::deleteRecord);
    m_toggle = toolBar->addAction(QStringLiteral("停用"), this, &MasterListWindow::toggleDisabled);
    toolBar->addSeparator();
    QAction *find = toolBar->addAction(QStringLiteral("查找"));
    toolBar->addAction(QStringLiteral("刷新"), this, &MasterListWindow::refresh);
    toolBar->addAction(QStringLiteral("Excel"), this, [this] { m_grid->exportGrid(); });
    const bool ownPrint = !m_actions.print;
    shared(m_actions.print, QStringLiteral("打印"), &MasterListWindow::printList);
    if (ownPrint)
        m_actions.print->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&MasterListWindow::printRequested)));
    m_ownPrint = ownPrint;
    toolBar->addSeparator();
    toolBar->addAction(QStringLiteral("退出"), this, &QDialog::reject);

    m_searchPanel = new QGroupBox(QStringLiteral("查找条件面板"), this);
    m_searchPanel->setMaximumWidth(230);
    auto *panelLayout = new QVBoxLayout(m_searchPanel);
    panelLayout->addLayout(searchBoxes);
    auto *run = new QPushButton(QStringLiteral("执行查询"), m_searchPanel);
    auto *clear = new QPushButton(QStringLiteral("清空条件"), m_searchPanel);
    connect(run, &QPushButton::clicked, this, &MasterListWindow::runSearch);
    connect(clear, &QPushButton::clicked, this, &MasterListWindow::clearConditions);
    panelLayout->addWidget(run);
    panelLayout->addWidget(clear);
    panelLayout->addStretch();
    connect(find, &QAction::triggered, this, [this] { m_searchPanel->setVisible(!m_searchPanel->isVisible()); });

    m_grid = new DataGrid(m_session, this);
    m_grid->setSortMarkingEnabled(true);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->addSaveLayoutAction();
    m_grid->addFieldChooserAction();
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] { editRecord(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { currentRowChanged(); });

    m_statusBar = new QStatusBar(this);

    auto *body = new QHBoxLayout;
    body->addWidget(m_searchPanel);
    body->addWidget(m_grid, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar);
    layout->addLayout(body, 1);
    layout->addWidget(m_statusBar);
    resize(1000, 600);

    MasterDataDialogs::attempt(this, [&] { m_grid->setupGrid(gridKey); });
    refresh();
}

void MasterListWindow::showRows()
{
    m_grid->setRows(m_cursor.rows());
    const int viewRow = m_grid->shownRowOrder().indexOf(m_cursor.position());
    if (viewRow >= 0)
        m_grid->selectRow(viewRow);
    currentRowChanged();
}

void MasterListWindow::showCount()
{
    m_statusBar->showMessage(QStringLiteral("当前共有 %1 条记录").arg(m_cursor.rows().rowCount()));
}

void MasterListWindow::currentRowChanged()
{
    const int row = m_grid->currentSourceRow();
    if (row >= 0)
        m_cursor.setPosition(row);
    if (m_cursor.isEmpty())
        return;
    const bool disabled = m_cursor.rows().value(m_cursor.position(), QStringLiteral("flag")).toBool();
    m_toggle->setText(disabled ? QStringLiteral("启  用") : QStringLiteral("停  用"));
}

void MasterListWindow::reloadRows()
{
    MasterDataDialogs::attempt(this, [&] { m_cursor.reload(); });
    showRows();
    showCount();
}

void MasterListWindow::refresh()
{
    clearSearchBoxes();
    refillSuggestions();
    m_cursor.setQuery([this] { return defaultRows(); });
    reloadRows();
}

void MasterListWindow::clearConditions()
{
    clearSearchBoxes();
    refillSuggestions();
}

void MasterListWindow::runSearch()
{
    m_cursor.setQuery(searchQuery());
    reloadRows();
}

void MasterListWindow::toggleDisabled()
{
    currentRowChanged();
    if (m_cursor.isEmpty())
        return;
    const bool disabled = m_cursor.rows().value(m_cursor.position(), QStringLiteral("flag")).toBool();
    if (MasterDataDialogs::attempt(this, [&] { setDisabled(m_cursor.currentCode(), !disabled); }))
        refresh();
}

void MasterListWindow::addRecord()
{
    openEditor(true);
}

void MasterListWindow::editRecord()
{
    currentRowChanged();
    if (m_cursor.isEmpty() && !editsWhenEmpty())
        return;
    openEditor(false);
}

void MasterListWindow::openEditor(bool addMode)
{
    std::unique_ptr<MasterEditor> editor;
    if (!MasterDataDialogs::attempt(this, [&] { editor = createEditor(addMode); }))
        return;
    editor->exec();
    editor.reset();
    reloadRows();
}

void MasterListWindow::deleteRecord()
{
    currentRowChanged();
    if (m_cursor.isEmpty() || !MasterDataDialogs::confirm(this, QStringLiteral("您确定要删除这条信息吗?")))
        return;
    if (MasterDataDialogs::attempt(this, [&] { removeRecord(m_cursor.currentCode()); }))
        reloadRows();
}

void MasterListWindow::connectNotify(const QMetaMethod &signal)
{
    if (m_ownPrint && m_actions.print && signal == QMetaMethod::fromSignal(&MasterListWindow::printRequested))
        m_actions.print->setEnabled(true);
}

void MasterListWindow::printList()
{
    emit printRequested(m_cursor.rows());
}

} // namespace kesvar::gui
