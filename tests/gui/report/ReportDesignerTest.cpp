#include "app/DataFolder.h"
#include "report/DesignerCanvas.h"
#include "report/PropertyPanel.h"
#include "report/ReportDesigner.h"
#include "report/ReportTemplate.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kesvar;
using namespace kesvar::gui;
using namespace kesvar::report;

namespace {

class ReportDesignerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = std::make_unique<DataFolder>(m_dir.path());
        ReportTemplates::installMissing(*m_folder);
        m_file = ReportTemplates::filePath(*m_folder, ReportKind::Bill);
        ReportJob job;
        job.layout = ReportTemplates::load(*m_folder, ReportKind::Bill);
        job.objectTexts.insert("Memo_Company", "鑫达钢材");
        m_designer = std::make_unique<ReportDesigner>(job, m_file);
        m_designer->show();
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(m_designer->canvas(), &event);
    }

    void mouse(QEvent::Type type, QPointF at)
    {
        QMouseEvent event(type, at, m_designer->canvas()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_designer->canvas(), &event);
    }

    const ReportObject &object(const QString &name) { return *m_designer->layout().findObject(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<DataFolder> m_folder;
    QString m_file;
    std::unique_ptr<ReportDesigner> m_designer;
};

} // namespace

TEST_F(ReportDesignerTest, MovesAndResizesWithKeysAndMouseAndTheSavedTemplatePrintsIt)
{
    const QRectF company = object("Memo_Company").rect;
    ASSERT_TRUE(m_designer->selectObject("Memo_Company"));
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Left, Qt::ShiftModifier); // narrower
    EXPECT_EQ(object("Memo_Company").rect, QRectF(company.x() + 1, company.y() + 0.5, company.width() - 0.5, company.height()));
    EXPECT_TRUE(m_designer->isModified());

    // Tab steps to the next object of the page, Shift+Tab back.
    key(Qt::Key_Tab);
    EXPECT_EQ(m_designer->canvas()->currentObject()->name, "Memo_BillType");
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(m_designer->canvas()->currentObject()->name, "Memo_Company");

    // Drag the bill title 10 mm to the right and 2 mm down: the canvas snaps to half millimetres.
    const QRectF billType = object("Memo_BillType").rect;
    const double s = m_designer->canvas()->pixelsPerMm();
    const QRectF onCanvas = m_designer->canvas()->objectRect(0, 1);
    const QPointF start = onCanvas.center() + QPointF(20, 0);
    mouse(QEvent::MouseButtonPress, start);
    EXPECT_EQ(m_designer->canvas()->currentObject()->name, "Memo_BillType");
    mouse(QEvent::MouseMove, start + QPointF(10 * s, 2 * s));
    mouse(QEvent::MouseButtonRelease, start + QPointF(10 * s, 2 * s));
    EXPECT_EQ(object("Memo_BillType").rect, billType.translated(10, 2));

    // Resize by its corner handle.
    const QPointF corner = m_designer->canvas()->objectRect(0, 1).bottomRight();
    mouse(QEvent::MouseButtonPress, corner);
    mouse(QEvent::MouseMove, corner + QPointF(-20 * s, 1 * s));
    mouse(QEvent::MouseButtonRelease, corner + QPointF(-20 * s, 1 * s));
    EXPECT_EQ(object("Memo_BillType").rect.size(), billType.size() + QSizeF(-20, 1));

    // Drag the lower edge of the data band 3 mm down.
    const int dataBand = 1;
    const double dataHeight = m_designer->layout().bands.at(dataBand).height;
    const QPointF edge(m_designer->canvas()->objectRect(dataBand, 0).center().x(),
                       m_designer->canvas()->objectRect(dataBand, 0).top() + dataHeight * s);
    mouse(QEvent::MouseButtonPress, edge);
    mouse(QEvent::MouseMove, edge + QPointF(0, 3 * s));
    mouse(QEvent::MouseButtonRelease, edge + QPointF(0, 3 * s));
    EXPECT_DOUBLE_EQ(m_designer->layout().bands.at(dataBand).height, dataHeight + 3);

    ASSERT_TRUE(m_designer->save());
    EXPECT_FALSE(m_designer->isModified());
    EXPECT_EQ(ReportTemplate::load(m_file), m_designer->layout());

    ReportJob next;
    next.layout = ReportTemplates::load(*m_folder, ReportKind::Bill);
    const PreparedItem *printed = next.prepare().pages.first().item("Memo_BillType");
    EXPECT_DOUBLE_EQ(printed->rect.left(), 5 + billType.left() + 10);
    EXPECT_DOUBLE_EQ(printed->rect.top(), 5 + billType.top() + 2);
}

