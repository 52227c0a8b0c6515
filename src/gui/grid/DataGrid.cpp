#include "grid/DataGrid.h"

#include "app/AppHome.h"
#include "app/Session.h"
#include "data/DbError.h"
#include "spreadsheet/XlsxWriter.h"
#include "grid/GridCellDelegate.h"
#include "grid/GridExporter.h"
#include "grid/GridFooter.h"
#include "grid/GridFormat.h"
#include "grid/GridHeaderView.h"
#include "grid/GridMetadata.h"
#include "grid/GridSortProxy.h"
#include "grid/GridTableModel.h"
#include "grid/TFrm_FieldShow.h"

#include <QAction>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>

namespace kesvar::gui {

namespace {

// Runs a user action; a refusal or an engine error is shown instead of ending the program.
void guarded(QWidget *parent, const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuleError &e) {
        QMessageBox::information(parent, QStringLiteral("警告"), e.message());
    } catch (const DbError &e) {
        QMessageBox::critical(parent, QStringLiteral("错误"), e.text());
    } catch (const XlsxWriteError &e) {
        QMessageBox::critical(parent, QStringLiteral("错误"), e.text());
    }
}

} // namespace

DataGrid::DataGrid(Session &session, QWidget *parent)
    : QTableView(parent),
      m_session(session),
      m_model(new GridTableModel(this)),
      m_proxy(new GridSortProxy(this)),
      m_header(new GridHeaderView(this)),
      m_delegate(new GridCellDelegate(m_model, this))
{
    m_proxy->setGridModel(m_model);
    setHorizontalHeader(m_header);
    setModel(m_proxy);
    setItemDelegate(m_delegate);
    setSortingEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Fixed row heights keep a hundred thousand rows as cheap as a hundred.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->hide();
    setContextMenuPolicy(Qt::ActionsContextMenu);

    m_footer = new GridFooter(m_header, m_model, this);
    connect(m_model, &GridTableModel::modelReset, this, &DataGrid::placeFooter);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    m_header->viewport()->installEventFilter(this);
    m_delegate->setEllipsisHandler([this](const QModelIndex &index) {
        if (m_ellipsisHandler)
            m_ellipsisHandler(sourceRow(index), m_model->columns().at(index.column()).field);
    });
}

DataGrid::~DataGrid() = default;

const QList<GridColumn> &DataGrid::columns() const
{
    return m_model->columns();
}

void DataGrid::setupGrid(const QString &key)
{
    m_key = key;
    GridMetadata metadata(*m_session.db);
    const QList<GridColumn> columns = metadata.shownColumns(key);
    QList<int> decimals;
    QHash<int, QStringList> pickLists;
    for (int c = 0; c < columns.size(); ++c) {
        decimals.append(GridFormat::decimalsFor(columns.at(c).dotSize, m_session.options));
        if (columns.at(c).combo)
            pickLists.insert(c, metadata.pickList(columns.at(c)));
    }
    const QString dateFormat = m_session.home ? WorkstationDateFormat::load(m_session.home->config())
                                              : WorkstationDateFormat::Default;
    m_marks.clear();
    m_sortedByUser = false;
    m_proxy->sortBy({});
    m_model->setColumns(columns, decimals, dateFormat);
    m_delegate->setPickLists(pickLists);
    // A new set of sections: their visual order is the set-up order again.
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        if (logical != visual)
            m_header->moveSection(m_header->visualIndex(visual), visual);
    }
    for (int c = 0; c < columns.size(); ++c) {
        setColumnWidth(c, qMax(columns.at(c).width, 8));
        if (columns.at(c).sortMark != SortMark::None)
            m_marks.append({columns.at(c).field, columns.at(c).sortMark});
    }
    showMarks();
    placeFooter();
    m_header->updateGeometry();
    updateGeometries();
}

QList<int> DataGrid::shownDecimals() const
{
    QList<int> decimals;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        if (logical >= 0 && !m_header->isSectionHidden(logical) && logical < m_model->columns().size())
            decimals.append(m_model->decimals(logical));
    }
    return decimals;
}

QList<GridColumn> DataGrid::shownColumns() const
{
    QList<GridColumn> shown;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        if (logical < 0 || m_header->isSectionHidden(logical) || logical >= m_model->columns().size())
            continue;
        GridColumn c = m_model->columns().at(logical);
        c.width = m_header->sectionSize(logical);
        shown.append(c);
    }
    return shown;
}

void DataGrid::setRows(RowSet rows)
{
    m_proxy->sortBy({});
    m_model->setRows(std::move(rows));
    // Marks the user chose keep ordering new rows; stored marks stay unsorted until a click.
    if (m_sortedByUser)
        sortByMarks();
}

void DataGrid::clearRows()
{
    m_proxy->sortBy({});
    m_model->clear();
}

bool DataGrid::hasDataset() const
{
    return m_model->isLoaded();
}

const RowSet &DataGrid::rows() const
{
    return m_model->rows();
}

int DataGrid::sourceRow(const QModelIndex &viewIndex) const
{
    if (!viewIndex.isValid())
        return -1;
    return m_proxy->mapToSource(viewIndex).row();
}

int DataGrid::currentSourceRow() const
{
    return sourceRow(currentIndex());
}

QList<int> DataGrid::shownRowOrder() const
{
    QList<int> order;
    const int count = m_proxy->rowCount();
    order.reserve(count);
    for (int r = 0; r < count; ++r)
        order.append(m_proxy->mapToSource(m_proxy->index(r, 0)).row());
    return order;
}

