#include "maintenance/Options.h"

#include "data/ConfigIni.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Transaction.h"

namespace kesvar {

const QString SoftInfo::MovingAverage = QStringLiteral("移动加权平均");

SoftInfo Options::load() const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT SoftName, Version, DotPrice, DotNum, DotMon, Cost FROM T_SoftInfo"));
    SoftInfo info;
    if (rows.isEmpty())
        return info;
    info.softName = rows.value(0, 0).toString();
    info.version = rows.value(0, 1).toString();
    info.dotPrice = rows.value(0, 2).toInt();
    info.dotNum = rows.value(0, 3).toInt();
    info.dotMon = rows.value(0, 4).toInt();
    info.cost = rows.value(0, 5).toString();
    return info;
}

void Options::save(const SoftInfo &info)
{
    for (int places : {info.dotPrice, info.dotNum, info.dotMon})
        if (places < 0 || places > 9)
            throw RuleError(QStringLiteral("小数点位数必须在0到9之间!"));
    Transaction tx(m_db);
    // A lost options row is written again instead of the update silently changing nothing.
    if (m_db.hasRows(QStringLiteral("SELECT 1 FROM T_SoftInfo")))
        m_db.exec(QStringLiteral("UPDATE T_SoftInfo SET SoftName = ?, DotPrice = ?, DotNum = ?, DotMon = ?, Cost = ?"),
                  {info.softName, info.dotPrice, info.dotNum, info.dotMon, info.cost});
    else
        m_db.exec(QStringLiteral("INSERT INTO T_SoftInfo (SoftName, Version, DotPrice, DotNum, DotMon, Cost)"
                                 " VALUES (?, ?, ?, ?, ?, ?)"),
                  {info.softName, info.version, info.dotPrice, info.dotNum, info.dotMon, info.cost});
    tx.commit();
}

const QString WorkstationDateFormat::Default = QStringLiteral("yyyy-MM-dd");

namespace {
const QString kSection = QStringLiteral("Config");
const QString kKey = QStringLiteral("DateFormat");
}

QString WorkstationDateFormat::load(const ConfigIni &config)
{
    const QString format = config.value(kSection, kKey).toString().trimmed();
    return format.isEmpty() ? Default : format;
}

void WorkstationDateFormat::save(ConfigIni &config, const QString &format)
{
    config.setValue(kSection, kKey, format);
}

} // namespace kesvar
