#include "TestDatabase.h"
#include "../../core/spreadsheet/XlsxReadBack.h"

#include "app/AppHome.h"
#include "app/Session.h"
#include "data/DbError.h"
#include "grid/GridExporter.h"
#include "grid/DataGrid.h"
#include "grid/GridCellDelegate.h"
#include "grid/GridFooter.h"
#include "grid/GridHeaderView.h"
#include "grid/GridTableModel.h"
#include "grid/TFrm_FieldShow.h"
#include "maintenance/Options.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using namespace kesvar;
using namespace kesvar::gui;

namespace {

struct Meta
{
    QString field;
    QString title;
    int showId;
    int width = 80;
    int sum = 0;
    int dotSize = 0;
    int showButton = 0;
    int showUp = 0;
    bool shown = true;
};

class DataGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_db = m_testDb.open();
        m_session.db = m_db.get();
        m_session.options.dotPrice = 2;
        m_session.options.dotNum = 3;
        m_session.options.dotMon = 2;
    }

    void addColumns(const QString &key, const QList<Meta> &columns)
    {
        for (const Meta &m : columns)
            m_db->exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize,"
                       " ShowButton, combo, com_table, Color, ShowUp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, '', '', ?)",
                       {key, m.field, m.title, m.showId, m.width, m.shown, m.sum, m.dotSize, m.showButton, m.showUp});
    }

    // Three goods lines: name, count, amount.
    static RowSet lines()
    {
        RowSet rows({"GoodsName", "Number", "Money", "memo"});
        rows.appendRow({"圆钢", 5, 100.0, "a"});
        rows.appendRow({"角钢", 1.5, 20.125, "b"});
        rows.appendRow({"扁钢", 3, 7.5, "c"});
        return rows;
    }

    void addLineColumns(int numberShowUp = 0)
    {
        addColumns("Lines'Key", {{"Money", "金额", 2, 90, 1, 3}, {"GoodsName", "名称", 0, 120},
                                 {"Number", "数量", 1, 70, 1, 2, 0, numberShowUp}, {"memo", "备注", 3, 60, 0, 0, 0, 0, false}});
    }

    QVariant stored(const QString &field, const char *column)
    {
        return m_db->scalar(QStringLiteral("SELECT %1 FROM T_FieldShow WHERE TableName = ? AND Field = ?").arg(column),
                            {QStringLiteral("Lines'Key"), field});
    }

    static QStringList columnTexts(const DataGrid &grid, int column)
    {
        QStringList texts;
        for (int r = 0; r < grid.model()->rowCount(); ++r)
            texts << grid.model()->index(r, column).data().toString();
        return texts;
    }

    static void clickTitle(DataGrid &grid, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QHeaderView *header = grid.horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() * 3 / 4);
        QMouseEvent press(QEvent::MouseButtonPress, at, header->viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QMouseEvent release(QEvent::MouseButtonRelease, at, header->viewport()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, modifiers);
        QApplication::sendEvent(header->viewport(), &press);
        QApplication::sendEvent(header->viewport(), &release);
    }

    // Closes the next modal message box the code under test opens.
    static void closeNextMessageBox()
    {
        QTimer::singleShot(0, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
    }

    kesvar::test::TestDatabase m_testDb;
    std::unique_ptr<Database> m_db;
    Session m_session;
};

} // namespace

TEST_F(DataGridTest, SetupBuildsColumnsInOrderWithFormatsAndFooterSums)
{
    addLineColumns();
    DataGrid grid(m_session);
    grid.setRows(lines());
    grid.setupGrid("lines'key"); // key letter case does not matter
    ASSERT_EQ(grid.model()->columnCount(), 3);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("名称"));
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("金额"));
    EXPECT_EQ(grid.columnWidth(0), 120);
    EXPECT_EQ(columnTexts(grid, 1), (QStringList{"5.000", "1.500", "3.000"}));
    EXPECT_EQ(columnTexts(grid, 2), (QStringList{"100.00", "20.13", "7.50"}));
    EXPECT_TRUE(grid.isFooterShown());
    EXPECT_EQ(grid.tableModel()->footerText(2), QStringLiteral("127.63"));
    EXPECT_EQ(grid.tableModel()->footerText(1), QStringLiteral("9.500"));
    EXPECT_EQ(grid.tableModel()->footerText(0), QString());

    // New decimals reach a grid set up afterwards, without a restart.
    m_session.options.dotNum = 0;
    DataGrid later(m_session);
    later.setupGrid("Lines'Key");
    later.setRows(lines());
    EXPECT_EQ(columnTexts(later, 1), (QStringList{"5", "2", "3"}));
}