void DataGrid::titleClicked(int column)
{
    if (!m_sortMarking || column < 0 || column >= m_model->columns().size())
        return;
    const QString field = m_model->columns().at(column).field;
    const bool adding = m_titleClickModifiers & Qt::ControlModifier;
    QList<SortKey> marks = adding ? m_marks : QList<SortKey>();
    auto existing = std::find_if(m_marks.cbegin(), m_marks.cend(), [&](const SortKey &k) { return k.field == field; });
    const SortMark next = existing == m_marks.cend() || existing->mark == SortMark::Up ? SortMark::Down : SortMark::Up;
    auto inList = std::find_if(marks.begin(), marks.end(), [&](const SortKey &k) { return k.field == field; });
    if (inList != marks.end())
        inList->mark = next;
    else
        marks.append({field, next});
    guarded(this, [&] { applySortMarks(marks); });
}

void DataGrid::applySortMarks(const QList<SortKey> &marks)
{
    m_marks = marks;
    m_sortedByUser = !marks.isEmpty();
    showMarks();
    sortByMarks();
    if (!m_key.isEmpty())
        GridMetadata(*m_session.db).storeSortMarks(m_key, m_marks);
    emit sortMarksChanged();
}

void DataGrid::sortByMarks()
{
    QList<GridSortProxy::Key> keys;
    for (const SortKey &mark : m_marks) {
        const int column = m_model->columnOfField(mark.field);
        if (column >= 0)
            keys.append({column, mark.descending()});
    }
    m_proxy->sortBy(keys);
}

void DataGrid::showMarks()
{
    QHash<int, SortMark> marks;
    for (const SortKey &mark : m_marks) {
        const int column = m_model->columnOfField(mark.field);
        if (column >= 0)
            marks.insert(column, mark.mark);
    }
    m_header->setSortMarks(marks);
}

void DataGrid::saveGridLayout(bool confirm)
{
    QList<ColumnPlacement> placements;
    for (const GridColumn &c : shownColumns())
        placements.append({c.field, c.width});
    if (placements.size() < 2)
        return;
    GridMetadata(*m_session.db).saveLayout(m_key, placements);
    if (confirm)
        QMessageBox::information(this, QStringLiteral("提示"), QStringLiteral("列属性已成功保存!"));
}

void DataGrid::setFooterEnabled(bool enabled)
{
    m_footerEnabled = enabled;
    placeFooter();
}

bool DataGrid::isFooterShown() const
{
    return m_footerEnabled && m_model->hasFooter();
}

void DataGrid::placeFooter()
{
    m_footer->setVisible(isFooterShown());
    updateGeometries();
}

void DataGrid::updateGeometries()
{
    // The base class sets the viewport margins for the headers only; the footer then takes its strip
    // under the rows again. Taking it can change which scroll bars are needed and so lay the view out
    // anew, re-entering here; every level puts the strip back after the base class, and the depth
    // bound ends a see-saw between two scroll-bar states with the footer in place.
    constexpr int MaxDepth = 6;
    if (m_footerDepth >= MaxDepth)
        return;
    ++m_footerDepth;
    QTableView::updateGeometries();
    const int footerHeight = isFooterShown() ? m_footer->sizeHint().height() : 0;
    const QMargins margins = viewportMargins();
    if (margins.bottom() != footerHeight)
        setViewportMargins(margins.left(), margins.top(), margins.right(), footerHeight);
    if (footerHeight > 0) {
        // With the viewport's horizontal extent, so the footer cells line up under the columns.
        const QRect area = viewport()->geometry();
        m_footer->setGeometry(area.left(), area.bottom() + 1, area.width(), footerHeight);
        m_footer->raise();
    }
    --m_footerDepth;
}

bool DataGrid::eventFilter(QObject *watched, QEvent *event)
{
    // The click signal carries no modifiers; remember them from the mouse event behind it.
    if (watched == m_header->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease))
        m_titleClickModifiers = static_cast<QMouseEvent *>(event)->modifiers();
    return QTableView::eventFilter(watched, event);
}

void DataGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        m_footer->update();
}

void DataGrid::setEditable(bool editable)
{
    m_model->setEditable(editable);
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                             : QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(editable ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
}

void DataGrid::setReadOnlyFields(const QStringList &fields)
{
    m_model->setReadOnlyFields(fields);
}

void DataGrid::setEllipsisHandler(std::function<void(int, const QString &)> handler)
{
    m_ellipsisHandler = std::move(handler);
}

QStringList DataGrid::pickList(const QString &field) const
{
    return m_delegate->pickList(m_model->columnOfField(field));
}

QAction *DataGrid::addContextAction(const QString &text, std::function<void()> handler)
{
    auto *action = new QAction(text, this);
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { guarded(this, handler); });
    addAction(action);
    return action;
}

QAction *DataGrid::addSaveLayoutAction(const QString &text)
{
    return addContextAction(text, [this] { saveGridLayout(true); });
}

QAction *DataGrid::addFieldChooserAction(const QString &text)
{
    return addContextAction(text, [this] {
        TFrm_FieldShow chooser(*m_session.db, m_key, this);
        if (chooser.exec() == QDialog::Accepted) {
            setupGrid(m_key);
            emit columnsChosen();
        }
    });
}

QString DataGrid::exportGrid()
{
    QString written;
    guarded(this, [&] { written = GridExporter::exportGrid(*this); });
    return written;
}

} // namespace kesvar::gui
