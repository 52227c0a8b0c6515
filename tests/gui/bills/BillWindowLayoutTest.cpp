#include "TestDatabase.h"

#include "app/Session.h"
#include "bills/BillTypes.h"
#include "bills/TFrm_AddBill.h"
#include "grid/DataGrid.h"
#include "grid/GridFooter.h"

#include <QApplication>

using namespace kesvar;
using namespace kesvar::gui;

// At the window's designed size the line columns just fit; taking the footer's strip then changes
// which scroll bars the grid needs, and the sums once ended up below the visible area.
TEST(BillWindowLayout, LineSumsAreVisibleAtTheDesignedSizeAndAfterResizing)
{
    test::TestDatabase testDb;
    auto db = testDb.open();
    Session session;
    session.db = db.get();
    session.authority = AuthorityFlags::everything();
    TFrm_AddBill window(session, BillTypes::PurchaseReceipt, BillTypes::Receipt);
    window.show();
    QApplication::processEvents();
    for (const QSize size : {window.size(), QSize(1002, 506), QSize(902, 496)}) {
        window.resize(size);
        QApplication::processEvents();
        const DataGrid *grid = window.lineGrid();
        ASSERT_TRUE(grid->footer()->isVisible());
        EXPECT_EQ(grid->footer()->geometry().top(), grid->viewport()->geometry().bottom() + 1);
        EXPECT_LE(grid->footer()->geometry().bottom(), grid->contentsRect().bottom())
            << size.width() << "x" << size.height();
    }
}
