#include "TestDatabase.h"

#include "app/Session.h"
#include "grid/DataGrid.h"
#include "grid/GridExporter.h"
#include "grid/GridTableModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

using namespace kesvar;
using namespace kesvar::gui;

// A hundred thousand rows from one query must load, show, sort and export without the window
// hanging. Set KESVAR_SCREENSHOT_DIR to keep the window up for a few seconds (for a screen grab
// under Xvfb) and to save pictures of it.
TEST(LargeGrid, HundredThousandRowsLoadSortAndExport)
{
    kesvar::test::TestDatabase testDb;
    auto db = testDb.open();
    struct Column
    {
        const char *field;
        const char *title;
        int width;
        int sum;
        int dotSize;
        int showUp;
    };
    const Column columns[] = {
        {"GoodsCode", "编号", 80, 0, 0, 0},       {"GoodsName", "品名", 90, 0, 0, 0},
        {"A_Number", "一号库|数量", 80, 1, 2, 0}, {"A_Money", "一号库|金额", 100, 1, 3, 0},
        {"B_Number", "二号库|数量", 80, 1, 2, 0}, {"B_Money", "二号库|金额", 100, 1, 3, 0},
        {"Price", "单价", 70, 0, 1, 1},
    };
    int position = 0;
    for (const Column &c : columns)
        db->exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize, ShowButton,"
                 " combo, com_table, Color, ShowUp) VALUES ('bigdemo', ?, ?, ?, ?, TRUE, ?, ?, 0, 0, '', '', ?)",
                 {QString::fromUtf8(c.field), QString::fromUtf8(c.title), position++, c.width, c.sum, c.dotSize, c.showUp});

    Session session;
    session.db = db.get();
    session.options.dotPrice = 2;
    session.options.dotNum = 3;
    session.options.dotMon = 2;

    QElapsedTimer timer;
    timer.start();
    const RowSet rows = db->select(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)"
        " SELECT 'G' || i AS GoodsCode, CASE i % 3 WHEN 0 THEN '圆钢' WHEN 1 THEN '角钢' ELSE '螺纹钢' END AS GoodsName,"
        " (i % 97) * 1.5 AS A_Number, (i % 97) * 1.5 * 4.25 AS A_Money, (i % 13) * 0.125 AS B_Number,"
        " (i % 13) * 0.125 * 3.1 AS B_Money, (i % 1000) * 0.01 AS Price FROM n",
        {}, {"GoodsCode", "GoodsName", "A_Number", "A_Money", "B_Number", "B_Money", "Price"});
    const qint64 queried = timer.restart();
    ASSERT_EQ(rows.rowCount(), 100000);

    QWidget window;
    window.setWindowTitle(QStringLiteral("库存分布"));
    auto *layout = new QVBoxLayout(&window);
    auto *grid = new DataGrid(session, &window);
    layout->addWidget(grid);
    grid->setSortMarkingEnabled(true);
    grid->setRows(rows);
    grid->setupGrid("bigdemo");
    window.resize(820, 520);
    window.show();
    QApplication::processEvents();
    const qint64 shown = timer.restart();

    grid->applySortMarks({{"A_Money", SortMark::Up}, {"GoodsCode", SortMark::Down}});
    QApplication::processEvents();
    const qint64 sorted = timer.restart();
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), QStringLiteral("612.00"));
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("G10087"));
    grid->scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(grid->model()->index(99999, 3).data().toString(), QStringLiteral("0.00"));
    EXPECT_EQ(grid->tableModel()->footerText(2), QStringLiteral("7199662.500"));

    // Exported the way the "Excel" button does it: with the progress dialog, then the question.
    QTemporaryDir dir;
    bool progressShown = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto *progress = window.findChild<QProgressDialog *>(); progress && progress->isVisible())
            progressShown = true;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->isVisible())
            box->button(QMessageBox::No)->click();
    });
    watcher.start(20);
    timer.restart();
    const QString file = GridExporter::exportGridTo(*grid, dir.filePath("big"));
    const qint64 exported = timer.elapsed();
    watcher.stop();
    ASSERT_EQ(file, dir.filePath("big.xlsx"));
    EXPECT_TRUE(progressShown);
    EXPECT_GT(QFile(file).size(), 1000000);
    std::printf("100000 rows: query %lld ms, show %lld ms, sort %lld ms, export %lld ms\n", queried, shown, sorted,
                exported);

    const QString pictures = qEnvironmentVariable("KESVAR_SCREENSHOT_DIR");
    if (!pictures.isEmpty()) {
        grid->scrollToTop();
        window.grab().save(pictures + "/large-grid.png");
        QEventLoop loop;
        QTimer::singleShot(qEnvironmentVariableIntValue("KESVAR_DEMO_SECONDS") * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