TEST_F(DataGridTest, FooterCellsStayUnderTheirColumns)
{
    addLineColumns();
    DataGrid grid(m_session);
    grid.resize(500, 300);
    grid.setRows(lines());
    grid.setupGrid("Lines'Key");
    grid.show();
    QApplication::processEvents();
    QHeaderView *header = grid.horizontalHeader();
    auto check = [&] {
        for (int c = 0; c < 3; ++c) {
            const QRect cell = grid.footer()->cellRect(c);
            EXPECT_EQ(grid.footer()->mapTo(&grid, cell.topLeft()).x(),
                      header->mapTo(&grid, QPoint(header->sectionViewportPosition(c), 0)).x()) << c;
            EXPECT_EQ(cell.width(), header->sectionSize(c));
        }
        // The footer lies under the rows and above the horizontal scroll bar, inside the grid.
        EXPECT_EQ(grid.footer()->geometry().top(), grid.viewport()->geometry().bottom() + 1);
        EXPECT_GT(grid.footer()->height(), 0);
        EXPECT_LE(grid.footer()->geometry().bottom(), grid.contentsRect().bottom());
        EXPECT_TRUE(grid.footer()->isVisible());
    };
    check();
    header->moveSection(2, 0);
    header->resizeSection(1, 150);
    QApplication::processEvents();
    check();
}

TEST_F(DataGridTest, WideFooterTotalsBorrowEmptyNeighboursBeforeTheyAreElided)
{
    // A narrow summed column first, a text column, then a narrow summed column after it.
    addColumns("Narrow", {{"Number", "数量", 0, 24, 1, 2}, {"GoodsName", "名称", 1, 120}, {"Money", "金额", 2, 30, 1, 3}});
    RowSet rows({"GoodsName", "Number", "Money"});
    rows.appendRow({"圆钢", 1234567.5, 98765432.25});
    DataGrid grid(m_session);
    grid.resize(400, 200);
    grid.setRows(rows);
    grid.setupGrid("Narrow");
    grid.show();
    QApplication::processEvents();
    const GridFooter *footer = grid.footer();

    const QRect money = footer->textRect(2);
    EXPECT_LT(money.left(), footer->cellRect(2).left());
    EXPECT_GE(money.left(), footer->cellRect(1).left());
    EXPECT_EQ(money.right(), footer->cellRect(2).right());
    EXPECT_EQ(footer->shownText(2), QStringLiteral("98765432.25"));
    EXPECT_EQ(grid.columnWidth(2), 30);

    // Nothing to borrow at the left edge: the total is elided, not cut.
    EXPECT_EQ(footer->textRect(0), footer->cellRect(0));
    EXPECT_NE(footer->shownText(0), grid.tableModel()->footerText(0));
    EXPECT_TRUE(footer->shownText(0).isEmpty() || footer->shownText(0).endsWith(QChar(0x2026)));
    EXPECT_TRUE(footer->textRect(1).isEmpty());
}

