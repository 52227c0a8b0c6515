#pragma once

#include <QString>

namespace kesvar {

class ConfigIni;
class Database;

// The program-wide options: the single row of T_SoftInfo.
struct SoftInfo
{
    QString softName;
    QString version;
    int dotPrice = 2;
    int dotNum = 3;
    int dotMon = 2;
    QString cost;

    static const QString MovingAverage; // "移动加权平均"; any other costing text means first in, first out
    bool usesMovingAverage() const { return cost == MovingAverage; }

    // The decimal places of `saved`, which the options dialog applies to the running program at
    // once (title and costing method only at the next start).
    void takeDecimalsFrom(const SoftInfo &saved)
    {
        dotPrice = saved.dotPrice;
        dotNum = saved.dotNum;
        dotMon = saved.dotMon;
    }
};

class Options
{
public:
    explicit Options(Database &db) : m_db(db) {}

    SoftInfo load() const;
    // Writes name, decimals and costing method (the version is not edited; it is written only when
    // the row has to be created again). Decimals outside 0..9 are refused with a RuleError.
    void save(const SoftInfo &info);

private:
    Database &m_db;
};

// How this workstation shows dates (Config.ini, section "Config", key "DateFormat"), in Qt's date
// format notation. It only affects display: dates always enter statements as bound values.
class WorkstationDateFormat
{
public:
    static const QString Default; // "yyyy-MM-dd"

    // The stored format, or Default when none (or an empty one) is stored.
    static QString load(const ConfigIni &config);
    static void save(ConfigIni &config, const QString &format);
};

} // namespace kesvar