TEST_F(ReportDesignerTest, PropertyPanelAndBandCommandsChangeTheLayout)
{
    ASSERT_TRUE(m_designer->selectObject("Memo_SumMoney"));
    PropertyPanel *panel = m_designer->propertyPanel();
    EXPECT_EQ(panel->textEdit()->text(), QStringLiteral("[SUM(<S.\"Money\">)]"));
    panel->textEdit()->setText("金额合计 [SUM(<S.\"Money\">)]");
    emit panel->textEdit()->textEdited(panel->textEdit()->text());
    panel->formatEdit()->setCurrentText("%2.2f");
    EXPECT_EQ(object("Memo_SumMoney").text, QStringLiteral("金额合计 [SUM(<S.\"Money\">)]"));
    EXPECT_EQ(object("Memo_SumMoney").format, "%2.2f");
    EXPECT_TRUE(object("Memo_SumMoney").font.bold); // untouched properties stay as they were

    const qsizetype bands = m_designer->layout().bands.size();
    m_designer->addBand(BandType::ReportTitle);
    ASSERT_EQ(m_designer->layout().bands.size(), bands + 1);
    EXPECT_EQ(m_designer->layout().bands.first().type, BandType::ReportTitle);
    EXPECT_EQ(m_designer->layout().bands.first().name, "ReportTitle1");
    m_designer->addObject();
    ASSERT_EQ(m_designer->layout().bands.first().objects.size(), 1);
    const QString added = m_designer->layout().bands.first().objects.first().name;
    EXPECT_EQ(added, "Memo1");

    ASSERT_TRUE(m_designer->selectObject("Memo_Maker"));
    m_designer->deleteSelection();
    EXPECT_EQ(m_designer->layout().findObject("Memo_Maker"), nullptr);

    ASSERT_TRUE(m_designer->save());
    const ReportLayout saved = ReportTemplate::load(m_file);
    EXPECT_EQ(saved, m_designer->layout());
    EXPECT_NE(saved.findObject(added), nullptr);

    m_designer->canvas()->select(0, -1);
    m_designer->deleteBand();
    EXPECT_EQ(m_designer->layout().bands.size(), bands);
    ASSERT_TRUE(m_designer->save());
}

TEST_F(ReportDesignerTest, UndoStepsBackThroughChanges)
{
    const ReportLayout original = m_designer->layout();
    ASSERT_TRUE(m_designer->selectObject("Memo_Maker"));
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    m_designer->duplicateSelection();
    const ReportObject &copy = m_designer->layout().bands.last().objects.last();
    EXPECT_EQ(copy.text, object("Memo_Maker").text);
    EXPECT_EQ(copy.rect, object("Memo_Maker").rect.translated(0, object("Memo_Maker").rect.height()));
    m_designer->addObject("[S.\"Money\"]");
    EXPECT_EQ(m_designer->layout().bands.last().objects.last().text, QStringLiteral("[S.\"Money\"]"));

    m_designer->undo(); // the added object
    m_designer->undo(); // the copy
    m_designer->undo(); // the second step right
    EXPECT_DOUBLE_EQ(object("Memo_Maker").rect.x(), original.findObject("Memo_Maker")->rect.x() + 0.5);
    m_designer->undo();
    EXPECT_EQ(m_designer->layout(), original);
    m_designer->undo(); // nothing left: no change
    EXPECT_EQ(m_designer->layout(), original);
    ASSERT_TRUE(m_designer->save());
}

TEST_F(ReportDesignerTest, DeleteKeyRemovesTheSelectionAndSaveRecreatesAMissingReportsFolder)
{
    ASSERT_TRUE(m_designer->selectObject("Memo_PrintDate"));
    key(Qt::Key_Delete);
    EXPECT_EQ(m_designer->layout().findObject("Memo_PrintDate"), nullptr);
    EXPECT_EQ(m_designer->canvas()->currentObject(), nullptr);
    EXPECT_TRUE(m_designer->isModified());
    m_designer->undo();
    EXPECT_NE(m_designer->layout().findObject("Memo_PrintDate"), nullptr);

    ASSERT_TRUE(QDir(m_folder->reportsFolder()).removeRecursively());
    ASSERT_TRUE(m_designer->save());
    EXPECT_EQ(ReportTemplate::load(m_file), m_designer->layout());
}

TEST_F(ReportDesignerTest, EnterEditsTheSelectedTextAndReturnsToThePage)
{
    ASSERT_TRUE(m_designer->selectObject("Memo_Maker"));
    key(Qt::Key_Return);
    QLineEdit *text = m_designer->propertyPanel()->textEdit();
    EXPECT_EQ(m_designer->focusWidget(), text);
    EXPECT_EQ(text->selectedText(), object("Memo_Maker").text);

    text->setText(QStringLiteral("经办人：[B.\"Maker\"]"));
    emit text->textEdited(text->text());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(text, &enter);
    EXPECT_EQ(object("Memo_Maker").text, QStringLiteral("经办人：[B.\"Maker\"]"));
    EXPECT_EQ(m_designer->focusWidget(), m_designer->canvas());
}

TEST_F(ReportDesignerTest, ObjectNamesStayUniqueAndNonEmpty)
{
    ASSERT_TRUE(m_designer->selectObject("Memo_Maker"));
    QLineEdit *name = m_designer->propertyPanel()->nameEdit();
    struct Case { const char *typed; const char *kept; };
    const Case cases[] = {
        {"Memo_BigMoney", "Memo_Maker"}, // taken: the program would fill the wrong object
        {"memo_bigmoney", "Memo_Maker"}, // names are matched without regard to letter case
        {"  ", "Memo_Maker"},
        {"Memo_Operator", "Memo_Operator"},
    };
    for (const Case &c : cases) {
        name->setText(QString::fromUtf8(c.typed));
        emit name->textEdited(name->text());
        emit name->editingFinished();
        EXPECT_EQ(m_designer->canvas()->currentObject()->name, QString::fromUtf8(c.kept)) << c.typed;
        EXPECT_EQ(name->text(), QString::fromUtf8(c.kept)) << c.typed;
    }
    EXPECT_EQ(m_designer->layout().findObject("Memo_BigMoney")->rect.left(), 20);
}