TEST_F(DataGridTest, TitleClicksToggleAndAddSortMarksAndStoreTheLast)
{
    addLineColumns(1);
    DataGrid grid(m_session);
    grid.setSortMarkingEnabled(true);
    grid.resize(500, 300);
    grid.setRows(lines());
    grid.setupGrid("Lines'Key");
    grid.show();
    QApplication::processEvents();
    auto *header = static_cast<GridHeaderView *>(grid.horizontalHeader());
    // The stored mark shows, the rows stay in the order read.
    EXPECT_EQ(header->sortMark(1), SortMark::Up);
    EXPECT_EQ(columnTexts(grid, 0), (QStringList{"圆钢", "角钢", "扁钢"}));

    clickTitle(grid, 2); // amount, ascending
    EXPECT_EQ(header->sortMark(2), SortMark::Down);
    EXPECT_EQ(header->sortMark(1), SortMark::None);
    EXPECT_EQ(columnTexts(grid, 2), (QStringList{"7.50", "20.13", "100.00"}));
    EXPECT_EQ(stored("Money", "ShowUp").toInt(), 2);
    EXPECT_EQ(stored("Number", "ShowUp").toInt(), 0);

    clickTitle(grid, 2); // toggles to descending
    EXPECT_EQ(header->sortMark(2), SortMark::Up);
    EXPECT_EQ(columnTexts(grid, 2), (QStringList{"100.00", "20.13", "7.50"}));
    EXPECT_EQ(stored("Money", "ShowUp").toInt(), 1);

    clickTitle(grid, 0, Qt::ControlModifier); // adds the name, ascending
    EXPECT_EQ(header->sortMark(2), SortMark::Up);
    EXPECT_EQ(header->sortMark(0), SortMark::Down);
    ASSERT_EQ(grid.sortMarks().size(), 2);
    EXPECT_EQ(stored("Money", "ShowUp").toInt(), 0);
    EXPECT_EQ(stored("GoodsName", "ShowUp").toInt(), 2);
    // Selection still maps to the dataset row.
    grid.setCurrentIndex(grid.model()->index(0, 0));
    EXPECT_EQ(grid.currentSourceRow(), 0);

    // Reopening shows the stored mark without sorting.
    DataGrid reopened(m_session);
    reopened.setRows(lines());
    reopened.setupGrid("Lines'Key");
    EXPECT_EQ(static_cast<GridHeaderView *>(reopened.horizontalHeader())->sortMark(0), SortMark::Down);
    EXPECT_EQ(columnTexts(reopened, 0), (QStringList{"圆钢", "角钢", "扁钢"}));

    // Names sort by pinyin (bian, jiao, yuan), not by code point.
    reopened.applySortMarks({{"GoodsName", SortMark::Down}});
    EXPECT_EQ(columnTexts(reopened, 0), (QStringList{"扁钢", "角钢", "圆钢"}));
}

TEST_F(DataGridTest, DaysShowInTheWorkstationFormatAndSortByDay)
{
    QTemporaryDir dir;
    AppHome home(dir.path());
    WorkstationDateFormat::save(home.config(), QStringLiteral("dd.MM.yyyy"));
    m_session.home = &home;
    addColumns("Days", {{"AddDate", "日期", 0}, {"BillCode", "单号", 1}});
    RowSet rows({"AddDate", "BillCode"});
    rows.appendRow({QStringLiteral("2026-02-01"), "B"}); // SQLite hands days over as text
    rows.appendRow({QStringLiteral("2025-12-31"), "A"});
    rows.appendRow({QDate(2026, 1, 15), "C"});
    DataGrid grid(m_session);
    grid.setRows(rows);
    grid.setupGrid("Days");
    EXPECT_EQ(columnTexts(grid, 0), (QStringList{"01.02.2026", "31.12.2025", "15.01.2026"}));
    grid.applySortMarks({{"AddDate", SortMark::Down}});
    EXPECT_EQ(columnTexts(grid, 1), (QStringList{"A", "C", "B"}));
    m_session.home = nullptr;
}

TEST_F(DataGridTest, SavedLayoutKeepsTheMovedColumnFirst)
{
    addLineColumns();
    DataGrid grid(m_session);
    grid.setRows(lines());
    grid.setupGrid("Lines'Key");
    grid.horizontalHeader()->moveSection(2, 0);
    grid.horizontalHeader()->resizeSection(2, 111);
    grid.saveGridLayout(false);
    EXPECT_EQ(stored("Money", "ShowID").toInt(), 0);
    EXPECT_EQ(stored("Money", "Width").toInt(), 111);
    EXPECT_EQ(stored("GoodsName", "ShowID").toInt(), 1);
    EXPECT_EQ(stored("Number", "ShowID").toInt(), 2);

    grid.setupGrid("Lines'Key");
    EXPECT_EQ(grid.shownColumns().first().field, QStringLiteral("Money"));

    // Loading rows again keeps the columns where the user put them.
    grid.horizontalHeader()->moveSection(2, 0);
    grid.horizontalHeader()->resizeSection(1, 140);
    const QList<GridColumn> arranged = grid.shownColumns();
    grid.setRows(lines());
    EXPECT_EQ(grid.shownColumns().first().field, arranged.first().field);
    EXPECT_EQ(grid.columnWidth(1), 140);

    // One column: nothing stored, no message.
    addColumns("single", {{"GoodsName", "名称", 5, 77}});
    DataGrid single(m_session);
    single.setupGrid("single");
    single.horizontalHeader()->resizeSection(0, 200);
    single.saveGridLayout(true);
    EXPECT_EQ(m_db->scalar("SELECT Width FROM T_FieldShow WHERE TableName = 'single'").toInt(), 77);
}

