#include "TestDatabase.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "maintenance/Options.h"

using namespace kesvar;
using kesvar::test::DatabaseTest;

TEST_F(DatabaseTest, OptionsRoundTripAndRefuseDecimalsOutOfRange)
{
    Options options(db());
    SoftInfo info = options.load();
    const QString version = info.version;
    info.softName = QStringLiteral("O'Brien 钢材");
    info.dotPrice = 0;
    info.dotNum = 9;
    info.dotMon = 4;
    info.cost = QStringLiteral("先进先出");
    info.version = QStringLiteral("not edited");
    options.save(info);

    const SoftInfo read = options.load();
    EXPECT_EQ(read.softName, info.softName);
    EXPECT_EQ(read.dotPrice, 0);
    EXPECT_EQ(read.dotNum, 9);
    EXPECT_EQ(read.dotMon, 4);
    EXPECT_FALSE(read.usesMovingAverage());
    EXPECT_EQ(read.version, version);

    for (int places : {-1, 10}) {
        SoftInfo wrong = read;
        wrong.dotMon = places;
        EXPECT_THROW(options.save(wrong), RuleError) << places;
    }
    EXPECT_EQ(options.load().dotMon, 4);
}

TEST_F(DatabaseTest, OptionsSavedWithoutTheirRowAreNotLost)
{
    db().exec(QStringLiteral("DELETE FROM T_SoftInfo"));
    Options options(db());
    SoftInfo info;
    info.softName = QStringLiteral("新公司");
    info.dotPrice = 3;
    info.cost = SoftInfo::MovingAverage;
    options.save(info);
    options.save(info);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT COUNT(*) FROM T_SoftInfo")).toInt(), 1);
    EXPECT_EQ(options.load().softName, QStringLiteral("新公司"));
    EXPECT_EQ(options.load().dotPrice, 3);
}
