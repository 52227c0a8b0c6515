#include "app/AppHome.h"
#include "app/Session.h"
#include "data/Database.h"
#include "grid/DataGrid.h"
#include "maintenance/Options.h"
#include "maintenance/TFrm_Option.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kesvar;
using namespace kesvar::gui;

namespace {

class OptionDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_home = std::make_unique<AppHome>(m_dir.path());
        m_db = m_home->openDatabase();
        m_session.home = m_home.get();
        m_session.db = m_db.get();
        m_session.options = Options(*m_db).load();
    }

    static QPushButton *button(QWidget &dialog, const QString &text)
    {
        for (QPushButton *b : dialog.findChildren<QPushButton *>())
            if (b->text() == text)
                return b;
        return nullptr;
    }

    // Answers the next question box with `answer` and remembers its text.
    void answerNextQuestion(QMessageBox::StandardButton answer)
    {
        QTimer::singleShot(0, [this, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_question = box->text();
                box->button(answer)->click();
            }
        });
    }

    QTemporaryDir m_dir;
    std::unique_ptr<AppHome> m_home;
    std::unique_ptr<Database> m_db;
    Session m_session;
    QString m_question;
};

} // namespace

TEST_F(OptionDialogTest, OkStoresEverythingAndAppliesOnlyTheDecimalsAtOnce)
{
    const SoftInfo before = m_session.options;
    TFrm_Option dialog(m_session);
    const QList<QSpinBox *> spins = {dialog.findChild<QSpinBox *>("SpinEdit1"), dialog.findChild<QSpinBox *>("SpinEdit2"),
                                     dialog.findChild<QSpinBox *>("SpinEdit3")};
    ASSERT_FALSE(spins.contains(nullptr));
    EXPECT_EQ(spins.at(0)->maximum(), 9);
    EXPECT_EQ(spins.at(0)->value(), before.dotPrice);
    dialog.findChild<QLineEdit *>("Edit_Name")->setText(QStringLiteral("钢材公司 O'Neil"));
    spins.at(0)->setValue(3);
    spins.at(1)->setValue(0);
    spins.at(2)->setValue(4);
    auto *cost = dialog.findChild<QComboBox *>("Combo_JSFS");
    EXPECT_EQ(cost->itemText(0), QStringLiteral("移动加权平均"));
    cost->setCurrentText(QStringLiteral("先进先出"));
    bool decimalsChanged = false;
    bool restart = false;
    bool started = false;
    QObject::connect(&dialog, &TFrm_Option::decimalsChanged, [&] { decimalsChanged = true; });
    QObject::connect(&dialog, &TFrm_Option::restartRequested, [&] { restart = true; });
    dialog.setRestartStarter([&] { return started = true; });

    answerNextQuestion(QMessageBox::No);
    button(dialog, QStringLiteral("确定"))->click();
    EXPECT_EQ(m_question, QStringLiteral("修改成功！需要重启才能生效，是否马上重启？"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(decimalsChanged);
    EXPECT_FALSE(restart);
    EXPECT_FALSE(started);

    const SoftInfo stored = Options(*m_db).load();
    EXPECT_EQ(stored.softName, QStringLiteral("钢材公司 O'Neil"));
    EXPECT_EQ(stored.dotPrice, 3);
    EXPECT_EQ(stored.dotNum, 0);
    EXPECT_EQ(stored.dotMon, 4);
    EXPECT_EQ(stored.cost, QStringLiteral("先进先出"));
    EXPECT_EQ(m_session.options.dotPrice, 3);
    EXPECT_EQ(m_session.options.dotMon, 4);
    EXPECT_EQ(m_session.options.softName, before.softName);
    EXPECT_EQ(m_session.options.cost, before.cost);

    // A grid set up afterwards shows prices with the new places.
    m_db->exec("INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize, ShowButton,"
               " combo, com_table, Color, ShowUp) VALUES ('prices', 'Price', '单价', 0, 80, TRUE, 0, 1, 0, 0, '', '', 0)");
    DataGrid grid(m_session);
    RowSet rows({"Price"});
    rows.appendRow({5});
    grid.setRows(rows);
    grid.setupGrid("prices");
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("5.000"));
}

TEST_F(OptionDialogTest, YesStartsTheProgramAgainAndAsksToClose)
{
    for (const bool startable : {true, false}) {
        TFrm_Option dialog(m_session);
        bool restart = false;
        int starts = 0;
        QString afterwards;
        QObject::connect(&dialog, &TFrm_Option::restartRequested, [&] { restart = true; });
        dialog.setRestartStarter([&] { return ++starts > 0 && startable; });
        // Yes to the restart question; a start that failed is reported and this instance stays.
        QTimer answers;
        QObject::connect(&answers, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (box->text() == QStringLiteral("修改成功！需要重启才能生效，是否马上重启？")) {
                box->button(QMessageBox::Yes)->click();
            } else {
                afterwards = box->text();
                box->close();
            }
        });
        answers.start(10);
        button(dialog, QStringLiteral("确定"))->click();
        EXPECT_EQ(starts, 1);
        EXPECT_EQ(restart, startable);
        EXPECT_EQ(afterwards.isEmpty(), startable) << afterwards.toStdString();
    }
}

TEST_F(OptionDialogTest, DateFormatIsAWorkstationSettingAndCloseWritesNothing)
{
    m_home->config().setValue("Config", "DateFormat", "dd.MM.yyyy");
    {
        TFrm_Option dialog(m_session);
        auto *edit = dialog.findChild<QLineEdit *>("Edit1");
        EXPECT_EQ(edit->text(), QStringLiteral("dd.MM.yyyy"));
        dialog.findChild<QSpinBox *>("SpinEdit1")->setValue(7);
        button(dialog, QStringLiteral("修改"))->click();
        button(dialog, QStringLiteral("关闭"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(Options(*m_db).load().dotPrice, m_session.options.dotPrice);
    EXPECT_EQ(WorkstationDateFormat::load(m_home->config()), QStringLiteral("yyyy-MM-dd"));
    TFrm_Option reopened(m_session);
    EXPECT_EQ(reopened.findChild<QLineEdit *>("Edit1")->text(), QStringLiteral("yyyy-MM-dd"));
}