TEST_F(DataGridTest, TwoLevelTitlesShareAnUpperBand)
{
    addColumns("depots", {{"GoodsName", "名称", 0}, {"Number", "一号库|数量", 1}, {"Money", "一号库|金额", 2}});
    addColumns("flat", {{"GoodsName", "名称", 0}});
    DataGrid grid(m_session);
    grid.setRows(lines());
    grid.setupGrid("depots");
    DataGrid flat(m_session);
    flat.setupGrid("flat");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("数量"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal, GridTableModel::GroupTitleRole).toString(),
              QStringLiteral("一号库"));
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, GridTableModel::GroupTitleRole).toString(), QString());
    EXPECT_EQ(grid.horizontalHeader()->sizeHint().height(), 2 * flat.horizontalHeader()->sizeHint().height());
}

TEST_F(DataGridTest, EditedCellsReachTheRowsAndTheFooter)
{
    addLineColumns();
    DataGrid grid(m_session);
    grid.setupGrid("Lines'Key");
    grid.setRows(lines());
    grid.setEditable(true);
    grid.setReadOnlyFields({"goodsname"});
    GridTableModel *model = grid.tableModel();
    QList<std::pair<int, QString>> edits;
    QObject::connect(model, &GridTableModel::cellEdited, [&](int row, const QString &field, const QVariant &) {
        edits.append({row, field});
    });
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.model()->setData(grid.model()->index(1, 2), QStringLiteral("30")));
    EXPECT_FALSE(grid.model()->setData(grid.model()->index(1, 1), QStringLiteral("abc"))); // not a figure
    EXPECT_EQ(model->rows().value(1, "Money").toDouble(), 30.0);
    EXPECT_EQ(model->rows().value(1, "Number").toDouble(), 1.5);
    EXPECT_EQ(model->footerText(2), QStringLiteral("137.50"));
    ASSERT_EQ(edits.size(), 1);
    EXPECT_EQ(edits.first(), std::make_pair(1, QStringLiteral("Money")));

    // The window changes cells and rows itself; fields no column shows are kept.
    model->setValue(0, "memo", "changed");
    const int added = model->appendRow({"方钢", 2, 2.5, "new"});
    EXPECT_EQ(model->footerText(2), QStringLiteral("140.00"));
    model->removeRow(0);
    EXPECT_EQ(model->footerText(2), QStringLiteral("40.00"));
    EXPECT_EQ(added, 3);
    EXPECT_EQ(model->rows().rowCount(), 3);
    EXPECT_EQ(model->value(2, "memo").toString(), QStringLiteral("new"));
}

TEST_F(DataGridTest, EllipsisButtonCallsTheWindowWithRowAndField)
{
    addColumns("picker", {{"GoodsName", "名称", 0, 120, 0, 0, 1}, {"Number", "数量", 1}});
    DataGrid grid(m_session);
    grid.resize(400, 200);
    grid.setRows(lines());
    grid.setupGrid("picker");
    grid.show();
    QApplication::processEvents();
    int clickedRow = -1;
    QString clickedField;
    grid.setEllipsisHandler([&](int row, const QString &field) {
        clickedRow = row;
        clickedField = field;
    });
    const QRect cell = grid.visualRect(grid.model()->index(2, 0));
    const QPoint at = GridCellDelegate::buttonRect(cell).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(grid.viewport(), &press);
    QApplication::sendEvent(grid.viewport(), &release);
    EXPECT_EQ(clickedRow, 2);
    EXPECT_EQ(clickedField, QStringLiteral("GoodsName"));
}

TEST_F(DataGridTest, FieldChooserStoresOnlyOnOk)
{
    addColumns("chooser", {{"A", "甲", 0}, {"B", "乙", 1, 80, 0, 0, 0, 0, false}, {"C", "丙", 2}});
    auto shownCount = [&] {
        return m_db->scalar("SELECT COUNT(*) FROM T_FieldShow WHERE TableName = 'chooser' AND show = TRUE").toInt();
    };
    auto click = [](QDialog &dialog, const char *name) { dialog.findChild<QPushButton *>(name)->click(); };
    {
        TFrm_FieldShow dialog(*m_db, "chooser");
        auto *src = dialog.findChild<QListWidget *>("SrcList");
        EXPECT_EQ(src->count(), 1);
        EXPECT_EQ(dialog.findChild<QListWidget *>("DstList")->count(), 2);
        click(dialog, "SP_allleft");
        EXPECT_EQ(src->count(), 3);
        EXPECT_FALSE(dialog.findChild<QPushButton *>("SP_left")->isEnabled());
        click(dialog, "Btn_exit");
    }
    EXPECT_EQ(shownCount(), 2);

    TFrm_FieldShow dialog(*m_db, "chooser");
    dialog.findChild<QListWidget *>("SrcList")->setCurrentRow(0);
    click(dialog, "SP_right");
    EXPECT_EQ(dialog.findChild<QListWidget *>("DstList")->count(), 3);
    EXPECT_FALSE(dialog.findChild<QPushButton *>("SP_right")->isEnabled());
    closeNextMessageBox();
    click(dialog, "Btn_ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(shownCount(), 3);
}

TEST_F(DataGridTest, ExportWritesWhatTheGridShows)
{
    addLineColumns();
    DataGrid grid(m_session);
    QTemporaryDir dir;
    auto refusal = [&] {
        try {
            GridExporter::exportGridTo(grid, dir.filePath("x"));
        } catch (const RuleError &e) {
            return e.message();
        }
        return QString();
    };
    grid.setupGrid("Lines'Key");
    EXPECT_EQ(refusal(), QStringLiteral("数据没有显示不能导出成Excel文件!"));
    grid.setRows(RowSet(lines().columns()));
    EXPECT_EQ(refusal(), QStringLiteral("没有数据,不能导出成Excel文件!"));

    grid.setRows(lines());
    grid.horizontalHeader()->moveSection(2, 0); // amount first
    grid.applySortMarks({{"GoodsName", SortMark::Down}});
    QString question;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        }
    });
    const QString written = GridExporter::exportGridTo(grid, dir.filePath("行情 "));
    EXPECT_EQ(written, dir.filePath("行情.xlsx"));
    EXPECT_TRUE(question.contains(written));

    const auto sheet = kesvar::test::readXlsx(written);
    ASSERT_TRUE(sheet.valid);
    EXPECT_EQ(sheet.text("A1"), QStringLiteral("金额"));
    EXPECT_EQ(sheet.text("B1"), QStringLiteral("名称"));
    EXPECT_EQ(sheet.text("C1"), QStringLiteral("数量"));
    // Rows in the order shown (by name), figures as shown, the footer last.
    const QStringList names = {sheet.text("B2"), sheet.text("B3"), sheet.text("B4")};
    EXPECT_EQ(names, columnTexts(grid, 0));
    EXPECT_EQ(sheet.text("A5"), QStringLiteral("127.63"));
    EXPECT_EQ(sheet.text("C5"), QStringLiteral("9.5"));
    EXPECT_EQ(sheet.cells.value("C5").format, QStringLiteral("0.000"));
    EXPECT_EQ(sheet.rowCount(), 5);
}

TEST_F(DataGridTest, ExportAsksBeforeReplacingTheWorkbookTheNameRuleLeadsTo)
{
    addLineColumns();
    DataGrid grid(m_session);
    grid.setupGrid("Lines'Key");
    grid.setRows(lines());
    QTemporaryDir dir;
    const QString existing = dir.filePath("月报.xlsx");
    for (const bool replace : {false, true}) {
        {
            QFile file(existing);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("keep");
        }
        QStringList asked;
        QTimer answers;
        QObject::connect(&answers, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            asked << box->text();
            box->button(asked.size() == 1 && replace ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        answers.start(10);
        const QString written = GridExporter::exportGridTo(grid, dir.filePath("月报"));
        answers.stop();
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_TRUE(asked.first().contains(QStringLiteral("已存在"))) << asked.first().toStdString();
        EXPECT_EQ(written, replace ? existing : QString());
        EXPECT_EQ(kesvar::test::readXlsx(existing).valid, replace);
        EXPECT_EQ(asked.size(), replace ? 2 : 1); // the open-file question only after writing
    }
}
